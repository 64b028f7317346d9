#include "engine/dom/html_decoding.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/base/sjis_text.h"

namespace kakikomi {
namespace {

// A paragraph of ordinary Japanese, long enough for detection to be sure.
const char kJapanese[] =
    "お名前と住所を入力してください。郵便番号、電話番号、メールアドレスは必須です。"
    "生年月日と性別を選んでから、送信ボタンを押してください。";

std::string Encode(const std::string& utf8, const char* encoding) {
  if (std::string(encoding) == "CP932") return Utf8ToSjis(utf8);
  // EUC-JP shares JIS X 0208 with Shift_JIS: convert byte pairs arithmetically.
  const std::string sjis = Utf8ToSjis(utf8);
  std::string out;
  for (size_t i = 0; i < sjis.size(); ++i) {
    unsigned char c1 = sjis[i];
    if (!IsLeadByte(c1) || i + 1 >= sjis.size()) {
      out += static_cast<char>(c1);
      continue;
    }
    unsigned char c2 = sjis[++i];
    int row = (c1 <= 0x9F ? c1 - 0x71 : c1 - 0xB1) * 2 + 1;
    int cell;
    if (c2 >= 0x9F) {
      ++row;
      cell = c2 - 0x7E;
    } else {
      cell = c2 - (c2 >= 0x80 ? 0x20 : 0x1F);
    }
    out += static_cast<char>(row + 0x80);
    out += static_cast<char>(cell + 0x80);
  }
  return out;
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  const char* encoding;
  const char* source;
};

TEST(HtmlDecodingTest, PicksTheEncodingLikeABrowser) {
  const std::string text = kJapanese;
  const DecodeCase cases[] = {
      {"utf8 bom", "\xEF\xBB\xBF<p>" + text, "UTF-8", "bom"},
      {"bom beats meta", "\xEF\xBB\xBF<meta charset=shift_jis><p>" + text, "UTF-8", "bom"},
      {"meta charset", "<meta charset=\"Shift_JIS\"><p>" + Encode(text, "CP932"), "CP932", "meta"},
      {"meta http-equiv",
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=x-sjis\"><p>" +
           Encode(text, "CP932"),
       "CP932", "meta"},
      {"content without http-equiv is no declaration",
       "<meta content=\"text/html; charset=euc-jp\"><p>" + Encode(text, "CP932"), "CP932",
       "detected"},
      {"meta euc-jp", "<meta charset=euc-jp><p>" + Encode(text, "EUC-JP"), "EUC-JP-MS", "meta"},
      {"meta after a long comment",
       "<!--" + std::string(3000, '-') + "--><html><head><meta charset=utf-8></head><p>" + text,
       "UTF-8", "meta"},
      {"meta after a long title and script",
       "<!--" + std::string(1200, '-') + "--><title>" + text +
           "</title><script>a = '<p>';</script>" + "<meta charset=euc-jp><p>" +
           Encode(text, "EUC-JP"),
       "EUC-JP-MS", "meta"},
      {"meta in the body is too late",
       "<html><body>" + std::string(2000, 'x') + "<meta charset=euc-jp>" + Encode(text, "CP932"),
       "CP932", "detected"},
      {"undeclared shift_jis", "<p>" + Encode(text, "CP932"), "CP932", "detected"},
      {"undeclared euc-jp", "<p>" + Encode(text, "EUC-JP"), "EUC-JP-MS", "detected"},
      {"undeclared utf-8", "<p>" + text, "UTF-8", "detected"},
      {"unknown label falls back to detection", "<meta charset=klingon><p>" + text, "UTF-8",
       "detected"},
  };
  for (const DecodeCase& c : cases) {
    const DecodedPage page = DecodeHtmlBytes(c.bytes);
    EXPECT_EQ(page.encoding, c.encoding) << c.name;
    EXPECT_EQ(page.source, c.source) << c.name;
    EXPECT_NE(page.utf8.find(text), std::string::npos) << c.name;
  }
}

TEST(HtmlDecodingTest, ShortUndeclaredJapaneseIsStillReadRight) {
  // Too short for the detector, which guesses a Western code page.
  for (const char* word : {"東京", "お名前", "ｺﾝﾋﾟｭｰﾀ お名前"}) {
    const DecodedPage sjis = DecodeHtmlBytes("<p>" + Encode(word, "CP932") + "</p>");
    EXPECT_EQ(sjis.encoding, "CP932") << word;
    EXPECT_EQ(sjis.utf8, std::string("<p>") + word + "</p>");
  }
  for (const char* word : {"東京", "お名前"}) {
    const DecodedPage euc = DecodeHtmlBytes("<p>" + Encode(word, "EUC-JP") + "</p>");
    EXPECT_EQ(euc.encoding, "EUC-JP-MS") << word;
    EXPECT_EQ(euc.utf8, std::string("<p>") + word + "</p>");
  }
}

TEST(HtmlDecodingTest, InvalidBytesBecomeReplacementCharacters) {
  // A lead byte followed by a byte no Shift_JIS character has, and a lead
  // byte cut off by the end of the file.
  const DecodedPage page = DecodeHtmlBytes(
      "<meta charset=shift_jis>a\x81\x20"
      "b\x82");
  EXPECT_EQ(page.utf8, "<meta charset=shift_jis>a\xEF\xBF\xBD b\xEF\xBF\xBD");
  const DecodedPage utf8 = DecodeHtmlBytes("<meta charset=utf-8>\xC3(\xFF");
  EXPECT_EQ(utf8.utf8, "<meta charset=utf-8>\xEF\xBF\xBD(\xEF\xBF\xBD");
}

TEST(HtmlDecodingTest, LabelsMapToDecoders) {
  const std::pair<const char*, const char*> cases[] = {
      {"Shift_JIS", "CP932"},
      {" windows-31j ", "CP932"},
      {"MS_Kanji", "CP932"},
      {"EUC-JP", "EUC-JP-MS"},
      {"utf8", "UTF-8"},
      {"iso-8859-1", "CP1252"},
      {"ISO-2022-JP", "ISO-2022-JP"},
      {"no-such-thing", ""},
      {"utf-32", ""},
      {"koi8-r", "koi8-r"},
      {"", ""},
  };
  for (const auto& [label, encoding] : cases) EXPECT_EQ(EncodingForLabel(label), encoding) << label;
}

}  // namespace
}  // namespace kakikomi
