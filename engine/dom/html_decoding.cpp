#include "engine/dom/html_decoding.h"

#include <iconv.h>
#include <uchardet/uchardet.h>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <memory>
#include <type_traits>

namespace kakikomi {
namespace {

bool IsSpace(unsigned char c) {
  return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix) {
  if (at + prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (LowerAscii(text[at + i]) != prefix[i]) return false;
  return true;
}

// Labels pages use, grouped by the decoder that serves them. Japanese pages
// and the labels browsers fold into windows-1252 come first; anything else
// is handed to iconv as written.
struct LabelGroup {
  const char* encoding;
  std::initializer_list<const char*> labels;
};
const LabelGroup kLabelGroups[] = {
    {"UTF-8",
     {"unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8", "utf-8", "utf8", "x-unicode20utf8"}},
    {"CP932",
     {"csshiftjis", "ms932", "ms_kanji", "shift-jis", "shift_jis", "sjis", "windows-31j", "x-sjis",
      "cp932"}},
    {"EUC-JP-MS", {"cseucpkdfmtjapanese", "euc-jp", "x-euc-jp"}},
    {"ISO-2022-JP", {"csiso2022jp", "iso-2022-jp"}},
    {"UTF-16LE",
     {"csunicode", "iso-10646-ucs-2", "ucs-2", "unicode", "unicodefeff", "utf-16", "utf-16le"}},
    {"UTF-16BE", {"unicodefffe", "utf-16be"}},
    {"CP1252",
     {"ansi_x3.4-1968", "ascii", "cp1252", "cp819", "csisolatin1", "ibm819", "iso-8859-1",
      "iso-ir-100", "iso8859-1", "iso88591", "iso_8859-1", "iso_8859-1:1987", "l1", "latin1",
      "us-ascii", "windows-1252", "x-cp1252", "x-user-defined"}},
    {"GBK", {"gb2312", "gbk", "chinese", "csgb2312", "x-gbk"}},
    {"BIG5-HKSCS", {"big5", "big5-hkscs", "cn-big5", "csbig5", "x-x-big5"}},
    {"CP949", {"euc-kr", "cseuckr", "ks_c_5601-1987", "windows-949"}},
};

// The encoding a detector name stands for, for the encodings Japanese
// pages come in; empty for anything else.
struct DetectedName {
  const char* detector;
  const char* encoding;
};
const DetectedName kDetectedNames[] = {
    {"UTF-8", "UTF-8"},
    {"SHIFT_JIS", "CP932"},
    {"EUC-JP", "EUC-JP-MS"},
    {"ISO-2022-JP", "ISO-2022-JP"},
};

// Undeclared pages that the detector cannot place are read the way a
// Japanese browser reads them.
constexpr char kDefaultEncoding[] = "CP932";

// Elements that may come before the body; the prescan goes on past its
// first 1024 bytes only while it meets these, as browsers do for pages
// with long heads.
const char* const kHeadTags[] = {"html",   "head",  "meta", "title",   "link",
                                 "script", "style", "base", "noscript"};
constexpr size_t kUnconditionalPrescan = 1024;
constexpr size_t kMaxPrescan = 64 * 1024;

struct Attribute {
  std::string name, value;
};

// One attribute of a tag in the prescan's simplified tokeniser; false at
// the tag's end.
bool GetAttribute(std::string_view s, size_t& pos, Attribute& attribute) {
  attribute = {};
  while (pos < s.size() && (IsSpace(s[pos]) || s[pos] == '/')) ++pos;
  if (pos >= s.size() || s[pos] == '>') return false;
  for (;;) {
    if (pos >= s.size()) return false;
    const char c = s[pos];
    if (c == '=' && !attribute.name.empty()) {
      ++pos;
      break;
    }
    if (IsSpace(c)) {
      while (pos < s.size() && IsSpace(s[pos])) ++pos;
      if (pos >= s.size() || s[pos] != '=') return true;
      ++pos;
      break;
    }
    if (c == '/' || c == '>') return true;
    attribute.name += LowerAscii(c);
    ++pos;
  }
  while (pos < s.size() && IsSpace(s[pos])) ++pos;
  if (pos >= s.size()) return false;
  if (s[pos] == '"' || s[pos] == '\'') {
    const char quote = s[pos++];
    while (pos < s.size() && s[pos] != quote) attribute.value += LowerAscii(s[pos++]);
    if (pos >= s.size()) return false;
    ++pos;
    return true;
  }
  if (s[pos] == '>') return true;
  while (pos < s.size() && !IsSpace(s[pos]) && s[pos] != '>')
    attribute.value += LowerAscii(s[pos++]);
  return true;
}

// The charset named in a "text/html; charset=..." content value.
std::string CharsetFromContent(std::string_view content) {
  size_t pos = 0;
  for (;;) {
    const size_t at = content.find("charset", pos);
    if (at == std::string_view::npos) return "";
    pos = at + 7;
    while (pos < content.size() && IsSpace(content[pos])) ++pos;
    if (pos < content.size() && content[pos] == '=') break;
  }
  ++pos;
  while (pos < content.size() && IsSpace(content[pos])) ++pos;
  if (pos >= content.size()) return "";
  if (content[pos] == '"' || content[pos] == '\'') {
    const char quote = content[pos];
    const size_t end = content.find(quote, pos + 1);
    if (end == std::string_view::npos) return "";
    return std::string(content.substr(pos + 1, end - pos - 1));
  }
  size_t end = pos;
  while (end < content.size() && !IsSpace(content[end]) && content[end] != ';') ++end;
  return std::string(content.substr(pos, end - pos));
}

bool IsHeadTag(std::string_view name) {
  for (const char* tag : kHeadTags)
    if (name == tag) return true;
  return false;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    size_t extra;
    if (c < 0x80)
      extra = 0;
    else if (c >= 0xC2 && c <= 0xDF)
      extra = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      extra = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      extra = 3;
    else
      return false;
    if (extra > s.size() - i - 1) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

// Converts with iconv, turning every byte the decoder rejects into U+FFFD.
std::string ConvertToUtf8(std::string_view bytes, const std::string& encoding) {
  iconv_t cd = iconv_open("UTF-8", encoding.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-8", kDefaultEncoding);
  std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  char buffer[16384];
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  static const char kReplacement[] = "\xEF\xBF\xBD";
  while (in_left > 0) {
    char* next = buffer;
    size_t out_left = sizeof buffer;
    const size_t result = iconv(cd, &in, &in_left, &next, &out_left);
    out.append(buffer, next - buffer);
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: an invalid or cut-off sequence; skip one byte.
    out.append(kReplacement);
    ++in;
    --in_left;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* next = buffer;
  size_t out_left = sizeof buffer;
  iconv(cd, nullptr, nullptr, &next, &out_left);  // flush shift states
  out.append(buffer, next - buffer);
  return out;
}

std::string Detect(std::string_view bytes) {
  std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
      uchardet_new(), uchardet_delete);
  if (!detector) return "";
  uchardet_handle_data(detector.get(), bytes.data(), bytes.size());
  uchardet_data_end(detector.get());
  const std::string name = uchardet_get_charset(detector.get());
  for (const DetectedName& entry : kDetectedNames)
    if (name == entry.detector) return entry.encoding;
  return "";
}

// Whether every byte of `bytes` forms an EUC-JP character.
bool IsValidEucJp(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = bytes[i];
    if (c < 0x80) continue;
    const auto high = [&](size_t at) {
      return at < bytes.size() && static_cast<unsigned char>(bytes[at]) >= 0xA1 &&
             static_cast<unsigned char>(bytes[at]) <= 0xFE;
    };
    if (c == 0x8E && i + 1 < bytes.size()) {  // half-width katakana
      ++i;
      continue;
    }
    if (c == 0x8F && high(i + 1) && high(i + 2)) {  // JIS X 0212
      i += 2;
      continue;
    }
    if (c >= 0xA1 && c <= 0xFE && high(i + 1)) {
      ++i;
      continue;
    }
    return false;
  }
  return true;
}

// Short texts the detector cannot place. Shift_JIS text nearly always has
// lead bytes below 0xA0, which EUC-JP never uses, so text that is valid
// EUC-JP is taken as EUC-JP (half-width katakana alone reads as either and
// goes to EUC-JP too).
std::string GuessUndetected(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return "UTF-8";
  if (IsValidEucJp(bytes)) return "EUC-JP-MS";
  return kDefaultEncoding;
}

}  // namespace

std::string EncodingForLabel(std::string_view label) {
  size_t begin = 0, end = label.size();
  while (begin < end && IsSpace(label[begin])) ++begin;
  while (end > begin && IsSpace(label[end - 1])) --end;
  const std::string lowered = Lowered(label.substr(begin, end - begin));
  if (lowered.empty()) return "";
  for (const LabelGroup& group : kLabelGroups)
    for (const char* known : group.labels)
      if (lowered == known) return group.encoding;
  for (char c : lowered)
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '-' && c != '_' && c != '.' &&
        c != ':')
      return "";
  // Browsers decode no other Unicode forms (UTF-7, UTF-32) from a label.
  if (lowered.rfind("utf", 0) == 0 || lowered.rfind("ucs", 0) == 0) return "";
  iconv_t cd = iconv_open("UTF-8", lowered.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return "";
  iconv_close(cd);
  return lowered;
}

std::string PrescanMetaCharset(std::string_view bytes) {
  const std::string_view s = bytes.substr(0, std::min(bytes.size(), kMaxPrescan));
  size_t pos = 0;
  while (pos < s.size()) {
    if (s.compare(pos, 4, "<!--") == 0) {
      const size_t end = s.find("-->", pos + 2);
      if (end == std::string_view::npos) return "";
      pos = end + 3;
      continue;
    }
    if (StartsWithNoCase(s, pos, "<meta") && pos + 5 < s.size() &&
        (IsSpace(s[pos + 5]) || s[pos + 5] == '/')) {
      pos += 6;
      std::string names_seen = " ";
      bool got_pragma = false;
      int need_pragma = -1;  // -1 unknown, 0 no, 1 yes
      std::string charset;
      Attribute attribute;
      while (GetAttribute(s, pos, attribute)) {
        if (names_seen.find(" " + attribute.name + " ") != std::string::npos) continue;
        names_seen += attribute.name + " ";
        if (attribute.name == "http-equiv") {
          if (attribute.value == "content-type") got_pragma = true;
        } else if (attribute.name == "content") {
          if (charset.empty()) {
            charset = CharsetFromContent(attribute.value);
            if (!charset.empty()) need_pragma = 1;
          }
        } else if (attribute.name == "charset") {
          charset = attribute.value;
          need_pragma = 0;
        }
      }
      if (need_pragma != -1 && !(need_pragma == 1 && !got_pragma) && !charset.empty()) {
        const std::string encoding = EncodingForLabel(charset);
        if (!encoding.empty()) return charset;
      }
      ++pos;
      continue;
    }
    if (s[pos] == '<' && pos + 1 < s.size() &&
        (IsAsciiLetter(s[pos + 1]) ||
         (s[pos + 1] == '/' && pos + 2 < s.size() && IsAsciiLetter(s[pos + 2])))) {
      const bool end_tag = s[pos + 1] == '/';
      size_t name_end = pos + (end_tag ? 2 : 1);
      while (name_end < s.size() && !IsSpace(s[name_end]) && s[name_end] != '>' &&
             s[name_end] != '/')
        ++name_end;
      const std::string name =
          Lowered(s.substr(pos + (end_tag ? 2 : 1), name_end - pos - (end_tag ? 2 : 1)));
      if (pos >= kUnconditionalPrescan && !end_tag && !IsHeadTag(name)) return "";
      pos = name_end;
      Attribute attribute;
      while (GetAttribute(s, pos, attribute)) {
      }
      ++pos;
      // A title, script or style holds text, not markup: go on after it.
      if (!end_tag && (name == "title" || name == "script" || name == "style")) {
        const std::string close = "</" + name;
        size_t at = pos;
        while (at < s.size() && !StartsWithNoCase(s, at, close)) ++at;
        pos = at;
      }
      continue;
    }
    if (s.compare(pos, 2, "<!") == 0 || s.compare(pos, 2, "</") == 0 ||
        s.compare(pos, 2, "<?") == 0) {
      const size_t end = s.find('>', pos + 2);
      if (end == std::string_view::npos) return "";
      pos = end + 1;
      continue;
    }
    if (pos >= kUnconditionalPrescan && s[pos] != '<' && !IsSpace(s[pos])) {
      // Text beyond the first kilobyte means the body has begun.
      return "";
    }
    ++pos;
  }
  return "";
}

DecodedPage DecodeHtmlBytes(std::string_view bytes) {
  DecodedPage page;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    page = {"", "UTF-8", "bom"};
    bytes.remove_prefix(3);
  } else if (bytes.substr(0, 2) == "\xFE\xFF") {
    page = {"", "UTF-16BE", "bom"};
    bytes.remove_prefix(2);
  } else if (bytes.substr(0, 2) == "\xFF\xFE") {
    page = {"", "UTF-16LE", "bom"};
    bytes.remove_prefix(2);
  } else if (std::string label = PrescanMetaCharset(bytes); !label.empty()) {
    page.encoding = EncodingForLabel(label);
    // A page that reached us as bytes cannot really be UTF-16.
    if (page.encoding == "UTF-16LE" || page.encoding == "UTF-16BE") page.encoding = "UTF-8";
    page.source = "meta";
  } else if (std::string detected = Detect(bytes); !detected.empty()) {
    page.encoding = detected;
    page.source = "detected";
  } else {
    page.encoding = GuessUndetected(bytes);
    page.source = "default";
  }
  page.utf8 = ConvertToUtf8(bytes, page.encoding);
  return page;
}

}  // namespace kakikomi
