#include "engine/core/field_dispatcher.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "engine/base/sjis_text.h"
#include "engine/core/fill_document.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "tests/fakes/fake_document.h"

namespace kakikomi {
namespace {

// What a filler was handed, and the table as it saw it.
struct Call {
  char filler;  // 't' text, 's' select, 'r' radio, 'c' checkbox
  int pass, mode, index;
  std::string label, tag, name;
  std::array<std::string, 3> tags, labels;
  int last_field_code;
  uint8_t name_done;
};

// Fillers that record every call and answer with `answer`, after running
// `effect` (a filler's side effects on the table).
struct RecordingFillers {
  std::vector<Call> calls;
  std::function<bool(const Call&, PageElementTable&)> answer = [](const Call&, PageElementTable&) {
    return true;
  };

  FillerSet Set() {
    FillerSet set;
    set.text = [this](const CData&, PageElementTable& t, int mode, const std::string& label,
                      const std::string& tag, int index, const std::string& name) {
      return Record('t', t, mode, label, tag, index, name);
    };
    auto choice = [this](char which) {
      return [this, which](const std::string& label, const std::string& tag, int index,
                           const std::string& name, PageElementTable& t,
                           const CData&) { return Record(which, t, -1, label, tag, index, name); };
    };
    set.select = choice('s');
    set.radio = choice('r');
    set.checkbox = choice('c');
    return set;
  }

  bool Record(char which, PageElementTable& t, int mode, const std::string& label,
              const std::string& tag, int index, const std::string& name) {
    calls.push_back({which, t.PassNumber, mode, index, label, tag, name, t.ControlTags,
                     t.ControlLabels, t.LastFieldCode, t.NameKanjiDone});
    return answer(calls.back(), t);
  }
};

std::string Marks(std::string text) {
  for (size_t at; (at = text.find("§")) != std::string::npos;)
    text.replace(at, std::string("§").size(), kLabelSeparator);
  return text;
}

class FieldDispatcherTest : public ::testing::Test {
 protected:
  FieldDispatcherTest() { CFormInputEng::ReadData(&data_); }

  // A table as collection and annotation leave it: the given text, and text
  // inputs named t0, t1, ... (selects s0.., radios r0.., emails m0..,
  // tels p0.., textareas a0..).
  void Page(const std::string& text, int texts, int selects = 0, int radios = 0, int emails = 0,
            int tels = 0, int areas = 0) {
    table_.PageText = Sjis(Marks(text));
    auto name = [](char c, int i) { return std::string(1, c) + std::to_string(i); };
    table_.TextCount = texts;
    for (int i = 0; i < texts; ++i) table_.TextNames[i] = name('t', i);
    table_.SelectCount = selects;
    for (int i = 0; i < selects; ++i) table_.SelectNames[i] = name('s', i);
    table_.RadioCount = radios;
    for (int i = 0; i < radios; ++i) table_.RadioNames[i] = name('r', i);
    table_.EmailCount = emails;
    for (int i = 0; i < emails; ++i) table_.EmailNames[i] = name('m', i);
    table_.TelCount = tels;
    for (int i = 0; i < tels; ++i) table_.TelNames[i] = name('p', i);
    table_.TextAreaCount = areas;
    for (int i = 0; i < areas; ++i) table_.TextAreaNames[i] = name('a', i);
  }
  void Walk() { WalkControls(table_, data_, fillers_.Set()); }

  CData data_;
  PageElementTable table_;
  RecordingFillers fillers_;
};

// Every tag is the current tag once, with the next two tags and the texts
// before them in the window; labels are lower-cased, tags are not.
TEST_F(FieldDispatcherTest, WindowShowsEachTagWithTheTwoAfterIt) {
  for (int n : {0, 1, 2, 3, 7}) {
    SCOPED_TRACE(n);
    table_ = PageElementTable();
    fillers_.calls.clear();
    std::string text;
    std::vector<std::string> tags, labels;
    for (int i = 0; i < n; ++i) {
      labels.push_back(Sjis("ＴＥＬ") + std::to_string(i));
      tags.push_back("<INPUT Name=x name=t" + std::to_string(i) + ">");
      text += SjisToUtf8(labels.back()) + tags.back();
    }
    Page(text + "END", n);
    Walk();
    ASSERT_EQ(fillers_.calls.size(), static_cast<size_t>(n));
    auto tag = [&](int i) { return i < n ? tags[i] : std::string(); };
    auto label = [&](int i) {
      return i < n ? Sjis("ｔｅｌ") + std::to_string(i) : i == n ? std::string("end") : "";
    };
    for (int i = 0; i < n; ++i) {
      const Call& call = fillers_.calls[i];
      EXPECT_EQ(call.index, i);
      EXPECT_EQ(call.tag, tags[i]);
      EXPECT_EQ(call.tags, (std::array<std::string, 3>{tag(i), tag(i + 1), tag(i + 2)}));
      EXPECT_EQ(call.labels[0], label(i));
      EXPECT_EQ(call.labels[1], label(i + 1));
      EXPECT_EQ(call.labels[2], label(i + 2));
    }
  }
}

TEST_F(FieldDispatcherTest, FirstPassLabelIsTheLastTwoPieces) {
  Page("a§b§c§d<INPUT name=t0>x§y<INPUT name=t1>", 2);
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 2u);
  EXPECT_EQ(fillers_.calls[0].label, Sjis(Marks("§c§d")));
  EXPECT_EQ(fillers_.calls[1].label, Sjis(Marks("x§y")));
}

TEST_F(FieldDispatcherTest, SkipCountPassesOverTheNextControls) {
  Page("a<INPUT name=t0>b<INPUT name=t1>c<INPUT name=t2>d<INPUT name=t3>", 4);
  fillers_.answer = [](const Call& call, PageElementTable& t) {
    if (call.index == 0) {
      t.SkipCount = 2;
      t.LastFieldCode = 2180;
    }
    return true;
  };
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 2u);
  EXPECT_EQ(fillers_.calls[1].index, 3);
  EXPECT_EQ(fillers_.calls[1].last_field_code, 2180);
}

TEST_F(FieldDispatcherTest, UnplacedControlsGetASecondPassByTheirName) {
  // A select whose label is a picture (the page text keeps nothing of it),
  // and a text box nobody recognises.
  Page("<SELECT name=s0 id=Pref list=##%a##%>x<INPUT name=t0 value=1 title=Zip>", 1, 1);
  fillers_.answer = [](const Call&, PageElementTable&) { return false; };
  table_.LastFieldCode = 2010;
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 4u);
  EXPECT_EQ(fillers_.calls[0].filler, 's');
  EXPECT_EQ(fillers_.calls[0].pass, 0);
  EXPECT_EQ(fillers_.calls[0].label, "");
  EXPECT_EQ(fillers_.calls[1].pass, 1);
  EXPECT_EQ(fillers_.calls[1].label, "s0");
  EXPECT_EQ(fillers_.calls[1].last_field_code, 2010);  // cleared only after the second pass
  EXPECT_EQ(fillers_.calls[2].label, "x");
  EXPECT_EQ(fillers_.calls[3].pass, 1);
  EXPECT_EQ(fillers_.calls[3].last_field_code, -1);
  EXPECT_EQ(table_.LastFieldCode, -1);
}

TEST_F(FieldDispatcherTest, MailBoxesAreOfferedOnceAndPhoneBoxesOnlyByLabel) {
  Page("mail<INPUT type=email name=m0>tel<INPUT type=tel name=p0>", 0, 0, 0, 1, 1);
  fillers_.answer = [](const Call& call, PageElementTable& t) {
    if (call.mode == 2) t.LastFieldCode = 2010;
    return false;
  };
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 2u);
  EXPECT_EQ(fillers_.calls[0].mode, 2);
  EXPECT_EQ(fillers_.calls[1].mode, 3);
  EXPECT_EQ(fillers_.calls[1].last_field_code, 2010);  // an unplaced mail box keeps the chain
  EXPECT_EQ(fillers_.calls[1].pass, 0);
}

TEST_F(FieldDispatcherTest, MailBoxOnAPageWithoutCollectedMailBoxesBreaksTheChain) {
  Page("a<INPUT name=t0>mail<INPUT type=email name=m0>b<INPUT name=t1>", 2);
  fillers_.answer = [](const Call&, PageElementTable& t) {
    t.LastFieldCode = 2040;
    return true;
  };
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 2u);
  EXPECT_EQ(fillers_.calls[1].last_field_code, -1);
}

TEST_F(FieldDispatcherTest, ChoicesAreOfferedOnceAndOnlyWhileChoiceSkipIsClear) {
  const std::string page = "男<INPUT type=radio name=r0>女<INPUT type=radio name=r1>";
  Page(page, 0, 0, 2);
  table_.ChoiceSkip = 1;
  Walk();
  EXPECT_TRUE(fillers_.calls.empty());

  table_ = PageElementTable();
  Page(page, 0, 0, 2);
  fillers_.answer = [](const Call&, PageElementTable&) { return false; };
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 2u);
  EXPECT_EQ(fillers_.calls[0].filler, 'r');
  EXPECT_EQ(fillers_.calls[1].index, 1);
}

TEST_F(FieldDispatcherTest, ReadOnlyTextAreasAreNeverOffered) {
  Page("a<TEXTAREA name=a0 readOnly>b<TEXTAREA name=a1>", 0, 0, 0, 0, 0, 2);
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 1u);
  EXPECT_EQ(fillers_.calls[0].mode, 1);
  EXPECT_EQ(fillers_.calls[0].index, 1);
}

// Each form is filled afresh: its submit or image button clears the done
// flags, but not the item chain; hidden and password inputs break the chain.
TEST_F(FieldDispatcherTest, FormEndsResetTheFormStateAndPasswordsBreakTheChain) {
  Page(
      "a<INPUT name=t0><INPUT type=submit>b<INPUT name=t1><INPUT type=image src=x>"
      "c<INPUT name=t2><INPUT type=password name=pw>d<INPUT name=t3>",
      4);
  fillers_.answer = [](const Call&, PageElementTable& t) {
    t.NameKanjiDone = 1;
    t.LastFieldCode = 2040;
    return true;
  };
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 4u);
  EXPECT_EQ(fillers_.calls[1].name_done, 0);
  EXPECT_EQ(fillers_.calls[1].last_field_code, 2040);
  EXPECT_EQ(fillers_.calls[2].name_done, 0);
  EXPECT_EQ(fillers_.calls[3].name_done, 1);
  EXPECT_EQ(fillers_.calls[3].last_field_code, -1);
}

TEST_F(FieldDispatcherTest, TagsWithoutAPlaceAreLeftAlone) {
  // t1 was never collected (over the limit or outside a form), the last tag
  // has no name.
  Page("a<INPUT name=t0>b<INPUT name=t1>c<INPUT type=text>", 1);
  Walk();
  ASSERT_EQ(fillers_.calls.size(), 1u);
  EXPECT_EQ(table_.LastFieldCode, -1);
}

class FillDocumentTest : public FieldDispatcherTest {
 protected:
  fakes::FakeDocument doc_;
  std::shared_ptr<fakes::FakeDocument> Shared() {
    return std::shared_ptr<fakes::FakeDocument>(&doc_, [](fakes::FakeDocument*) {});
  }
};

// Everything recorded is written after the walk, kind by kind in a fixed
// order, whatever the page order of the controls.
TEST_F(FillDocumentTest, WritesBackKindByKindAfterTheWalk) {
  auto& form = doc_.NewForm();
  doc_.Add(form, "checkbox", "news", "1");
  doc_.Add(form, "password", "pw");
  doc_.Add(form, "radio", "sex", "1");
  doc_.Add(form, "textarea", "memo");
  doc_.Add(form, "email", "mail");
  doc_.Add(form, "tel", "tel");
  doc_.Add(form, "text", "name");
  doc_.Add(form, "select", "pref");
  doc_.Add(form, "submit", "");
  doc_.body = Sjis(
      "<FORM><INPUT type=checkbox name=news value=1>ニュース<INPUT type=password name=pw>"
      "<INPUT type=radio name=sex value=1>男<TEXTAREA name=memo></TEXTAREA>"
      "<INPUT type=email name=mail><INPUT type=tel name=tel><INPUT name=name>"
      "<SELECT name=pref><OPTION>東京</OPTION></SELECT><INPUT type=submit></FORM>");
  data_.SexIndex = 0;
  data_.LoginPassword = "secret";
  fillers_.answer = [&](const Call& call, PageElementTable& t) {
    EXPECT_TRUE(doc_.writes.empty());  // nothing reaches the page during the walk
    switch (call.filler) {
      case 's':
        t.SelectChoice[call.index] = 0;
        break;
      case 'r':
        t.RadioCheck[call.index] = 1;
        break;
      case 'c':
        t.CheckboxCheck[call.index] = 1;
        break;
      default: {
        const std::string value = "v-" + call.name;
        if (call.mode == 0) t.TextValue[call.index] = value;
        if (call.mode == 1) t.TextAreaValue[call.index] = value;
        if (call.mode == 2) t.EmailValue[call.index] = value;
        if (call.mode == 3) t.TelValue[call.index] = value;
      }
    }
    return true;
  };
  FillDocument(Shared(), data_, fillers_.Set());
  std::vector<std::string> writes;
  for (const auto& w : doc_.writes) writes.push_back(w.control + " " + w.what + " " + w.value);
  EXPECT_EQ(writes, (std::vector<std::string>{
                        "pref index 0", "name value v-name", "tel value v-tel", "mail value v-mail",
                        "memo value v-memo", "sex checked ", "news checked ", "pw value secret"}));
}

TEST_F(FillDocumentTest, PasswordBoxesGetTheLoginPasswordWhateverTheirLabel) {
  auto& form = doc_.NewForm();
  doc_.Add(form, "password", "a");
  doc_.Add(form, "password", "b");
  doc_.body = Sjis("<FORM>お名前<INPUT type=password name=a>確認<INPUT type=password name=b>");
  fillers_.answer = [](const Call&, PageElementTable&) { return false; };

  FillDocument(Shared(), data_, fillers_.Set());
  // Without a login password every box is set to the empty text.
  ASSERT_EQ(doc_.writes.size(), 2u);
  EXPECT_EQ(doc_.writes[0].value, "");
  EXPECT_EQ(doc_.writes[1].what, "value");

  doc_.writes.clear();
  data_.LoginPassword = "pw1";
  FillDocument(Shared(), data_, fillers_.Set());
  ASSERT_EQ(doc_.writes.size(), 2u);
  EXPECT_EQ(doc_.writes[0].control, "a");
  EXPECT_EQ(doc_.writes[1].value, "pw1");
  EXPECT_TRUE(fillers_.calls.empty());
}

TEST_F(FillDocumentTest, AnEmptyPageGetsNothing) {
  auto& form = doc_.NewForm();
  doc_.Add(form, "password", "a");
  data_.LoginPassword = "pw1";
  FillDocument(Shared(), data_, fillers_.Set());  // no body text
  doc_.body = "<SCRIPT>x</SCRIPT>";               // nothing left once annotated
  FillDocument(Shared(), data_, fillers_.Set());
  EXPECT_TRUE(doc_.writes.empty());
}

// More controls than a kind holds: the ones over the limit are never handed
// to a filler, and nothing is written outside the table.
TEST_F(FillDocumentTest, ControlsOverTheLimitsAreNeverHandedOut) {
  struct Over {
    const char* type;
    int on_page, collected;
  };
  for (const Over& over : {Over{"email", 12, 9}, Over{"select", 33, 30}, Over{"text", 63, 58}}) {
    SCOPED_TRACE(over.type);
    fakes::FakeDocument doc;
    auto& form = doc.NewForm();
    std::string body = "<FORM>";
    const std::string type = over.type;
    for (int i = 0; i < over.on_page; ++i) {
      const std::string name = "f" + std::to_string(i);
      doc.Add(form, type, name);
      body += Sjis("メールアドレス") +
              (type == "select" ? "<SELECT name=" + name + "><OPTION>a"
                                : "<INPUT type=" + type + " name=" + name) +
              ">";
    }
    doc.body = body;
    RecordingFillers fillers;
    fillers.answer = [](const Call& call, PageElementTable& t) {
      if (call.filler == 's')
        t.SelectChoice[call.index] = 0;
      else if (call.mode == 2)
        t.EmailValue[call.index] = "x";
      else
        t.TextValue[call.index] = "x";
      return true;
    };
    FillDocument(std::shared_ptr<fakes::FakeDocument>(&doc, [](auto*) {}), data_, fillers.Set());
    ASSERT_EQ(fillers.calls.size(), static_cast<size_t>(over.collected));
    EXPECT_EQ(fillers.calls.back().index, over.collected - 1);
    EXPECT_EQ(doc.writes.size(), static_cast<size_t>(over.collected));
  }
}

// A page of 1 500 controls, among them a select of 10 000 options and names
// full of "=" and quotes: every collected control is offered once, and the
// walk stays linear.
TEST_F(FillDocumentTest, LargePagesAreWalkedInLinearTime) {
  auto& form = doc_.NewForm();
  std::string body = "<FORM><TABLE>";
  std::string options;
  for (int i = 0; i < 10000; ++i) options += "<OPTION value=" + std::to_string(i) + ">o";
  doc_.Add(form, "select", "many");
  body += "<TR><TD>prefecture</TD><TD><SELECT name=many>" + options + "</SELECT></TD></TR>";
  for (int i = 1; i < 1500; ++i) {
    const std::string type = i % 3 == 0 ? "radio" : i % 3 == 1 ? "checkbox" : "text";
    const std::string name =
        i % 100 == 0 ? "q=\"" + std::to_string(i) + "=\"" : "n" + std::to_string(i);
    doc_.Add(form, type, name, "1");
    body += "<TR><TD>label " + std::to_string(i) + "</TD><TD><INPUT type=" + type + " name=\"" +
            name + "\" value=1></TD></TR>";
  }
  doc_.body = body + "</TABLE></FORM>";
  data_.SexIndex = 0;
  doc_.body += Sjis("<P>男</P>");  // something offered, so the choices are walked
  fillers_.answer = [](const Call&, PageElementTable&) { return true; };

  const auto started = std::chrono::steady_clock::now();
  FillDocument(Shared(), data_, fillers_.Set());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  size_t selects = 0, texts = 0;
  for (const Call& call : fillers_.calls) {
    selects += call.filler == 's';
    texts += call.filler == 't';
  }
  EXPECT_EQ(selects, 1u);
  EXPECT_EQ(texts, 58u);  // the text boxes over the limit are never offered
  EXPECT_EQ(fillers_.calls.size(), 1u + 58u + 499u + 500u);  // select, texts, radios, boxes
  EXPECT_LT(seconds, 10.0);
}

}  // namespace
}  // namespace kakikomi
