#include "engine/core/form_input_eng.h"

#include <gtest/gtest.h>

#include "engine/base/clock.h"
#include "engine/base/host.h"
#include "tests/fakes/fake_document.h"

namespace kakikomi {
namespace {

using fakes::FakeDocument;
using fakes::FakeView;

class RecordingHost : public Host {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string&) override { return false; }
  std::string ChooseSaveFile(const std::string&) override { return {}; }
  std::string ChooseOpenFile() override { return {}; }
  std::vector<std::string> messages;
};

class MainTest : public ::testing::Test {
 protected:
  MainTest() : clock_scope_(&clock_), host_scope_(&host_) { CFormInputEng::ReadData(&data_); }

  static std::shared_ptr<FakeDocument> WithForm(std::shared_ptr<FakeDocument> document) {
    document->AddForm().Input("text", "name");
    return document;
  }

  FakeClock clock_;
  RecordingHost host_;
  ScopedClock clock_scope_;
  ScopedHost host_scope_;
  CData data_;
};

TEST_F(MainTest, FillsATopDocumentThatHasAForm) {
  auto top = WithForm(std::make_shared<FakeDocument>(5));
  FakeView view(top);
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 1);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MainTest, SkipsDocumentsWithoutFormsAndFillsFramesThatHaveThem) {
  auto top = std::make_shared<FakeDocument>();
  auto with_form = top->AddFrame();
  WithForm(with_form);
  auto without_form = top->AddFrame();
  FakeView view(top);
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 0);
  EXPECT_EQ(with_form->body_reads, 1);
  EXPECT_EQ(without_form->body_reads, 0);
}

TEST_F(MainTest, TakesTheFirstTwentyFramesFirstLevelFirstAndNeverAThirdLevel) {
  auto top = std::make_shared<FakeDocument>();
  std::vector<std::shared_ptr<FakeDocument>> first, second;
  for (int i = 0; i < 3; ++i) first.push_back(WithForm(top->AddFrame()));
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 7; ++j) second.push_back(WithForm(first[i]->AddFrame()));
  auto third_level = WithForm(second[0]->AddFrame());
  FakeView view(top);
  CFormInputEng::Main(&view, &data_);

  for (const auto& frame : first) EXPECT_EQ(frame->body_reads, 1);
  int filled_second = 0;
  for (const auto& frame : second) filled_second += frame->body_reads;
  EXPECT_EQ(filled_second, 17);          // 20 frames in all
  EXPECT_EQ(second[16]->body_reads, 1);  // in the order found
  EXPECT_EQ(second[17]->body_reads, 0);
  EXPECT_EQ(third_level->body_reads, 0);
}

TEST_F(MainTest, ObjectsThatAreNotBrowsersOrHoldNoDocumentAreSkipped) {
  auto top = WithForm(std::make_shared<FakeDocument>());
  auto plugin = WithForm(std::make_shared<FakeDocument>(-1));
  top->objects.push_back({false, plugin});
  top->objects.push_back({true, nullptr});
  FakeView view(top);
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 1);
  EXPECT_EQ(plugin->ready_state_polls, 0);  // never polled
}

TEST_F(MainTest, AFrameThatNeverCompletesFillsNothingAfterAboutAMinute) {
  auto top = WithForm(std::make_shared<FakeDocument>());
  auto stuck = top->AddFrame(-1);
  auto later = WithForm(top->AddFrame());
  FakeView view(top);
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 0);
  EXPECT_EQ(later->ready_state_polls, 0);  // the enumeration stopped at the stuck frame
  EXPECT_EQ(stuck->ready_state_polls, 602);
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61000);
}

TEST_F(MainTest, AViewThatNeverAnswersIsGivenUpAfterAboutAMinute) {
  auto top = WithForm(std::make_shared<FakeDocument>());
  FakeView view(top);
  view.answers = false;
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 0);
  EXPECT_GE(view.requests, 500);
  EXPECT_GE(clock_.MonotonicMilliseconds(), 59000);
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61000);
}

TEST_F(MainTest, TheWholeTopDocumentWaitIsBoundedEvenWhenEveryAttemptWaitsLong) {
  // A browser stuck in loading would cost 180 s per attempt if each attempt
  // kept its own budget; the user was promised about a minute in all.
  auto top = WithForm(std::make_shared<FakeDocument>());
  FakeView view(top);
  view.browser_ready_state = 3;
  CFormInputEng::Main(&view, &data_);
  EXPECT_EQ(top->body_reads, 0);
  EXPECT_LE(clock_.MonotonicMilliseconds(), 61000);

  auto slow = WithForm(std::make_shared<FakeDocument>(-1));
  FakeView slow_view(slow);
  FakeClock fresh;
  ScopedClock scope(&fresh);
  CFormInputEng::Main(&slow_view, &data_);
  EXPECT_EQ(slow->body_reads, 0);
  EXPECT_LE(fresh.MonotonicMilliseconds(), 61000);
}

TEST_F(MainTest, AFailureInsideTheFillIsReportedOnceAndNeverEscapes) {
  auto top = WithForm(std::make_shared<FakeDocument>());
  top->throw_on_body = true;
  FakeView view(top);
  EXPECT_NO_THROW(CFormInputEng::Main(&view, &data_));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "IWebBrowser2の取得に失敗しました。");
}

TEST_F(MainTest, SiteViewNavigatesOnlyWhenTheViewHasADocument) {
  auto top = std::make_shared<FakeDocument>();
  FakeView view(top);
  CFormInputEng::SiteView(&view, "http://127.0.0.1/entry");
  EXPECT_EQ(top->navigated_to, "http://127.0.0.1/entry");
  view.answers = false;
  CFormInputEng::SiteView(&view, "http://127.0.0.1/other");
  EXPECT_EQ(top->navigated_to, "http://127.0.0.1/entry");
}

TEST(TimeCount, StrictBoundThenOneSleepPerStep) {
  FakeClock clock;
  ScopedClock scope(&clock);
  EXPECT_EQ(CFormInputEng::TimeCount(0, 0), 1);
  EXPECT_EQ(CFormInputEng::TimeCount(1, 0), -1);
  EXPECT_EQ(CFormInputEng::TimeCount(600, 60), 601);
  EXPECT_EQ(CFormInputEng::TimeCount(601, 60), -1);
  EXPECT_EQ(clock.sleeps(), 2);
  EXPECT_EQ(clock.MonotonicMilliseconds(), 200);
}

}  // namespace
}  // namespace kakikomi
