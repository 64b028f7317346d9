// The engine limits and the keyword dictionary: every word list the page
// analysis and the fillers rely on, in its stored order (many users take the
// first match, and several tables are indexed by a profile value).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kakikomi {

struct EngineLimits {
  int8_t MaxFrames = 0;  // frame documents added to the document list
  int MaxSelects = 0;    // controls of each kind collected per document
  int MaxRadios = 0;
  int MaxTexts = 0;  // two fewer text inputs than this are collected
  int MaxEmails = 0;
  int MaxTels = 0;
  int MaxCheckboxes = 0;
  int MaxPasswords = 0;
  int MaxTextAreas = 0;
  int MaxElements = 0;  // controls of all kinds in one page element table
};

// A word list and its stored last index (entries - 1, except SeiMeiPairs,
// whose last index counts pairs). Users loop from 0 to `last` inclusive.
struct WordTable {
  std::vector<std::string> words;  // CP932
  uint8_t last = 0;

  const std::string& operator[](size_t i) const { return words[i]; }
  size_t size() const { return words.size(); }
  // Index of the first entry that `text` contains, or -1.
  int FirstContainedIn(const std::string& text) const;
};

// Small numbers indexed by a prefecture.
struct ByteTable {
  std::vector<int8_t> values;
  uint8_t last = 0;

  int8_t operator[](size_t i) const { return values[i]; }
  size_t size() const { return values.size(); }
};

struct Dictionary {
  WordTable
      PrefectureNames;  // prefecture names without suffix, JIS order; indexed by ToDouHuKenIndex
  WordTable PrefectureLabelWords;   // label words of a prefecture field
  WordTable PrefectureAttrWords;    // name-attribute words of a prefecture field
  ByteTable PrefectureSuffixKinds;  // suffix kind per prefecture (see dictionary.cpp)
  WordTable AddressLabelWords;      // label word of an address field
  WordTable AddressAttrWords;       // name-attribute words of an address field
  WordTable AddressRestWords;       // words of a field for the rest of the address
  WordTable CityLabelWords;         // city, ward and county marks
  WordTable CityAttrWords;          // name-attribute word of a city field
  WordTable TownLabelWords;         // town and village marks
  WordTable TownAttrWords;          // name-attribute word of a town field
  WordTable TownAreaWords;          // words of a town-area field
  WordTable BanchiLabelWords;       // label word of a block-number field
  WordTable BuildingLabelWords;     // label words of a building field
  WordTable BuildingAttrWords;      // name-attribute word of a building field
  WordTable SexNames;               // the two sex words; indexed by SexIndex
  WordTable SexLabelWords;          // label word of a sex field
  WordTable SexAttrWords;           // name-attribute word of a sex field
  WordTable FullWidthDigits;        // full-width digit per value 0-9
  WordTable BirthLabelWords;        // label words of a birth-date field
  WordTable BirthAttrWords;         // name-attribute words of birth-date fields
  WordTable CenturyDigitsA;         // century prefixes of a year, half and full width
  WordTable EraNames;               // Japanese era names; indexed by Era
  WordTable CenturyDigitsB;         // second copy of the century prefixes
  WordTable DecadeYears;            // decade years 1920 to 2020, half then full width
  WordTable DecadeShortYears;       // two-digit decades, descending, half then full width
  WordTable TwoFiveDigits;          // the digits 2 and 5, half and full width
  WordTable SixtyDigits;            // 60, half and full width
  WordTable TwelveDigitsA;          // 12, half and full width
  WordTable TwelveDigitsB;          // second copy of 12
  WordTable AgeStepDigitsA;         // age-bracket bounds, then 13 and 20
  WordTable AgeStepDigitsB;         // age-bracket bounds
  WordTable ZodiacKanaNames;        // zodiac signs in hiragana; indexed by SeizaIndex
  WordTable ZodiacKanjiNames;       // zodiac signs in kanji; indexed by SeizaIndex
  WordTable BloodTypeNames;         // blood types, half then full width; indexed by BloodTypeIndex
  WordTable BloodTypeLowerNames;    // blood types in lower case, half then full width
  WordTable JobLabelWords;          // label word of an occupation field
  WordTable JobNames;               // occupation words; indexed by JobIndex
  WordTable JobAltNames;            // second occupation word per index
  WordTable IndustryNames;          // industry words; indexed by IndustryIndex
  WordTable IndustryAltNames;       // second industry word per index
  WordTable JobTypeNames;           // job-type words; indexed by JobTypeIndex
  WordTable JobTypeAltNames;        // second job-type word per index
  WordTable AgeLabelWords;          // label words of an age field
  WordTable AgeAttrWords;           // name-attribute words of an age field
  WordTable MobileMailDomains;      // mobile carrier mail domains; indexed by MobileDomainIndex
  WordTable RegionNames;            // region names; slot 0 empty
  ByteTable PrefectureRegions;      // region slot per prefecture (see dictionary.cpp)
  WordTable MarriedWords;           // word for married
  WordTable UnmarriedWords;         // words for unmarried
  WordTable NickNameLabelWords;     // label words of a nickname field
  WordTable NickNameAttrWords;      // name-attribute words of a nickname field
  WordTable RomajiLabelWords;       // label words asking for romaji
  WordTable HiraganaLabelWords;     // label words asking for the reading in hiragana
  WordTable KanaAttrWords;          // name-attribute words of a reading field
  WordTable KatakanaLabelWords;     // label words asking for the reading in katakana
  WordTable NameLabelWords;         // label words of a full-name field
  WordTable NameAttrWords;          // name-attribute words of a name field
  WordTable SeiMeiPairs;            // pairs of family-name and given-name words
  WordTable ZipLabelWords;          // label words of a postal-code field
  WordTable ZipAttrWords;           // name-attribute words of a postal-code field
  WordTable TelLabelWords;          // label words of a phone field
  WordTable DaytimeContactWords;    // label words of a daytime or emergency contact field
  WordTable FaxLabelWords;          // label words of a fax field
  WordTable MobileLabelWords;       // label words of a mobile-phone field
  WordTable MobilePrefixWords;      // mobile words that make a mail field a mobile-mail field
  WordTable MailLabelWords;         // label words of a mail field
  WordTable RefusalWords;           // words that refuse a kind of address (for example mobile mail)
  WordTable MailAddressLabelWords;  // label words of a mail-address field
  WordTable ConfirmWords;           // words of a confirmation (enter again) field
  WordTable CommentWords;           // label words of a comment field
  WordTable OpinionWords;           // label words of an opinion field
  WordTable LoginWords;             // label words of a login-ID field
  WordTable HtmlEntityWords;        // HTML entities removed from the page text
  WordTable HyphenChars;            // hyphen and dash characters
  WordTable RangeMarks;             // range marks in option texts
  WordTable SkipLabelWords;         // label words of fields that are never filled
  WordTable MobileSiteWords;        // words of a mobile-site field
  WordTable MagazineWords;          // words of a mail-magazine field
  WordTable CountLabelWords;        // label word of a number-of field
  WordTable CountAttrWords;         // name-attribute word of a number-of field
  WordTable KanaFalseWords;         // words that hold かな without asking for kana
  WordTable ParticleChars;          // particles that may follow a keyword
  WordTable NotPersonNameWords;     // words that make 名 a non-person name
};

}  // namespace kakikomi
