#include "engine/text/label_text.h"

#include <vector>

#include "engine/base/sjis_text.h"
#include "engine/core/label_extraction.h"

namespace kakikomi {
namespace {

constexpr int kNearSlack = 4;       // bytes allowed beside a word that stands "near" an end
constexpr int kShortRemainder = 7;  // an owner phrase leaving less than this ends the chain

// Tag words of answer boxes, which never receive a profile value.
const std::vector<std::string>& QuizTagWords() {
  static const std::vector<std::string> words = {"quiz", "keyword", Sjis("答え")};
  return words;
}

int Length(const std::string& text) { return static_cast<int>(text.size()); }

// Loops over a table's entries as stored: from the first up to its last index.
template <typename F>
bool AnyWord(const WordTable& table, F&& f) {
  for (size_t i = 0; i < table.size() && i <= table.last; ++i)
    if (f(table[i])) return true;
  return false;
}

}  // namespace

std::string CutThrough(std::string text, const std::string& word) {
  const int at = Find(text, word);
  if (at < 0) return text;
  return text.substr(at + word.size());
}

std::string LastSegment(std::string text) {
  const int at = ReverseFind(text, kLabelSeparator);
  if (at >= 0) text = text.substr(at);
  return ReplaceAll(text, kLabelSeparator, "");
}

std::string FirstSegment(std::string text) {
  const int at = Find(text, kLabelSeparator);
  return at >= 0 ? text.substr(0, at) : text;
}

std::string AttributeText(std::string text) {
  const int at = Find(text, "value=");
  if (at >= 0) {
    const int next = Find(text, "=", at + 6);
    if (next >= 0)
      text.erase(at, next - at);
    else
      text.resize(at);
  }
  return ToLower(text);
}

bool StartsNear(const std::string& text, const std::string& word) {
  if (text.size() < word.size()) return false;
  return Contains(Left(text, Length(word) + kNearSlack), word);
}

bool EndsNear(const std::string& text, const std::string& word) {
  if (text.size() < word.size()) return false;
  return Contains(Left(Reverse(text), Length(word) + kNearSlack), Reverse(word));
}

bool MentionsOwner(const std::string& text, const std::string& suffix, const CData& data) {
  return AnyWord(data.NotPersonNameWords,
                 [&](const std::string& w) { return Contains(text, w + suffix); });
}

bool FollowedByParticle(const std::string& text, const std::string& word, const CData& data) {
  return AnyWord(data.ParticleChars,
                 [&](const std::string& p) { return Contains(text, word + p); });
}

bool FollowedByMagazine(const std::string& text, const std::string& word, const CData& data) {
  return AnyWord(data.MagazineWords,
                 [&](const std::string& m) { return Contains(text, word + m); });
}

namespace {

// Deletes the text up to and including `phrase` when it occurs.
void DropThrough(std::string& text, const std::string& phrase, PageElementTable& table) {
  const int at = Find(text, phrase);
  if (at < 0) return;
  text.erase(0, at + phrase.size());
  if (Length(text) < kShortRemainder) table.LastFieldCode = -1;
}

}  // namespace

std::string DropOwnerPrefix(std::string text, const std::string& suffix, const CData& data,
                            PageElementTable& table) {
  AnyWord(data.NotPersonNameWords, [&](const std::string& w) {
    DropThrough(text, w + suffix, table);
    return false;
  });
  return text;
}

std::string DropOwnerNamePhrase(std::string text, const std::string& suffix, const CData& data,
                                PageElementTable& table) {
  AnyWord(data.NotPersonNameWords, [&](const std::string& w) {
    AnyWord(data.NameLabelWords, [&](const std::string& n) {
      DropThrough(text, w + suffix + n, table);
      return false;
    });
    return false;
  });
  return text;
}

bool NotQuizTag(const std::string& tag) {
  const std::string lower = ToLower(tag);
  for (const std::string& word : QuizTagWords())
    if (Contains(lower, word)) return false;
  return true;
}

}  // namespace kakikomi
