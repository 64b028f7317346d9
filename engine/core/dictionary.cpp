#include "engine/core/dictionary.h"

#include <variant>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"

namespace kakikomi {

int WordTable::FirstContainedIn(const std::string& text) const {
  for (size_t i = 0; i < words.size() && i <= last; ++i)
    if (Contains(text, words[i])) return static_cast<int>(i);
  return -1;
}

namespace {

// One table as stored: where it goes, its last-index byte and its entries.
// Words are UTF-8 here and become CP932 when loaded.
struct WordSource {
  WordTable Dictionary::*table;
  uint8_t last;
  std::vector<const char*> words;
};
struct ByteSource {
  ByteTable Dictionary::*table;
  uint8_t last;
  std::vector<int8_t> values;
};
using TableSource = std::variant<WordSource, ByteSource>;

// PrefectureSuffixKinds: 0 no suffix (北海道), 1 県, 2 都 (東京), 3 府 (京都, 大阪).
// PrefectureRegions: the RegionNames slot of each prefecture; slot 0 (empty)
// stands for 北海道.
// MobileMailDomains: the three main carriers, the nine regional domains of
// one further carrier, then one smaller carrier.
// EraNames ends with 令和 so that births from 2019-05-01 get their own era.
const std::vector<TableSource>& TableSources() {
  static const std::vector<TableSource> sources = {
      WordSource{
          &Dictionary::PrefectureNames,
          46,
          {"北海道", "青森", "岩手", "宮城",   "秋田", "山形",   "福島", "茨城", "栃木", "群馬",
           "埼玉",   "千葉", "東京", "神奈川", "新潟", "富山",   "石川", "福井", "山梨", "長野",
           "岐阜",   "静岡", "愛知", "三重",   "滋賀", "京都",   "大阪", "兵庫", "奈良", "和歌山",
           "鳥取",   "島根", "岡山", "広島",   "山口", "徳島",   "香川", "愛媛", "高知", "福岡",
           "佐賀",   "長崎", "熊本", "大分",   "宮崎", "鹿児島", "沖縄"}},
      WordSource{&Dictionary::PrefectureLabelWords, 1, {"都道府県", "県名"}},
      WordSource{&Dictionary::PrefectureAttrWords, 3, {"todouhu", "todohu", "todoufu", "todofu"}},
      ByteSource{&Dictionary::PrefectureSuffixKinds,
                 46,
                 {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                  1, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      WordSource{&Dictionary::AddressLabelWords, 0, {"住所"}},
      WordSource{&Dictionary::AddressAttrWords,
                 5,
                 {"jyusyo", "jyuusyo", "juusho", "jyuusyo", "jusyo", "jusho"}},
      WordSource{&Dictionary::AddressRestWords, 1, {"住所", "以降"}},
      WordSource{&Dictionary::CityLabelWords, 2, {"市", "区", "郡"}},
      WordSource{&Dictionary::CityAttrWords, 0, {"city"}},
      WordSource{&Dictionary::TownLabelWords, 1, {"町", "村"}},
      WordSource{&Dictionary::TownAttrWords, 0, {"town"}},
      WordSource{&Dictionary::TownAreaWords, 3, {"字", "町域", "丁名", "以降"}},
      WordSource{&Dictionary::BanchiLabelWords, 0, {"番地"}},
      WordSource{&Dictionary::BuildingLabelWords,
                 6,
                 {"建物", "アパート", "ｱﾊﾟｰﾄ", "ビル", "ﾋﾞﾙ", "マンション", "ﾏﾝｼｮﾝ"}},
      WordSource{&Dictionary::BuildingAttrWords, 0, {"apart"}},
      WordSource{&Dictionary::SexNames, 1, {"男", "女"}},
      WordSource{&Dictionary::SexLabelWords, 0, {"性別"}},
      WordSource{&Dictionary::SexAttrWords, 0, {"sex"}},
      WordSource{&Dictionary::FullWidthDigits,
                 9,
                 {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"}},
      WordSource{&Dictionary::BirthLabelWords,
                 5,
                 {"生年", "誕生日", "生まれ", "たんじょうび", "西暦", "誕生暦"}},
      WordSource{
          &Dictionary::BirthAttrWords, 5, {"byear", "bmon", "birth", "tanjo", "b_year", "b_mon"}},
      WordSource{&Dictionary::CenturyDigitsA, 3, {"19", "１９", "20", "２０"}},
      WordSource{&Dictionary::EraNames, 4, {"明治", "大正", "昭和", "平成", "令和"}},
      WordSource{&Dictionary::CenturyDigitsB, 3, {"19", "１９", "20", "２０"}},
      WordSource{&Dictionary::DecadeYears,
                 21,
                 {"1920",     "1930",     "1940",     "1950",     "1960",     "1970",
                  "1980",     "1990",     "2000",     "2010",     "2020",     "１９２０",
                  "１９３０", "１９４０", "１９５０", "１９６０", "１９７０", "１９８０",
                  "１９９０", "２０００", "２０１０", "２０２０"}},
      WordSource{&Dictionary::DecadeShortYears,
                 19,
                 {"90",   "80",   "70",   "60",   "50",   "40",   "30",   "20",   "10",   "00",
                  "９０", "８０", "７０", "６０", "５０", "４０", "３０", "２０", "１０", "００"}},
      WordSource{&Dictionary::TwoFiveDigits, 3, {"2", "２", "5", "５"}},
      WordSource{&Dictionary::SixtyDigits, 1, {"60", "６０"}},
      WordSource{&Dictionary::TwelveDigitsA, 1, {"12", "１２"}},
      WordSource{&Dictionary::TwelveDigitsB, 1, {"12", "１２"}},
      WordSource{&Dictionary::AgeStepDigitsA,
                 17,
                 {"32", "40", "50", "60", "70", "80", "90", "３２", "４０", "５０", "６０", "７０",
                  "８０", "９０", "13", "20", "１３", "２０"}},
      WordSource{&Dictionary::AgeStepDigitsB,
                 13,
                 {"32", "40", "50", "60", "70", "80", "90", "３２", "４０", "５０", "６０", "７０",
                  "８０", "９０"}},
      WordSource{&Dictionary::ZodiacKanaNames,
                 11,
                 {"やぎ", "みずがめ", "うお", "おひつじ", "おうし", "ふたご", "かに", "しし",
                  "おとめ", "てんびん", "さそり", "いて"}},
      WordSource{&Dictionary::ZodiacKanjiNames,
                 11,
                 {"山羊", "水瓶", "魚", "牡羊", "牡牛", "双子", "蟹", "獅子", "乙女", "天秤", "蠍",
                  "射手"}},
      WordSource{&Dictionary::BloodTypeNames, 7, {"A", "B", "O", "AB", "Ａ", "Ｂ", "Ｏ", "ＡＢ"}},
      WordSource{
          &Dictionary::BloodTypeLowerNames, 7, {"a", "b", "o", "ab", "ａ", "ｂ", "ｏ", "ａｂ"}},
      WordSource{&Dictionary::JobLabelWords, 0, {"職業"}},
      WordSource{&Dictionary::JobNames,
                 10,
                 {"会社役員", "員社員会", "営自業", "公務員", "団体職員", "専門職", "パート",
                  "アルバイト", "主婦", "学生", "無職"}},
      WordSource{&Dictionary::JobAltNames,
                 10,
                 {"会社経営", "****", "個人事業", "****", "****", "****", "ﾊﾟｰﾄ", "ニート", "****",
                  "****", "****"}},
      WordSource{&Dictionary::IndustryNames,
                 17,
                 {"製造", "商社", "流通", "金融", "保険", "運輸", "不動産", "コンサル", "医療",
                  "コンピュータ", "マスコミ", "建設", "通信", "電力", "公共", "サービス業", "教育",
                  "農林水"}},
      WordSource{
          &Dictionary::IndustryAltNames,
          17,
          {"****", "****", "小売", "証券", "損保", "倉庫", "****", "****", "医薬品", "ソフトウェア",
           "テレビ", "設備", "****", "ガス", "官庁", "****", "学校", "農業"}},
      WordSource{&Dictionary::JobTypeNames,
                 10,
                 {"営業", "販売", "製造", "技術", "開発", "企画", "経理", "宣伝", "マーケティング",
                  "システム", "事務"}},
      WordSource{&Dictionary::JobTypeAltNames,
                 10,
                 {"****", "****", "****", "****", "****", "****", "人事", "広報", "調査",
                  "プログラマ", "****"}},
      WordSource{&Dictionary::AgeLabelWords, 3, {"年齢", "年代", "年令", "歳"}},
      WordSource{&Dictionary::AgeAttrWords, 2, {"age", "old", "nenrei"}},
      WordSource{
          &Dictionary::MobileMailDomains,
          12,
          {"docomo.ne.jp", "ezweb.ne.jp", "softbank.ne.jp", "d.vodafone.ne.jp", "h.vodafone.ne.jp",
           "t.vodafone.ne.jp", "c.vodafone.ne.jp", "r.vodafone.ne.jp", "k.vodafone.ne.jp",
           "n.vodafone.ne.jp", "s.vodafone.ne.jp", "q.vodafone.ne.jp", "pdx.ne.jp"}},
      WordSource{&Dictionary::RegionNames,
                 9,
                 {"", "東北", "関東", "信越", "北陸", "東海", "近畿", "中国", "四国", "九州"}},
      ByteSource{&Dictionary::PrefectureRegions,
                 46,
                 {0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 4, 4, 4, 2, 3, 5, 5, 5, 5,
                  6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 9, 9, 9, 9, 9, 9, 9, 9}},
      WordSource{&Dictionary::MarriedWords, 0, {"既婚"}},
      WordSource{&Dictionary::UnmarriedWords, 1, {"未婚", "独身"}},
      WordSource{&Dictionary::NickNameLabelWords,
                 5,
                 {"ハンドル", "ﾊﾝﾄﾞﾙ", "ペンネーム", "ﾍﾟﾝﾈｰﾑ", "ニックネーム", "ﾆｯｸﾈｰﾑ"}},
      WordSource{&Dictionary::NickNameAttrWords, 3, {"handle", "penname", "nick", "player"}},
      WordSource{&Dictionary::RomajiLabelWords, 1, {"ローマ字", "ﾛｰﾏ字"}},
      WordSource{
          &Dictionary::HiraganaLabelWords, 4, {"ふりがな", "よみがな", "かな", "ひらがな", "よみ"}},
      WordSource{&Dictionary::KanaAttrWords, 3, {"yomi", "huri", "furi", "kana"}},
      WordSource{&Dictionary::KatakanaLabelWords,
                 6,
                 {"フリガナ", "ﾌﾘｶﾞﾅ", "ヨミガナ", "ﾖﾐｶﾞﾅ", "カタカナ", "ｶﾀｶﾅ", "カナ"}},
      WordSource{&Dictionary::NameLabelWords,
                 10,
                 {"お名前", "名前", "おなまえ", "なまえ", "氏名", "漢字", "申込者", "客様名",
                  "姓名", "本名", "担当者"}},
      WordSource{&Dictionary::NameAttrWords,
                 6,
                 {"kanji", "username", "user_name", "lname", "last_n", "l_name", "lastname"}},
      WordSource{
          &Dictionary::SeiMeiPairs,
          24,
          {"姓",       "名",      "せい",     "めい",   "セイ",  "メイ",   "sei",    "mei",
           "氏",       "名",      "名字",     "名前",   "kana1", "kana2",  "name1",  "name2",
           "みょうじ", "なまえ",  "ミョウジ", "ナマエ", "lname", "fname",  "l_name", "f_name",
           "last_n",   "first_n", "せい",     "な",     "セイ",  "ナ",     "し",     "めい",
           "シ",       "メイ",    "性",       "名",     "lastn", "firstn", "ｾｲ",     "ﾒｲ",
           "ﾐｮｳｼﾞ",    "ﾅﾏｴ",     "ｾｲ",       "ﾅ",      "ｼ",     "ﾒｲ",     "lastn",  "firstn",
           "姓",       "氏"}},
      WordSource{&Dictionary::ZipLabelWords, 1, {"郵便番号", "〒"}},
      WordSource{&Dictionary::ZipAttrWords, 4, {"zip", "ｚｉｐ", "yubin", "yuubin", "post"}},
      WordSource{&Dictionary::TelLabelWords, 4, {"電話", "連絡先", "ｔｅｌ", "tel", "phone"}},
      WordSource{
          &Dictionary::DaytimeContactWords,
          4,
          {"緊急連絡先", "昼間の連絡先", "日中の連絡先", "昼間のご連絡先", "日中のご連絡先"}},
      WordSource{&Dictionary::FaxLabelWords, 3, {"ファックス", "ﾌｧｯｸｽ", "ｆａｘ", "fax"}},
      WordSource{&Dictionary::MobileLabelWords, 3, {"携帯電話", "携帯", "モバイル", "ﾓﾊﾞｲﾙ"}},
      WordSource{&Dictionary::MobilePrefixWords,
                 17,
                 {"携帯", "携帯の", "携帯電話", "携帯電話の", "モバイル", "ﾓﾊﾞｲﾙ", "端末", "端末の",
                  "端末用", "端末用の", "携帯用", "携帯用の", "モバイルの", "ﾓﾊﾞｲﾙの", "phs",
                  "phsの", "ｐｈｓ", "ｐｈｓの"}},
      WordSource{&Dictionary::MailLabelWords, 3, {"メール", "ﾒｰﾙ", "ｍａｉｌ", "mail"}},
      WordSource{&Dictionary::RefusalWords, 4, {"不可", "ません", "除く", "以外", "遠慮"}},
      WordSource{&Dictionary::MailAddressLabelWords,
                 13,
                 {"メールアドレス", "ﾒｰﾙｱﾄﾞﾚｽ", "アドレス", "ｱﾄﾞﾚｽ", "メール", "ﾒｰﾙ", "ｍａｉｌ",
                  "mail", "ｅ-ｍ", "e-m", "ｅ－ｍ", "e－m", "ｅーｍ", "eーm"}},
      WordSource{&Dictionary::ConfirmWords, 4, {"確認", "再度", "再び", "再入力", "もう一度"}},
      WordSource{&Dictionary::CommentWords,
                 5,
                 {"感想", "メッセージ", "ﾒｯｾｰｼﾞ", "コメント", "ｺﾒﾝﾄ", "一言"}},
      WordSource{&Dictionary::OpinionWords, 1, {"意見", "要望"}},
      WordSource{&Dictionary::LoginWords,
                 7,
                 {"ログイン", "ﾛｸﾞｲﾝ", "ｕｓｅｒｎａｍｅ", "username", "ｌｏｇｉｎ", "login",
                  "ｉｄ", "id"}},
      WordSource{
          &Dictionary::HtmlEntityWords, 5, {"&nbsp;", "&lt;", "&gt;", "&quot;", "&amp;", "&nbsp;"}},
      WordSource{&Dictionary::HyphenChars, 5, {"-", "－", "ー", "―", "─", "‐"}},
      WordSource{&Dictionary::RangeMarks, 7, {"～", "から", "-", "－", "ー", "―", "─", "‐"}},
      WordSource{&Dictionary::SkipLabelWords,
                 41,
                 {"希望",     "相談",       "質問",   "紹介",       "目的",   "問い合わ",
                  "問合",     "備考",       "名称",   "人数",       "俳句",   "川柳",
                  "短歌",     "標語",       "職歴",   "学歴",       "学年",   "合言葉",
                  "回答",     "解答",       "答え",   "クイズ",     "ｸｲｽﾞ",   "プレゼント",
                  "ﾌﾟﾚｾﾞﾝﾄ",  "アンケート", "ｱﾝｹｰﾄ",  "キーワード", "ｷｰﾜｰﾄﾞ", "ホームページ",
                  "ﾎｰﾑﾍﾟｰｼﾞ", "ブログ",     "ﾌﾞﾛｸﾞ",  "暗証番号",   "会社",   "駅",
                  "保護者",   "認証",       "ルマガ", "パスワード", "勤務",   "ヒント"}},
      WordSource{&Dictionary::MobileSiteWords, 3, {"携帯スト", "携帯ｽﾄ", "携帯版", "携帯サイト"}},
      WordSource{&Dictionary::MagazineWords, 1, {"マガ", "ﾏｶﾞ"}},
      WordSource{&Dictionary::CountLabelWords, 0, {"数"}},
      WordSource{&Dictionary::CountAttrWords, 0, {"num"}},
      WordSource{&Dictionary::KanaFalseWords,
                 6,
                 {"かな。", "豊かな", "かない", "なかなか", "さかな", "らかな", "かなり"}},
      WordSource{
          &Dictionary::ParticleChars, 8, {"が", "と", "に", "で", "な", "へ", "も", "や", "の"}},
      WordSource{
          &Dictionary::NotPersonNameWords,
          31,
          {"サイト",     "ｻｲﾄ",        "ユーザー", "ﾕｰｻﾞｰ", "ユーザ", "ﾕｰｻﾞ",   "ページ", "ﾍﾟｰｼﾞ",
           "わんちゃん", "ワンちゃん", "犬",       "いぬ",  "猫",     "ねこ",   "ペット", "国",
           "法人",       "社",         "会社",     "企業",  "団体",   "部",     "科",     "校",
           "職",         "品",         "友人",     "友達",  "紹介者", "メール", "会社",   "店"}},
  };
  return sources;
}

}  // namespace

void CFormInputEng::ReadData(CData* data) {
  EngineLimits& limits = *data;
  limits.MaxFrames = 20;
  limits.MaxSelects = 30;
  limits.MaxRadios = 1000;
  limits.MaxTexts = 60;
  limits.MaxEmails = 9;
  limits.MaxTels = 30;
  limits.MaxCheckboxes = 1000;
  limits.MaxPasswords = 5;
  limits.MaxTextAreas = 20;
  limits.MaxElements = 1500;

  Dictionary& dictionary = *data;
  for (const TableSource& source : TableSources()) {
    if (const auto* words = std::get_if<WordSource>(&source)) {
      WordTable& table = dictionary.*(words->table);
      table.words.clear();
      for (const char* word : words->words) table.words.push_back(Utf8ToSjis(word));
      table.last = words->last;
    } else {
      const auto& bytes = std::get<ByteSource>(source);
      ByteTable& table = dictionary.*(bytes.table);
      table.values = bytes.values;
      table.last = bytes.last;
    }
  }
}

}  // namespace kakikomi
