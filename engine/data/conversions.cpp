// The value conversions the derivation and the add dialog use: kana to
// katakana and romaji, digit texts, age, zodiac sign and prefecture name.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/data/reg_read.h"

namespace kakikomi {
namespace {

// Parallel tables: the katakana at the same position as each hiragana.
constexpr std::string_view kHiragana =
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんゃ"
    "ゅょっ"
    "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉ";
constexpr std::string_view kKatakana =
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンャ"
    "ュョッ"
    "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポァィゥェォ";

struct Romaji {
  const char* kana;
  const char* romaji;
};

// Single kana and their romaji; the mix (し SHI but ふ HU) is the one users'
// stored data was made with.
constexpr Romaji kKanaRomaji[] = {
    {"あ", "A"},  {"い", "I"},  {"う", "U"},  {"え", "E"},  {"お", "O"},   {"か", "KA"},
    {"き", "KI"}, {"く", "KU"}, {"け", "KE"}, {"こ", "KO"}, {"さ", "SA"},  {"し", "SHI"},
    {"す", "SU"}, {"せ", "SE"}, {"そ", "SO"}, {"た", "TA"}, {"ち", "CHI"}, {"つ", "TSU"},
    {"て", "TE"}, {"と", "TO"}, {"な", "NA"}, {"に", "NI"}, {"ぬ", "NU"},  {"ね", "NE"},
    {"の", "NO"}, {"は", "HA"}, {"ひ", "HI"}, {"ふ", "HU"}, {"へ", "HE"},  {"ほ", "HO"},
    {"ま", "MA"}, {"み", "MI"}, {"む", "MU"}, {"め", "ME"}, {"も", "MO"},  {"ら", "RA"},
    {"り", "RI"}, {"る", "RU"}, {"れ", "RE"}, {"ろ", "RO"}, {"が", "GA"},  {"ぎ", "GI"},
    {"ぐ", "GU"}, {"げ", "GE"}, {"ご", "GO"}, {"ざ", "ZA"}, {"じ", "JI"},  {"ず", "ZU"},
    {"ぜ", "ZE"}, {"ぞ", "ZO"}, {"だ", "DA"}, {"ぢ", "DI"}, {"づ", "DU"},  {"で", "DE"},
    {"ど", "DO"}, {"ば", "BA"}, {"び", "BI"}, {"ぶ", "BU"}, {"べ", "BE"},  {"ぼ", "BO"},
    {"ぱ", "PA"}, {"ぴ", "PI"}, {"ぷ", "PU"}, {"ぺ", "PE"}, {"ぽ", "PO"},  {"や", "YA"},
    {"ゆ", "YU"}, {"よ", "YO"}, {"わ", "WA"}, {"を", "WO"}, {"ん", "N"},
};

// An i-row kana and its contracted syllables with ゃ, ゅ, ょ.
struct Contracted {
  const char* kana;
  const char* with_ya;
  const char* with_yu;
  const char* with_yo;
};
constexpr Contracted kContracted[] = {
    {"き", "KYA", "KYU", "KYO"}, {"し", "SYA", "SYU", "SYO"}, {"ち", "CHA", "CHU", "CHO"},
    {"に", "NYA", "NYU", "NYO"}, {"ひ", "HYA", "HYU", "HYO"}, {"み", "MYA", "MYU", "MYO"},
    {"り", "RYA", "RYU", "RYO"}, {"ぎ", "GYA", "GYU", "GYO"}, {"じ", "JA", "JU", "JO"},
    {"ぢ", "DYA", "DYU", "DYO"}, {"び", "BYA", "BYU", "BYO"}, {"ぴ", "PYA", "PYU", "PYO"},
};

// Upper bound of month * 100 + day for each zodiac sign, 山羊 first.
constexpr int kSeizaBounds[] = {120, 218, 320, 420, 521, 621, 722, 822, 923, 1023, 1122, 1221};

// Suffix of a prefecture name by its suffix kind.
constexpr const char* kPrefectureSuffixes[] = {"", "県", "都", "府"};

struct SjisRomaji {
  std::string kana;
  const char* romaji;
};
struct SjisContracted {
  std::string kana;
  const char* syllables[3];  // with ゃ, ゅ, ょ
};

}  // namespace

std::string CRegRead::ChangeHiraganaKatakana(const std::string& text) {
  static const std::string hiragana = Sjis(kHiragana);
  static const std::string katakana = Sjis(kKatakana);
  std::string result;
  // Two bytes at a time from the start, so a single-byte character shifts
  // the reading of everything after it, as the stored data expects.
  for (size_t i = 0; i + 2 <= text.size(); i += 2) {
    int p = Find(hiragana, std::string_view(text).substr(i, 2));
    if (p >= 0) result += katakana.substr(p, 2);
  }
  return result;
}

std::string CRegRead::ChangeRomajiString(const std::string& text) {
  static const std::vector<SjisRomaji> singles = [] {
    std::vector<SjisRomaji> table;
    for (const Romaji& r : kKanaRomaji) table.push_back({Sjis(r.kana), r.romaji});
    return table;
  }();
  static const std::vector<SjisContracted> contracted = [] {
    std::vector<SjisContracted> table;
    for (const Contracted& c : kContracted)
      table.push_back({Sjis(c.kana), {c.with_ya, c.with_yu, c.with_yo}});
    return table;
  }();
  static const std::string small_ya[3] = {Sjis("ゃ"), Sjis("ゅ"), Sjis("ょ")};
  static const std::string small_tsu = Sjis("っ");

  // Working from the end lets a small ゃゅょ meet its i-row kana next and
  // lets っ copy the consonant of the syllable already built after it.
  const std::string reversed = Reverse(text);
  std::string result;
  for (size_t i = 0; i + 2 <= reversed.size(); i += 2) {
    const std::string piece = reversed.substr(i, 2);
    bool done = false;
    for (const SjisRomaji& r : singles) {
      if (piece == r.kana) {
        result.insert(0, r.romaji);
        done = true;
        break;
      }
    }
    if (done) continue;
    for (int y = 0; y < 3 && !done; ++y) {
      if (piece != small_ya[y] || i + 4 > reversed.size()) continue;
      const std::string before = reversed.substr(i + 2, 2);
      for (const SjisContracted& c : contracted) {
        if (before == c.kana) {
          result.insert(0, c.syllables[y]);
          i += 2;
          done = true;
          break;
        }
      }
    }
    if (done) continue;
    if (piece == small_tsu && !result.empty()) result.insert(0, 1, result[0]);
  }
  return result;
}

std::string CRegRead::ChangeNumberHankakuString(int n) { return std::to_string(n); }

std::string CRegRead::ChangeNumberZenkakuString(int n) {
  static const std::string digits = Sjis("０１２３４５６７８９");
  std::string result;
  for (char c : std::to_string(n))
    if (c >= '0' && c <= '9') result += digits.substr((c - '0') * 2, 2);
  return result;
}

int CRegRead::YourAge(int year, int month, int day) {
  const CalendarDate today = CurrentClock().Today();
  // 64-bit so that a number from a damaged file cannot overflow.
  const int64_t years = int64_t{today.year} - year;
  if (years < 0) return -1;
  const int64_t before = (int64_t{today.month} - month) * 100 + (int64_t{today.day} - day);
  return static_cast<int>(std::min<int64_t>(before < 0 ? years - 1 : years, INT_MAX));
}

int8_t CRegRead::Seiza(int month, int day) {
  const int64_t v = int64_t{month} * 100 + day;
  for (int sign = 0; sign < 12; ++sign)
    if (v <= kSeizaBounds[sign]) return static_cast<int8_t>(sign);
  return v <= 1231 ? 0 : -1;
}

std::string CRegRead::GetToDouHuKen(int index, const CData* data) {
  const WordTable& names = data->PrefectureNames;
  const ByteTable& kinds = data->PrefectureSuffixKinds;
  if (index < 0 || index > names.last || static_cast<size_t>(index) >= names.size() ||
      static_cast<size_t>(index) >= kinds.size())
    return {};
  const int kind = kinds[index];
  if (kind < 0 || kind >= static_cast<int>(std::size(kPrefectureSuffixes))) return {};
  return names[index] + Sjis(kPrefectureSuffixes[kind]);
}

}  // namespace kakikomi
