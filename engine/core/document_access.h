// The only way the engine reaches a page: a document view, its documents,
// their forms and controls. Two models implement it: the stand-alone one
// (engine/dom, HTML files) and the live browser (bridge/). Every text that
// crosses this interface is CP932; the models convert at their side.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kakikomi {

// Which of the three control interfaces a form element answers to.
enum class ControlTag { kSelect, kInput, kTextArea, kOther };

class FormControl {
 public:
  virtual ~FormControl() = default;
  virtual ControlTag Tag() const = 0;
  // Inputs only: the type as the browser reports it ("text", "radio", ...).
  virtual std::string Type() const = 0;
  virtual std::string Name() const = 0;
  // Radios and checkboxes: the value attribute.
  virtual std::string Value() const = 0;
  // Text inputs: maxLength (browsers report -1 or a huge number when unset)
  // and size.
  virtual int MaxLength() const = 0;
  virtual int Size() const = 0;

  // Writes. A control that refuses keeps its old state; nothing is reported.
  virtual void PutValue(const std::string& value) = 0;
  virtual void PutSelectedIndex(int index) = 0;
  virtual void PutChecked() = 0;  // only ever ticks, never clears
};

class HtmlForm {
 public:
  virtual ~HtmlForm() = default;
  virtual int Length() const = 0;
  // The j-th listed element in form order; nullptr when out of range.
  virtual FormControl* Item(int index) = 0;
};

class HtmlDocument;

// An embedded object in document order: frames and iframes are browsers
// (they may or may not hold a document); plug-ins are not.
struct EmbeddedObject {
  bool is_browser = false;
  std::shared_ptr<HtmlDocument> document;  // null when the frame has none
};

class HtmlDocument {
 public:
  virtual ~HtmlDocument() = default;
  // Exactly "complete" once the document has loaded.
  virtual std::string ReadyState() = 0;
  // -1 when the forms collection cannot be obtained.
  virtual int FormCount() = 0;
  virtual HtmlForm* Form(int index) = 0;
  // The body's innerHTML as Internet Explorer serialised it; empty when the
  // body cannot be obtained.
  virtual std::string BodyInnerHtml() = 0;
  virtual std::vector<EmbeddedObject> EmbeddedObjects() = 0;
  // Starts navigation to `url` (CP932).
  virtual void PutUrl(const std::string& url) = 0;
};

// What a browser tab offers: its top document on request and the loading
// state of the browser object behind it.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // The view's document, or null when the view does not answer in time.
  virtual std::shared_ptr<HtmlDocument> RequestDocument() = 0;
  // READYSTATE of the browser object (4 = complete); -1 when the browser
  // object cannot be reached from the document.
  virtual int BrowserReadyState() = 0;
  // The browser's current document; null when there is none.
  virtual std::shared_ptr<HtmlDocument> BrowserDocument() = 0;
};

}  // namespace kakikomi
