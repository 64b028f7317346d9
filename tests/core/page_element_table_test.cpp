#include "engine/core/page_element_table.h"

#include <gtest/gtest.h>

#include "engine/core/form_input_eng.h"
#include "tests/fakes/fake_document.h"

namespace kakikomi {
namespace {

using fakes::FakeDocument;

class CollectTest : public ::testing::Test {
 protected:
  CollectTest() { CFormInputEng::ReadData(&data_); }

  std::unique_ptr<PageElementTable> Collect(std::shared_ptr<FakeDocument> document) {
    auto table = std::make_unique<PageElementTable>();
    table->Collect(data_, std::move(document));
    return table;
  }
  CData data_;
};

TEST_F(CollectTest, EachKindStopsAtItsLimitAndLaterControlsGetNoPosition) {
  struct Case {
    const char* type;
    int offered;
    int collected;
  };
  const Case cases[] = {
      {"text", 59, 58},   {"email", 10, 9},      {"tel", 31, 30},
      {"password", 6, 5}, {"radio", 1001, 1000},
  };
  for (const Case& c : cases) {
    auto document = std::make_shared<FakeDocument>();
    auto& form = document->AddForm();
    for (int i = 0; i < c.offered; ++i) form.Input(c.type, "f" + std::to_string(i));
    form.Input("submit", "go");
    auto table = Collect(document);
    EXPECT_EQ(table->PositionCount, c.collected + 1) << c.type;
    EXPECT_EQ(table->ElementKinds[c.collected], kKindOtherInput) << c.type;
    EXPECT_EQ(table->ElementKinds[c.collected + 1], kKindEnd) << c.type;
  }
}

TEST_F(CollectTest, SelectsAndTextareasHaveTheirOwnLimits) {
  auto document = std::make_shared<FakeDocument>();
  auto& form = document->AddForm();
  for (int i = 0; i < 33; ++i) form.Add(ControlTag::kSelect, "", "s" + std::to_string(i));
  for (int i = 0; i < 21; ++i) form.Add(ControlTag::kTextArea, "", "t" + std::to_string(i));
  auto table = Collect(document);
  EXPECT_EQ(table->SelectCount, 30);
  EXPECT_EQ(table->TextAreaCount, 20);
  EXPECT_EQ(table->SelectNames[29], "s29");
  EXPECT_EQ(table->TextAreaPositions[0], 30);
}

TEST_F(CollectTest, KindsFollowTheReportedTypeExactly) {
  auto document = std::make_shared<FakeDocument>();
  auto& form = document->AddForm();
  form.Input("hidden", "token");
  form.Input("text", "sei");
  form.Input("Text", "odd");  // a type in other letter case is not a text box
  form.Input("submit", "go");
  form.Input("radio", "sex", "1");
  form.Input("checkbox", "news", "yes");
  form.Add(ControlTag::kOther, "", "fieldset");
  auto table = Collect(document);
  const int8_t expected[] = {kKindText,  kKindOtherInput, kKindOtherInput,
                             kKindRadio, kKindCheckbox,   kKindEnd};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(table->ElementKinds[i], expected[i]) << i;
  EXPECT_EQ(table->KindIndex[0], 0);
  EXPECT_EQ(table->KindIndex[1], -1);
  EXPECT_EQ(table->TextNames[0], "sei");
  EXPECT_EQ(table->RadioValues[0], "1");
  EXPECT_EQ(table->CheckboxNames[0], "news");
}

TEST_F(CollectTest, PositionsContinueAcrossFormsAndStopAtTheElementLimit) {
  auto document = std::make_shared<FakeDocument>();
  auto& first = document->AddForm();
  for (int i = 0; i < 900; ++i) first.Input("checkbox", "c");
  auto& second = document->AddForm();
  for (int i = 0; i < 700; ++i) second.Input("radio", "r");
  auto table = Collect(document);
  EXPECT_EQ(table->CheckboxCount, 900);
  EXPECT_EQ(table->RadioCount, 600);
  EXPECT_EQ(table->RadioPositions[0], 900);
  EXPECT_EQ(table->PositionCount, 1500);
  EXPECT_EQ(table->ElementKinds[1500], kKindEnd);
}

TEST_F(CollectTest, TextAttributesAndPageTextAreRead) {
  auto document = std::make_shared<FakeDocument>();
  document->body = "<FORM><INPUT name=zip maxLength=3 size=4></FORM>";
  auto& box = document->AddForm().Input("text", "zip");
  box.max_length = 3;
  box.size = 4;
  auto table = Collect(document);
  EXPECT_EQ(table->TextMaxLength[0], 3);
  EXPECT_EQ(table->TextSize[0], 4);
  EXPECT_EQ(table->PageText, document->body);
}

TEST_F(CollectTest, AnEmptyDocumentStillKeepsItsText) {
  auto document = std::make_shared<FakeDocument>();
  document->body = "<P>no form</P>";
  auto table = Collect(document);
  EXPECT_EQ(table->PositionCount, 0);
  EXPECT_EQ(table->ElementKinds[0], kKindEnd);
  EXPECT_EQ(table->PageText, "<P>no form</P>");
}

TEST(PageElementTable, FormEndResetsOnlyThePerFormState) {
  PageElementTable table;
  EXPECT_EQ(table.SelectChoice[0], -1);
  EXPECT_EQ(table.TextAreaSlot[18], -1);
  EXPECT_EQ(table.EraInOptions, 0xFF);
  table.SexDone = table.ZipDone = 1;
  table.AddressDone[2] = 1;
  table.TextAreaSlot[3] = 2;
  table.RadioAgeGroup = "age";
  table.LastJobCheckbox = 4;
  table.RadioGroupName = "sex";
  table.SelectChoice[0] = 5;
  table.LastFieldCode = 2010;
  table.CityInPrevious = 1;
  table.ResetFormState();
  EXPECT_EQ(table.SexDone + table.ZipDone + table.AddressDone[2], 0);
  EXPECT_EQ(table.TextAreaSlot[3], -1);
  EXPECT_EQ(table.RadioAgeGroup, "");
  EXPECT_EQ(table.LastJobCheckbox, -1);
  // Recorded picks and cross-form state stay.
  EXPECT_EQ(table.RadioGroupName, "sex");
  EXPECT_EQ(table.SelectChoice[0], 5);
  EXPECT_EQ(table.LastFieldCode, 2010);
  EXPECT_EQ(table.CityInPrevious, 1);
}

}  // namespace
}  // namespace kakikomi
