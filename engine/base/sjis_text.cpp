#include "engine/base/sjis_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace kakikomi {

int CharLengthAt(std::string_view text, size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

int Find(std::string_view text, std::string_view needle, int from) {
  if (from < 0) from = 0;
  if (static_cast<size_t>(from) > text.size()) return -1;
  if (needle.empty()) return from;
  // `boundary` walks forward over whole characters; candidates from
  // string_view::find only ever increase, so the walk is linear overall.
  size_t boundary = from;
  size_t candidate = text.find(needle, from);
  while (candidate != std::string_view::npos) {
    while (boundary < candidate) boundary += CharLengthAt(text, boundary);
    if (boundary == candidate) return static_cast<int>(candidate);
    candidate = text.find(needle, candidate + 1);
  }
  return -1;
}

int ReverseFind(std::string_view text, std::string_view needle) {
  int last = -1;
  for (int at = Find(text, needle, 0); at >= 0;
       at = Find(text, needle, at + CharLengthAt(text, at)))
    last = at;
  return last;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t copied = 0;
  int at = Find(text, from, 0);
  while (at >= 0) {
    out.append(text.substr(copied, at - copied));
    out.append(to);
    copied = at + from.size();
    at = Find(text, from, static_cast<int>(copied));
  }
  out.append(text.substr(copied));
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size();) {
    unsigned char c = out[i];
    if (CharLengthAt(out, i) == 2) {
      // Full-width Ａ (0x8260) .. Ｚ (0x8279) map to ａ (0x8281) .. ｚ (0x829A).
      unsigned char t = out[i + 1];
      if (c == 0x82 && t >= 0x60 && t <= 0x79) out[i + 1] = static_cast<char>(t + 0x21);
      i += 2;
    } else {
      if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
      ++i;
    }
  }
  return out;
}

std::string Reverse(std::string_view text) {
  std::string out(text.size(), '\0');
  size_t write = text.size();
  for (size_t i = 0; i < text.size();) {
    int len = CharLengthAt(text, i);
    write -= len;
    std::memcpy(&out[write], text.data() + i, len);
    i += len;
  }
  return out;
}

std::string Mid(std::string_view text, int pos, int count) {
  if (pos < 0) pos = 0;
  if (static_cast<size_t>(pos) >= text.size()) return {};
  if (count < 0) return std::string(text.substr(pos));
  return std::string(text.substr(pos, count));
}

std::string Left(std::string_view text, int count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, count));
}

std::string Right(std::string_view text, int count) {
  if (count <= 0) return {};
  if (static_cast<size_t>(count) >= text.size()) return std::string(text);
  return std::string(text.substr(text.size() - count));
}

namespace {

// Characters that other systems encode differently from Windows; a Japanese
// user means the one CP932 has. glibc's CP932 already maps these, but not
// every iconv does.
struct MappingDifference {
  char32_t code_point;
  const char* sjis;
};
constexpr MappingDifference kMappingDifferences[] = {
    {0x301C, "\x81\x60"},                        // WAVE DASH -> ～
    {0xFF5E, "\x81\x60"},                        // FULLWIDTH TILDE
    {0x2212, "\x81\x7C"},                        // MINUS SIGN -> －
    {0xFF0D, "\x81\x7C"},                        // FULLWIDTH HYPHEN-MINUS
    {0x2016, "\x81\x61"},                        // DOUBLE VERTICAL LINE -> ∥
    {0x2225, "\x81\x61"},                        // PARALLEL TO
    {0x00A2, "\x81\x91"},                        // CENT SIGN -> ￠
    {0xFFE0, "\x81\x91"}, {0x00A3, "\x81\x92"},  // POUND SIGN -> ￡
    {0xFFE1, "\x81\x92"}, {0x00AC, "\x81\xCA"},  // NOT SIGN -> ￢
    {0xFFE2, "\x81\xCA"},
};

// Decodes one UTF-8 sequence at `p`; returns its length (at least 1) and the
// code point, or U+FFFD for a malformed sequence.
size_t DecodeUtf8(const unsigned char* p, size_t avail, char32_t* cp) {
  unsigned char c = p[0];
  size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || len > avail) {
    *cp = 0xFFFD;
    return 1;
  }
  char32_t v = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
  for (size_t i = 1; i < len; ++i) {
    if ((p[i] & 0xC0) != 0x80) {
      *cp = 0xFFFD;
      return 1;
    }
    v = (v << 6) | (p[i] & 0x3F);
  }
  *cp = v;
  return len;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("iconv: CP932 is not available");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; on an unconvertible sequence asks `on_error` what to
  // append and how many input bytes to skip.
  template <typename OnError>
  std::string Run(std::string_view in, OnError on_error) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 16);
    char buffer[4096];
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (src_left > 0) {
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, dst - buffer);
      if (rc != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (truncated sequence at the end).
      size_t skip = on_error(reinterpret_cast<const unsigned char*>(src), src_left, &out);
      skip = std::min(std::max<size_t>(skip, 1), src_left);
      src += skip;
      src_left -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string Utf8ToSjis(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Run(utf8, [](const unsigned char* p, size_t avail, std::string* out) {
    char32_t cp;
    size_t len = DecodeUtf8(p, avail, &cp);
    const char* replacement = "?";
    for (const auto& d : kMappingDifferences)
      if (d.code_point == cp) replacement = d.sjis;
    out->append(replacement);
    return len;
  });
}

std::string SjisToUtf8(std::string_view sjis) {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Run(sjis, [](const unsigned char* p, size_t avail, std::string* out) {
    out->push_back('?');
    bool valid_trail =
        avail >= 2 && ((p[1] >= 0x40 && p[1] <= 0x7E) || (p[1] >= 0x80 && p[1] <= 0xFC));
    return (IsLeadByte(p[0]) && valid_trail) ? size_t{2} : size_t{1};
  });
}

}  // namespace kakikomi
