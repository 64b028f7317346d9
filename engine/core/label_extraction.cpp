#include "engine/core/label_extraction.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/base/sjis_text.h"

namespace kakikomi {
namespace {

using Replacement = std::pair<std::string, std::string>;

// Builds a replacement table from UTF-8 rows once, as CP932.
std::vector<Replacement> ToSjisRows(
    std::initializer_list<std::pair<const char*, const char*>> rows) {
  std::vector<Replacement> out;
  for (const auto& [from, to] : rows) out.emplace_back(Sjis(from), Sjis(to));
  return out;
}

// Replaces every occurrence of `from`. Most words of the tables below are
// not on a given page; a plain byte search rules them out without copying
// the page.
std::string Replace(std::string text, std::string_view from, std::string_view to) {
  if (text.find(from) == std::string::npos) return text;
  return ReplaceAll(text, from, to);
}

std::string ApplyRows(std::string text, const std::vector<Replacement>& rows) {
  for (const auto& [from, to] : rows) text = Replace(std::move(text), from, to);
  return text;
}

// Pages name the capital in full; the dictionary and every filler look for
// the short form, so the page is read as if it used it.
const std::vector<Replacement>& CapitalRows() {
  static const auto rows = ToSjisRows({{"東京都", "東京"}});
  return rows;
}

// The tag names the mark scan looks for, upper-cased so that hand-written
// lower-case pages read like the browser's own serialisation.
const std::vector<Replacement>& TagNameRows() {
  static const auto rows = ToSjisRows({
      {"<option", "<OPTION"},
      {"</option", "</OPTION"},
      {"<optgroup", "<OPTGROUP"},
      {"</optgroup", "</OPTGROUP"},
      {"<br", "<BR"},
      {"<p>", "<P>"},
      {"</p>", "</P>"},
      {"<div", "<DIV"},
      {"</h1", "</H1"},
      {"</h2", "</H2"},
      {"</h3", "</H3"},
      {"</ul", "</UL"},
      {"<form", "<FORM"},
      {"<table", "<TABLE"},
      {"</table", "</TABLE"},
      {"<img", "<IMG"},
      {"<input", "<INPUT"},
      {"<select", "<SELECT"},
      {"<textarea", "<TEXTAREA"},
      {"<td", "<TD"},
      {"<tr", "<TR"},
      {"RADIO", "radio"},
      {"\"", ""},
  });
  return rows;
}

// The input types that stay in the text, each with the upper-case form some
// pages write; an input of any other declared type is dropped.
const std::vector<Replacement>& InputTypeRows() {
  static const auto rows = ToSjisRows({
      {"type=CHECKBOX", "type=checkbox"},
      {"type=RADIO", "type=radio"},
      {"type=PASSWORD", "type=password"},
      {"type=SUBMIT", "type=submit"},
      {"type=IMAGE", "type=image"},
      {"type=TEXT", "type=text"},
      {"type=TEL", "type=tel"},
      {"type=EMAIL", "type=email"},
  });
  return rows;
}

// Label normalisation, row by row. Order matters: longer words before the
// words they contain, so that 全角カタカナ becomes one mark and not #カタカナ.
// The two occupation words are turned so that the 員/社/会 and 自 they hold
// are not taken for other labels; the dictionary stores them turned.
// A separator in front of 姓, 名 or 性 becomes filler so that the name label
// stays one piece with the word before it.
const std::vector<std::vector<Replacement>>& NormaliseTable() {
  static const std::vector<std::vector<Replacement>> table = [] {
    const std::string sep(kLabelSeparator);
    std::vector<std::vector<Replacement>> rows;
    auto row = [&](std::initializer_list<const char*> froms, const std::string& to) {
      std::vector<Replacement> r;
      for (const char* from : froms) r.emplace_back(Sjis(from), to);
      rows.push_back(std::move(r));
    };
    row({"半角カナ", "全角カナ"}, Sjis("#カナ"));
    row({"全角カタカナ", "半角カタカナ", "必須事項", "必須項目", "全角漢字", "必須", "半角", "全角",
         "英数字", "英数", "数字"},
        "#");
    rows.push_back({{sep + "#" + sep, sep}});
    row({"※"}, "");
    row({"かな漢字"}, Sjis("漢字"));
    row({"自営業"}, Sjis("営自業"));
    row({"会社員"}, Sjis("員社員会"));
    row({"（姓）", "(姓)"}, Sjis("姓"));
    rows.push_back({{sep + Sjis("姓"), Sjis("%%%%%姓")}});
    rows.push_back({{sep + Sjis("名"), Sjis("%%%%%名")}});
    rows.push_back({{sep + Sjis("性"), Sjis("%%%%%性")}});
    row({"旧姓", "国名"}, "%%%%%");
    row({"建物名"}, Sjis("建物"));
    rows.push_back({{sep + "<", "<"}});
    rows.push_back({{">" + sep, ">"}});
    return rows;
  }();
  return table;
}

// The option list appended to a select's tag: each option's text followed by
// the mark; an option without text still holds its place.
constexpr std::string_view kOptionMark = "##%";
const std::string& EmptyOptionText() {
  static const std::string text = Sjis("誤動作防止");
  return text;
}

// A job word pair's placeholder for "no second word".
constexpr std::string_view kNoAltWord = "****";

// Deletes every span from `open` to the next `close`, both included, in one
// pass. An opening without its close ends the rule: the rest stays.
std::string DeleteSpans(std::string_view text, std::string_view open, std::string_view close) {
  std::string out;
  out.reserve(text.size());
  int from = 0;
  while (true) {
    const int at = Find(text, open, from);
    if (at < 0) break;
    const int end = Find(text, close, at);
    if (end < 0) break;
    out.append(text.substr(from, at - from));
    from = end + static_cast<int>(close.size());
  }
  out.append(text.substr(from));
  return out;
}

// "<" and ">" are never the second byte of a double-byte character in code
// page 932 (those start at 0x40), so a plain byte search finds only real
// brackets; the page text is scanned for them many times.
int FindBracket(std::string_view text, char bracket, int from) {
  const size_t at = text.find(bracket, from);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Byte length of the character at `i`, for the character-by-character loops.
inline int CharLength(std::string_view text, size_t i) {
  return i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
}

// Collapses every run of `c` to one.
std::string CollapseRuns(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == c && !out.empty() && out.back() == c) continue;
    out.push_back(text[i]);
  }
  return out;
}

// True when a separator stands within the last ten bytes of `out`: breaks
// that close together would only repeat the mark.
bool SeparatorNearEnd(const std::string& out) {
  std::string_view tail(out);
  if (tail.size() > 10) tail = tail.substr(tail.size() - 10);
  return Contains(tail, kLabelSeparator);
}

// An image dimension: 1 when not given, else its leading number, where
// spacer sizes of 1 to 11 pixels count as nothing.
int ImageDimension(std::string_view tag, std::string_view attribute) {
  const std::string value = TagAttrValue(tag, attribute);
  if (value.empty()) return 1;
  int number = 0;
  for (size_t i = 0; i < value.size() && i < 9 && value[i] >= '0' && value[i] <= '9'; ++i)
    number = number * 10 + (value[i] - '0');
  return number >= 1 && number <= 11 ? 0 : number;
}

const std::string* WordAt(const WordTable& table, int index) {
  if (index < 0 || index > table.last || static_cast<size_t>(index) >= table.size()) return nullptr;
  if (table[index].empty()) return nullptr;  // an empty word would be found everywhere
  return &table[index];
}

bool ContainsWord(const std::string& text, const std::string* word) {
  return word && Contains(text, *word);
}

bool PairOffered(const std::string& text, int index, const std::string& word,
                 const std::string& alt) {
  if (index < 0) return false;
  if (!word.empty() && Contains(text, word)) return true;
  return !alt.empty() && alt != kNoAltWord && Contains(text, alt);
}

}  // namespace

std::string StripPageNoise(std::string_view html) {
  std::string text = Replace(std::string(html), "\r\n", "");
  for (const char* c : {"\n", "\r", "\t"}) text = Replace(std::move(text), c, "");
  text = DeleteSpans(text, "<!--", "-->");
  text = DeleteSpans(text, "<SCRIPT", "</SCRIPT>");
  text = DeleteSpans(text, "<script", "</script>");
  text = CollapseRuns(text, '<');
  return CollapseRuns(text, '>');
}

std::string TagsToMarks(std::string_view html) {
  const std::string text = ApplyRows(std::string(html), TagNameRows());
  const std::string_view view(text);
  std::string out;
  out.reserve(text.size() / 2);
  bool collecting = false, in_table = false;
  int row_span = 0;

  int lt = FindBracket(view, '<', 0);
  while (lt >= 0) {
    const int gt = FindBracket(view, '>', lt + 1);
    if (gt < 0) break;  // an unterminated tag ends the scan
    const std::string_view tag = view.substr(lt, gt - lt + 1);
    // A "<" inside this tag (an attribute value) starts no tag of its own:
    // the browser reads it as part of this one.
    const int next_lt = FindBracket(view, '<', gt + 1);
    auto text_after = [&] {
      return view.substr(gt + 1, next_lt < 0 ? std::string_view::npos : next_lt - gt - 1);
    };
    const std::string_view t3 = tag.substr(0, 3), t4 = tag.substr(0, 4), t5 = tag.substr(0, 5);

    if (collecting) {
      if (t5 == "<OPTI") {
        const std::string_view option = text_after();
        out.append(option.empty() ? std::string_view(EmptyOptionText()) : option);
        out.append(kOptionMark);
      } else if (t5 != "</OPT" && t5 != "<OPTG") {
        out.push_back('>');
        collecting = false;
      }
    }
    if (!in_table && !SeparatorNearEnd(out) && (t3 == "<BR" || t3 == "<P>" || t4 == "</P>"))
      out.append(kLabelSeparator);
    if (t4 == "<DIV" || t4 == "</H1" || t4 == "</H2" || t4 == "</H3" || t4 == "</UL" ||
        t5 == "<FORM")
      out.append(kLabelSeparator);
    if (t5 == "</TAB") in_table = false;
    if (t5 == "<TABL") in_table = true;
    if (t3 == "<IM" && ImageDimension(tag, "width") != 0 && ImageDimension(tag, "height") != 0) {
      out.append(kLabelSeparator);
      out.append(TagAttrValue(tag, "alt"));
    }
    if (t5 == "<INPU") {
      if (!Contains(tag, "type=")) {
        out.append(tag);
      } else {
        const std::string lowered = ApplyRows(std::string(tag), InputTypeRows());
        for (const auto& [upper, lower] : InputTypeRows()) {
          if (Contains(lowered, lower)) {
            out.append(lowered);
            break;
          }
        }
      }
    }
    if (t5 == "<SELE") {
      out.append(tag.substr(0, tag.size() - 1));
      out.append(" list=");
      out.append(kOptionMark);
      collecting = true;
    }
    if (t5 == "<TEXT") out.append(tag);
    if (t3 == "<TD") {
      const int at = Find(tag, "rowSpan=");
      if (at >= 0 && static_cast<size_t>(at) + 8 < tag.size()) {
        const char digit = tag[at + 8];
        if (digit >= '1' && digit <= '9') row_span = digit - '0';
      }
    }
    if (t3 == "<TR") {
      --row_span;
      if (!SeparatorNearEnd(out) && row_span < 1) out.append(kLabelSeparator);
      in_table = true;
    }
    // Text after the last tag has no "<" after it and is not taken over.
    if (!collecting && next_lt > gt + 1) out.append(RemoveSpaces(text_after()));
    lt = next_lt;
  }
  // A select still open at the end of the page gets its list closed, so that
  // its tag is a whole tag for the walk.
  if (collecting) out.push_back('>');
  return out;
}

std::string RemoveEntities(std::string_view text, const CData& data) {
  std::string out(text);
  const size_t count = std::min<size_t>(5, data.HtmlEntityWords.size());
  for (size_t i = 0; i < count; ++i) out = Replace(std::move(out), data.HtmlEntityWords[i], "");
  return out;
}

std::string CollapseSeparators(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  const size_t sep = kLabelSeparator.size();
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, sep) == kLabelSeparator) {
      out.append(kLabelSeparator);
      i += sep;
      while (text.substr(i, sep) == kLabelSeparator) i += sep;
      continue;
    }
    const int len = CharLength(text, i);
    out.append(text.substr(i, len));
    i += len;
  }
  return out;
}

std::string NormaliseLabel(std::string_view text) {
  std::string out(text);
  for (const auto& row : NormaliseTable()) out = ApplyRows(std::move(out), row);
  return out;
}

void ScanPageOffers(const std::string& text, PageElementTable& table, const CData& data) {
  table.SexOffered |= ContainsWord(text, WordAt(data.SexNames, data.SexIndex));
  if (data.MarriageIndex == 0)
    table.MarriageOffered |= data.MarriedWords.FirstContainedIn(text) >= 0;
  if (data.MarriageIndex == 1)
    table.MarriageOffered |= data.UnmarriedWords.FirstContainedIn(text) >= 0;
  table.AgeOffered |= data.AgeLabelWords.FirstContainedIn(text) >= 0 ||
                      data.AgeAttrWords.FirstContainedIn(text) >= 0;
  table.JobOffered |=
      PairOffered(text, data.JobIndex, data.JobWord, data.JobWord2) ||
      PairOffered(text, data.IndustryIndex, data.IndustryWord, data.IndustryWord2) ||
      PairOffered(text, data.JobTypeIndex, data.JobTypeWord, data.JobTypeWord2);
  table.EraOffered |= ContainsWord(text, WordAt(data.EraNames, data.Era));
  const int prefecture = data.ToDouHuKenIndex;
  if (prefecture >= 0 && prefecture <= data.PrefectureRegions.last &&
      static_cast<size_t>(prefecture) < data.PrefectureRegions.size())
    table.RegionOffered |=
        ContainsWord(text, WordAt(data.RegionNames, data.PrefectureRegions[prefecture]));
  table.ToDouHuKenOffered |= ContainsWord(text, WordAt(data.PrefectureNames, prefecture));
  table.SeizaOffered |= ContainsWord(text, WordAt(data.ZodiacKanaNames, data.SeizaIndex)) ||
                        ContainsWord(text, WordAt(data.ZodiacKanjiNames, data.SeizaIndex));
  static const std::string kTypeMark = Sjis("型");
  const int blood = data.BloodTypeIndex;
  const std::string* half = WordAt(data.BloodTypeNames, blood);
  const std::string* full = blood >= 0 ? WordAt(data.BloodTypeNames, blood + 4) : nullptr;
  if (half && full)
    table.BloodTypeOffered |=
        Contains(text, *half + kTypeMark) || Contains(text, *full + kTypeMark);

  // The radio and checkbox fillers tick only for an item whose word the page
  // offers, so they are switched off only when it offers none of them.
  const uint8_t offered[] = {
      table.SexOffered,        table.MarriageOffered, table.AgeOffered,
      table.JobOffered,        table.EraOffered,      table.RegionOffered,
      table.ToDouHuKenOffered, table.SeizaOffered,    table.BloodTypeOffered};
  bool any = false;
  for (uint8_t flag : offered) any = any || flag != 0;
  table.ChoiceSkip = any ? 0 : 1;
}

std::string AnnotatePageText(const std::string& page_html, PageElementTable& table,
                             const CData& data) {
  std::string text = ApplyRows(page_html, CapitalRows());
  text = StripPageNoise(text);
  text = TagsToMarks(text);
  text = RemoveEntities(text, data);
  text = CollapseSeparators(text);
  text = NormaliseLabel(text);
  ScanPageOffers(text, table, data);
  return text;
}

std::string TagAttrValue(std::string_view tag, std::string_view name) {
  const std::string key = std::string(name) + "=";
  const int at = Find(tag, key);
  if (at < 0) return {};
  std::string_view value = tag.substr(at + key.size());
  // The value ends where the next attribute's name begins: at the last space
  // before the next "=".
  const int eq = Find(value, "=");
  if (eq >= 0) {
    value = value.substr(0, eq);
    const int space = ReverseFind(value, " ");
    if (space >= 0) value = value.substr(0, space);
  }
  std::string out = ReplaceAll(value, "\"", "");
  out = ReplaceAll(out, ">", "");
  return RemoveSpaces(out);
}

std::string RemoveSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const int len = CharLength(text, i);
    const std::string_view c = text.substr(i, len);
    if (c != " " && c != "\x81\x40") out.append(c);  // "\x81\x40" is the full-width space
    i += len;
  }
  return out;
}

std::string TagNameValue(std::string_view tag) {
  if (!tag.empty() && tag.back() == '>') tag.remove_suffix(1);
  const int at = Find(tag, "name=");
  if (at < 0) return {};
  std::string_view value = tag.substr(at + 5);
  const int eq = Find(value, "=");
  if (eq >= 0) value = value.substr(0, eq);
  const int space = Find(value, " ");
  if (space >= 0) value = value.substr(0, space);
  return std::string(value);
}

}  // namespace kakikomi
