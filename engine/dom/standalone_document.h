// The stand-alone document model: a page file parsed into forms, controls
// and frames that answer the engine's document operations the way a
// browser would, with every write recorded so the filled page can be shown
// and written back out.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/core/document_access.h"
#include "engine/dom/dom_node.h"

namespace kakikomi {

class StandaloneDocument;

// One listed element of a form. Texts cross the engine interface as CP932.
class StandaloneControl : public FormControl {
 public:
  StandaloneControl(StandaloneDocument* document, DomNode* element, int form_index,
                    int element_index);

  ControlTag Tag() const override;
  std::string Type() const override;
  std::string Name() const override;
  std::string Value() const override;
  int MaxLength() const override;
  int Size() const override;
  void PutValue(const std::string& value) override;
  void PutSelectedIndex(int index) override;
  void PutChecked() override;

  const DomNode& element() const { return *element_; }
  int form_index() const { return form_index_; }
  int element_index() const { return element_index_; }
  // The reported type in UTF-8 ("select-one", "textarea" for those).
  std::string TypeUtf8() const;
  std::string NameUtf8() const;

  // The state after the writes.
  bool written() const { return written_; }
  bool value_written() const { return value_written_; }
  const std::string& written_value() const { return value_; }  // UTF-8
  int selected_index() const { return selected_index_; }
  bool selection_written() const { return selection_written_; }
  bool checked() const { return checked_; }
  bool checked_changed() const { return checked_changed_; }

 private:
  friend class StandaloneDocument;
  StandaloneDocument* document_;
  DomNode* element_;
  int form_index_, element_index_;
  bool written_ = false;
  bool value_written_ = false;
  std::string value_;
  int selected_index_ = -1;
  bool selection_written_ = false;
  bool checked_ = false;
  bool checked_changed_ = false;
};

class StandaloneForm : public HtmlForm {
 public:
  int Length() const override { return static_cast<int>(controls_.size()); }
  FormControl* Item(int index) override;

 private:
  friend class StandaloneDocument;
  std::vector<std::unique_ptr<StandaloneControl>> controls_;
};

// What a control received, for listing the writes of a fill.
struct RecordedWrite {
  enum class What { kValue, kSelectedIndex, kChecked };
  int form_index = 0;
  int element_index = 0;
  std::string tag;   // "input", "select" or "textarea"
  std::string type;  // as the browser reports it
  std::string name;  // UTF-8
  What what = What::kValue;
  std::string value;  // kValue: the text written, UTF-8
  int option_index = -1;
  std::string option_text;  // kSelectedIndex: the chosen option's text, UTF-8
  bool checked = false;     // kChecked: ticked now (a later tick in its group clears a radio)
};

class StandaloneDocument : public HtmlDocument {
 public:
  // Reads and parses the page file at `path` with the local files its frames
  // name. Null with `error` set (one line naming the file) when the file
  // cannot be read or is refused.
  static std::shared_ptr<StandaloneDocument> Load(const std::string& path, std::string* error);
  // Parses page bytes; frames are resolved against `path` (none are loaded
  // when it is empty).
  static std::shared_ptr<StandaloneDocument> FromBytes(std::string_view bytes,
                                                       const std::string& path, std::string* error);
  ~StandaloneDocument() override;

  std::string ReadyState() override { return "complete"; }
  int FormCount() override { return static_cast<int>(forms_.size()); }
  HtmlForm* Form(int index) override;
  std::string BodyInnerHtml() override;
  std::vector<EmbeddedObject> EmbeddedObjects() override { return embedded_; }
  void PutUrl(const std::string& url) override;

  const std::string& path() const { return path_; }
  // The encoding the page was read with and where that choice came from.
  const std::string& encoding() const { return encoding_; }
  const std::string& encoding_source() const { return encoding_source_; }
  const DomNode& tree() const { return *tree_; }
  // The body (or frameset) element, null when the page has neither.
  const DomNode* body() const;
  // The last URL the engine asked to navigate to (CP932); nothing navigates.
  const std::string& requested_url() const { return requested_url_; }

  // The model's control for a listed element, null for other nodes.
  const StandaloneControl* ControlFor(const DomNode* element) const;
  // Every control that received a write, in form and element order.
  std::vector<RecordedWrite> Writes() const;

 private:
  struct LoadState;
  friend class StandaloneControl;
  StandaloneDocument() = default;
  static std::shared_ptr<StandaloneDocument> Parse(std::string_view bytes, const std::string& path,
                                                   LoadState& state, std::string* error);
  static std::shared_ptr<StandaloneDocument> LoadFile(const std::string& path, LoadState& state,
                                                      std::string* error);
  void LoadFrames(LoadState& state);
  // A radio was ticked: the others of its group lose their tick.
  void ClearRadioGroup(const StandaloneControl& ticked);

  std::string path_;
  std::string encoding_, encoding_source_;
  std::unique_ptr<DomNode> tree_;
  std::vector<std::unique_ptr<StandaloneForm>> forms_;
  std::unordered_map<const DomNode*, StandaloneControl*> controls_;
  std::vector<EmbeddedObject> embedded_;
  std::string requested_url_;
};

// A browser tab showing a stand-alone document: always loaded.
class StandaloneView : public DocumentView {
 public:
  explicit StandaloneView(std::shared_ptr<StandaloneDocument> document)
      : document_(std::move(document)) {}
  std::shared_ptr<HtmlDocument> RequestDocument() override { return document_; }
  int BrowserReadyState() override { return document_ ? 4 : -1; }
  std::shared_ptr<HtmlDocument> BrowserDocument() override { return document_; }

 private:
  std::shared_ptr<StandaloneDocument> document_;
};

}  // namespace kakikomi
