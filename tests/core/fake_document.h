// A small in-memory document for engine tests: forms of controls with the
// attributes the collection reads, a body text given as is, and a log of
// every write in the order it happened.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/document_access.h"

namespace kakikomi::page_fakes {

struct WriteRecord {
  std::string control;  // the control's name
  std::string what;     // "value", "index" or "checked"
  std::string value;
};

class FakeControl : public FormControl {
 public:
  FakeControl(ControlTag tag, std::string type, std::string name, std::string value,
              std::vector<WriteRecord>* log)
      : tag_(tag),
        type_(std::move(type)),
        name_(std::move(name)),
        value_(std::move(value)),
        log_(log) {}
  ControlTag Tag() const override { return tag_; }
  std::string Type() const override { return type_; }
  std::string Name() const override { return name_; }
  std::string Value() const override { return value_; }
  int MaxLength() const override { return -1; }
  int Size() const override { return 20; }
  void PutValue(const std::string& value) override { log_->push_back({name_, "value", value}); }
  void PutSelectedIndex(int index) override {
    log_->push_back({name_, "index", std::to_string(index)});
  }
  void PutChecked() override { log_->push_back({name_, "checked", ""}); }

 private:
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
  std::vector<std::unique_ptr<FakeControl>> controls;
};

class FakeDocument : public HtmlDocument {
 public:
  std::string ReadyState() override { return "complete"; }
  int FormCount() override { return static_cast<int>(forms.size()); }
  HtmlForm* Form(int index) override {
    return index >= 0 && index < FormCount() ? forms[index].get() : nullptr;
  }
  std::string BodyInnerHtml() override { return body; }
  std::vector<EmbeddedObject> EmbeddedObjects() override { return {}; }
  void PutUrl(const std::string&) override {}

  // Adds a form and returns it; controls are added with Add.
  FakeForm& NewForm() {
    forms.push_back(std::make_unique<FakeForm>());
    return *forms.back();
  }
  // An input of `type`, a select ("select") or a textarea ("textarea").
  void Add(FakeForm& form, const std::string& type, const std::string& name,
           const std::string& value = "") {
    ControlTag tag = type == "select"     ? ControlTag::kSelect
                     : type == "textarea" ? ControlTag::kTextArea
                                          : ControlTag::kInput;
    form.controls.push_back(std::make_unique<FakeControl>(
        tag, tag == ControlTag::kInput ? type : "", name, value, &writes));
  }

  std::string body;
  std::vector<std::unique_ptr<FakeForm>> forms;
  std::vector<WriteRecord> writes;
};

}  // namespace kakikomi::page_fakes
