#include "engine/data/profile_json.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/reg_read.h"

namespace kakikomi {
namespace {

TEST(ProfileJsonTest, ExampleProfileDerives) {
  std::ifstream in(std::string(HAKOBUNE_SOURCE_DIR) + "/examples/profile.json");
  ASSERT_TRUE(in);
  std::stringstream text;
  text << in.rdbuf();

  CMainData main;
  main.UserNumber = 4;
  main.UserNum = 3;
  std::string error;
  ASSERT_TRUE(ReadProfileJson(text.str(), &main, &error)) << error;
  EXPECT_EQ(main.UserNumber, 0);
  EXPECT_EQ(main.UserNum, 0);
  EXPECT_EQ(main.User[0].BirthYear, 92);  // the list position of 1990

  FakeClock clock({2026, 12, 10});
  ScopedClock scoped(&clock);
  CData data;
  CFormInputEng::ReadData(&data);
  CRegRead::GetPrivateData(&main, 0, &data);
  CRegRead::SetPrivateData(&main, 0, &data);
  CRegRead::SetSetting(&main, &data);
  EXPECT_EQ(SjisToUtf8(data.NameKanji), "山田　花子");
  EXPECT_EQ(SjisToUtf8(data.NameKatakana), "ヤマダ　ハナコ");
  EXPECT_EQ(SjisToUtf8(data.Address), "東京都千代田区千代田1-1　");
  EXPECT_EQ(data.MailAddress, "hanako@example.jp");
  EXPECT_EQ(data.Year, 1990);
  EXPECT_EQ(data.Age, 36);
  EXPECT_EQ(data.BirthDate, "1990/04/09");
  EXPECT_EQ(data.SexIndex, 1);
  EXPECT_EQ(data.ZipNoHyphen, 1);
}

TEST(ProfileJsonTest, YearAsPositionOrFourDigits) {
  struct Case {
    const char* json;
    int position;
  };
  const Case cases[] = {{R"({"BirthYear": 1969})", 70},
                        {R"({"BirthYear": 1970})", 72},
                        {R"({"BirthYear": 2025})", 127},
                        {R"({"BirthYear": 75})", 75},
                        {R"({"BirthYear": 0})", 0}};
  for (const Case& c : cases) {
    CMainData main;
    std::string error;
    ASSERT_TRUE(ReadProfileJson(c.json, &main, &error)) << c.json << error;
    EXPECT_EQ(main.User[0].BirthYear, c.position) << c.json;
  }
}

TEST(ProfileJsonTest, BadInputIsRejectedAndChangesNothing) {
  const char* cases[] = {
      "",
      "{",
      "[1, 2]",
      R"({"SeiKanji": 5})",
      R"({"Sex": "2"})",
      R"({"Sex": 1.5})",
      R"({"Sex": 99999999999})",
      R"({"Nickname": "x"})",
      R"({"SetInputBirth": 7})",
      R"({"Setting2": -1})",
      R"({"SeiKanji": "山田", "Unknown": 1})",
  };
  for (const char* json : cases) {
    CMainData main;
    main.User[0].SeiKanji = "before";
    main.UserNumber = 3;
    main.SetInputBirth = 2;
    std::string error;
    EXPECT_FALSE(ReadProfileJson(json, &main, &error)) << json;
    EXPECT_FALSE(error.empty()) << json;
    EXPECT_EQ(error.find('\n'), std::string::npos) << json;
    EXPECT_EQ(main.User[0].SeiKanji, "before") << json;
    EXPECT_EQ(main.UserNumber, 3) << json;
    EXPECT_EQ(main.SetInputBirth, 2) << json;
  }
}

TEST(ProfileJsonTest, SettingsOnlyWhenGiven) {
  CMainData main;
  std::string error;
  ASSERT_TRUE(ReadProfileJson(R"({"Setting3": 0, "SetInputBirth": 5})", &main, &error));
  EXPECT_EQ(main.Setting2, 1);
  EXPECT_EQ(main.Setting3, 0);
  EXPECT_EQ(main.SetInputBirth, 5);
}

}  // namespace
}  // namespace kakikomi
