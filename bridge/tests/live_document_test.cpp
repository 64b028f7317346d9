#include "bridge/live_document.h"

#include <gtest/gtest.h>

#include "bridge/tests/fake_browser.h"
#include "engine/base/clock.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;
using testing::Child;
using testing::Control;
using testing::FakeBrowser;
using testing::Snapshot;

class LiveDocumentTest : public ::testing::Test {
 protected:
  LiveDocumentTest() : clock_scope_(&clock_) { CFormInputEng::ReadData(&data_); }

  // A frame with one form of one text box and the given children.
  void AddFrame(int id, json children = json::array(), int polls_until_complete = 0) {
    browser_.frames[id].snapshot =
        Snapshot({{Control("input", "text", "f" + std::to_string(id))}}, std::move(children));
    browser_.frames[id].polls_until_complete = polls_until_complete;
  }

  void RunMain() {
    LiveDocumentView view(&browser_);
    CFormInputEng::Main(&view, &data_);
  }

  FakeClock clock_;
  ScopedClock clock_scope_;
  CData data_;
  FakeBrowser browser_;
};

TEST_F(LiveDocumentTest, MainWalksTwoLevelsOfFramesAndNeverTheThird) {
  AddFrame(0, {Child(1), {{"browser", false}, {"frameId", -1}}, Child(2)});
  AddFrame(1, {Child(3)});
  AddFrame(2);  // a cross-origin inline frame is a frame like any other
  AddFrame(3, {Child(4)});
  AddFrame(4);
  RunMain();

  for (int frame : {0, 1, 2, 3}) EXPECT_EQ(browser_.CountOf("snapshot", frame), 1) << frame;
  EXPECT_EQ(browser_.CountOf("readyState", 4), 0);
  EXPECT_EQ(browser_.CountOf("snapshot", 4), 0);
}

TEST_F(LiveDocumentTest, AFrameThatNeverLoadsEndsTheFillWithinAboutAMinute) {
  AddFrame(0, {Child(1), Child(2)});
  AddFrame(1, json::array(), 1 << 30);
  AddFrame(2);
  RunMain();

  EXPECT_EQ(browser_.CountOf("readyState", 1), 602);
  EXPECT_EQ(browser_.CountOf("readyState", 2), 0);  // frames after it are not looked at
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61'000);
}

TEST_F(LiveDocumentTest, AFrameThatStopsAnsweringIsNotAskedAgain) {
  AddFrame(0, {Child(1)});
  AddFrame(1);
  browser_.frames[1].answers = false;
  RunMain();

  EXPECT_EQ(browser_.CountOf("readyState", 1), 1);
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61'000);
}

TEST_F(LiveDocumentTest, AClosedTabEndsTheFillQuietly) {
  AddFrame(0);
  browser_.tab_open = false;
  RunMain();

  EXPECT_EQ(browser_.CountOf("snapshot", 0), 0);
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61'000);
}

TEST_F(LiveDocumentTest, WritesGoBackAsOneBatchWhenTheDocumentIsReleased) {
  browser_.frames[0].snapshot =
      Snapshot({{Control("input", "text", "name"), Control("select", "", "pref")},
                {Control("input", "checkbox", "agree", "on"), Control("other", "", "")}});
  {
    LiveDocumentView view(&browser_);
    std::shared_ptr<HtmlDocument> document = view.BrowserDocument();
    ASSERT_EQ(document->FormCount(), 2);
    HtmlForm* first = document->Form(0);
    HtmlForm* second = document->Form(1);
    ASSERT_EQ(second->Length(), 2);
    EXPECT_EQ(second->Item(0)->Value(), "on");
    EXPECT_EQ(second->Item(1)->Tag(), ControlTag::kOther);
    EXPECT_EQ(second->Item(2), nullptr);

    first->Item(0)->PutValue(Sjis("山田"));
    first->Item(1)->PutSelectedIndex(13);
    first->Item(1)->PutValue("ignored: a select takes no value");
    second->Item(0)->PutChecked();
    EXPECT_TRUE(browser_.writes.empty());  // nothing leaves before the document is done
  }
  ASSERT_EQ(browser_.writes.size(), 1u);
  const json& batch = browser_.writes[0];
  EXPECT_EQ(batch["frame"], 0);
  EXPECT_EQ(batch["token"], 7);
  EXPECT_EQ(batch["writes"], json::parse(R"([
      {"control": 0, "op": "value", "value": "山田"},
      {"control": 1, "op": "select", "index": 13},
      {"control": 2, "op": "check"}])"));
}

TEST_F(LiveDocumentTest, LargeWriteSetsAreSplitUnderTheMessageLimit) {
  browser_.max_request = 10'000;
  json controls = json::array();
  for (int i = 0; i < 51; ++i) controls.push_back(Control("textarea", "", "t"));
  browser_.frames[0].snapshot = Snapshot({controls});
  {
    LiveDocumentView view(&browser_);
    std::shared_ptr<HtmlDocument> document = view.BrowserDocument();
    HtmlForm* form = document->Form(0);
    for (int i = 0; i < 50; ++i) form->Item(i)->PutValue(std::string(1000, 'a' + i % 26));
    form->Item(50)->PutValue(std::string(20'000, 'z'));  // can never fit
  }
  ASSERT_GT(browser_.writes.size(), 1u);
  int next = 0;
  for (const json& batch : browser_.writes) {
    EXPECT_LE(batch.dump().size() + 32, browser_.max_request);  // with room for the id
    for (const json& write : batch["writes"]) EXPECT_EQ(write["control"], next++);
  }
  EXPECT_EQ(next, 50);
}

TEST_F(LiveDocumentTest, BodyTextAndNamesReachTheEngineAsCp932) {
  json body = json::parse(R"({"e": "body", "a": [], "c": [
      {"e": "p", "a": [["class", "x"]], "c": [{"t": "氏名"}]}]})");
  browser_.frames[0].snapshot =
      Snapshot({{Control("input", "text", "お名前")}}, json::array(), body);
  LiveDocumentView view(&browser_);
  std::shared_ptr<HtmlDocument> document = view.BrowserDocument();
  EXPECT_EQ(document->Form(0)->Item(0)->Name(), Sjis("お名前"));
  EXPECT_TRUE(Contains(document->BodyInnerHtml(), Sjis("氏名")));
}

TEST_F(LiveDocumentTest, AMalformedSnapshotCountsAsADocumentWithoutForms) {
  browser_.frames[0].snapshot = {{"readyState", "complete"}, {"forms", "none"}};
  LiveDocumentView view(&browser_);
  std::shared_ptr<HtmlDocument> document = view.BrowserDocument();
  EXPECT_EQ(document->FormCount(), -1);
  EXPECT_EQ(document->Form(0), nullptr);
  EXPECT_EQ(document->BodyInnerHtml(), "");
  EXPECT_TRUE(document->EmbeddedObjects().empty());
  EXPECT_EQ(browser_.CountOf("snapshot", 0), 1);  // asked once, not again
}

}  // namespace
}  // namespace kakikomi::bridge
