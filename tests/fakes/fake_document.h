// In-memory documents for engine tests: controls with fixed attributes and a
// log of every write in the order it happened, ready states that complete
// after a set number of polls, and frames.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/core/document_access.h"

namespace kakikomi::fakes {

struct WriteRecord {
  std::string control;  // the control's name
  std::string what;     // "value", "index" or "checked"
  std::string value;
};

class FakeControl : public FormControl {
 public:
  FakeControl(ControlTag tag, std::string type, std::string name, std::string value = {},
              std::vector<WriteRecord>* log = nullptr)
      : tag_(tag),
        type_(std::move(type)),
        name_(std::move(name)),
        value_(std::move(value)),
        log_(log) {}

  ControlTag Tag() const override { return tag_; }
  std::string Type() const override { return type_; }
  std::string Name() const override { return name_; }
  std::string Value() const override { return value_; }
  int MaxLength() const override { return max_length; }
  int Size() const override { return size; }
  void PutValue(const std::string& value) override {
    written_value = value;
    Log("value", value);
  }
  void PutSelectedIndex(int index) override {
    selected_index = index;
    Log("index", std::to_string(index));
  }
  void PutChecked() override {
    checked = true;
    Log("checked", "");
  }

  int max_length = -1;
  int size = 20;
  std::string written_value;
  int selected_index = -1;
  bool checked = false;

 private:
  void Log(const char* what, const std::string& value) {
    if (log_) log_->push_back({name_, what, value});
  }

  ControlTag tag_;
  std::string type_, name_, value_;
  std::vector<WriteRecord>* log_;
};

class FakeForm : public HtmlForm {
 public:
  int Length() const override { return static_cast<int>(controls.size()); }
  FormControl* Item(int index) override {
    return index >= 0 && index < Length() ? controls[index].get() : nullptr;
  }
  FakeControl& Add(ControlTag tag, std::string type, std::string name, std::string value = {}) {
    controls.push_back(std::make_unique<FakeControl>(tag, std::move(type), std::move(name),
                                                     std::move(value), log));
    return *controls.back();
  }
  FakeControl& Input(std::string type, std::string name, std::string value = {}) {
    return Add(ControlTag::kInput, std::move(type), std::move(name), std::move(value));
  }
  std::vector<std::unique_ptr<FakeControl>> controls;
  std::vector<WriteRecord>* log = nullptr;  // where the controls log their writes
};

class FakeDocument : public HtmlDocument {
 public:
  // Reports "loading" for the first `polls_until_complete` polls (-1: forever).
  explicit FakeDocument(int polls_until_complete = 0) : polls_left_(polls_until_complete) {}

  std::string ReadyState() override {
    ++ready_state_polls;
    if (polls_left_ < 0) return "loading";
    if (polls_left_ > 0) {
      --polls_left_;
      return "interactive";
    }
    return "complete";
  }
  int FormCount() override { return static_cast<int>(forms.size()); }
  HtmlForm* Form(int index) override {
    return index >= 0 && index < FormCount() ? forms[index].get() : nullptr;
  }
  std::string BodyInnerHtml() override {
    ++body_reads;
    if (throw_on_body) throw std::runtime_error("body unavailable");
    return body;
  }
  std::vector<EmbeddedObject> EmbeddedObjects() override { return objects; }
  void PutUrl(const std::string& url) override { navigated_to = url; }

  // A form whose controls log their writes into `writes`.
  FakeForm& AddForm() {
    forms.push_back(std::make_unique<FakeForm>());
    forms.back()->log = &writes;
    return *forms.back();
  }
  FakeForm& NewForm() { return AddForm(); }
  // An input of `type`, a select ("select") or a textarea ("textarea").
  void Add(FakeForm& form, const std::string& type, const std::string& name,
           const std::string& value = "") {
    const ControlTag tag = type == "select"     ? ControlTag::kSelect
                           : type == "textarea" ? ControlTag::kTextArea
                                                : ControlTag::kInput;
    form.Add(tag, tag == ControlTag::kInput ? type : "", name, value);
  }
  std::shared_ptr<FakeDocument> AddFrame(int polls_until_complete = 0) {
    auto frame = std::make_shared<FakeDocument>(polls_until_complete);
    objects.push_back({true, frame});
    return frame;
  }

  std::vector<std::unique_ptr<FakeForm>> forms;
  std::vector<EmbeddedObject> objects;
  std::string body;
  std::string navigated_to;
  std::vector<WriteRecord> writes;
  int ready_state_polls = 0;
  int body_reads = 0;  // the driver reads the body once per document it fills
  bool throw_on_body = false;

 private:
  int polls_left_;
};

class FakeView : public DocumentView {
 public:
  explicit FakeView(std::shared_ptr<FakeDocument> document) : document_(std::move(document)) {}
  std::shared_ptr<HtmlDocument> RequestDocument() override {
    ++requests;
    return answers ? document_ : nullptr;
  }
  int BrowserReadyState() override { return browser_ready_state; }
  std::shared_ptr<HtmlDocument> BrowserDocument() override { return document_; }

  bool answers = true;
  int browser_ready_state = 4;
  int requests = 0;

 private:
  std::shared_ptr<FakeDocument> document_;
};

}  // namespace kakikomi::fakes
