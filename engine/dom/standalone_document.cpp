#include "engine/dom/standalone_document.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/base/sjis_text.h"
#include "engine/dom/element_facts.h"
#include "engine/dom/form_association.h"
#include "engine/dom/html_decoding.h"
#include "engine/dom/html_tree.h"

namespace kakikomi {
namespace {

// Pages are entry forms; anything far bigger is not one.
constexpr long long kMaxPageBytes = 64LL * 1024 * 1024;
// Frames inside frames are loaded this deep, and this many per page at
// most, so that pages framing each other cannot multiply without end.
constexpr int kMaxFrameDepth = 6;
constexpr int kMaxFrameDocuments = 100;
constexpr int kDefaultInputSize = 20;

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsInputTypeWithTextValue(const std::string& type) {
  return type == "text" || type == "search" || type == "tel" || type == "password" ||
         type == "email" || type == "url";
}

// A value set on a text-like input loses its line breaks; email and URL
// inputs also lose surrounding white space, as browsers sanitise them.
std::string SanitisedValue(const std::string& type, std::string value) {
  if (!IsInputTypeWithTextValue(type)) return value;
  value.erase(
      std::remove_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }),
      value.end());
  if (type == "email" || type == "url") {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\f'; };
    while (!value.empty() && space(value.back())) value.pop_back();
    size_t start = 0;
    while (start < value.size() && space(value[start])) ++start;
    value.erase(0, start);
  }
  return value;
}

std::string TextContent(const DomNode& element) {
  std::string text;
  for (const auto& child : element.children)
    if (child->type == DomNode::Type::kText) text += child->text;
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The local file a frame's src names, relative to the page; empty for
// network addresses, about:blank and other schemes.
std::string LocalFramePath(std::string src, const std::string& page_path) {
  const auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
  };
  while (!src.empty() && space(src.back())) src.pop_back();
  size_t start = 0;
  while (start < src.size() && space(src[start])) ++start;
  src.erase(0, start);
  src = src.substr(0, src.find_first_of("?#"));
  if (src.empty() || page_path.empty() || src.rfind("//", 0) == 0) return "";
  const size_t colon = src.find(':');
  const size_t slash = src.find('/');
  if (colon != std::string::npos && (slash == std::string::npos || colon < slash)) {
    if (Lowered(src.substr(0, colon)) != "file") return "";
    std::string rest = src.substr(colon + 1);
    if (rest.rfind("//", 0) == 0) {
      const size_t path_start = rest.find('/', 2);
      const std::string host =
          rest.substr(2, path_start == std::string::npos ? std::string::npos : path_start - 2);
      if (!host.empty() && Lowered(host) != "localhost") return "";
      rest = path_start == std::string::npos ? "/" : rest.substr(path_start);
    }
    return PercentDecoded(rest);
  }
  const std::string decoded = PercentDecoded(src);
  if (decoded.rfind('/', 0) == 0) return decoded;
  return (std::filesystem::path(page_path).parent_path() / decoded).string();
}

std::string CanonicalPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  return error ? path : canonical.string();
}

}  // namespace

struct StandaloneDocument::LoadState {
  std::vector<std::string> ancestors;  // canonical paths of the documents being loaded
  int frame_documents = 0;
};

// ---- StandaloneControl ----

StandaloneControl::StandaloneControl(StandaloneDocument* document, DomNode* element, int form_index,
                                     int element_index)
    : document_(document),
      element_(element),
      form_index_(form_index),
      element_index_(element_index) {
  if (element->tag == "input") {
    checked_ = AttributeOf(*element, "checked") != nullptr;
  } else if (element->tag == "select") {
    const std::vector<const DomNode*> options = SelectOptions(*element);
    for (size_t i = 0; i < options.size(); ++i)
      if (AttributeOf(*options[i], "selected")) selected_index_ = static_cast<int>(i);
    if (selected_index_ < 0 && !AttributeOf(*element, "multiple") &&
        NonNegativeIntegerAttribute(*element, "size") <= 1) {
      for (size_t i = 0; i < options.size(); ++i) {
        if (!AttributeOf(*options[i], "disabled")) {
          selected_index_ = static_cast<int>(i);
          break;
        }
      }
    }
  }
}

ControlTag StandaloneControl::Tag() const {
  if (element_->tag == "select") return ControlTag::kSelect;
  if (element_->tag == "input") return ControlTag::kInput;
  if (element_->tag == "textarea") return ControlTag::kTextArea;
  return ControlTag::kOther;
}

std::string StandaloneControl::TypeUtf8() const {
  const std::string& tag = element_->tag;
  if (tag == "input") return ReportedInputType(*element_);
  if (tag == "select") return AttributeOf(*element_, "multiple") ? "select-multiple" : "select-one";
  if (tag == "textarea") return "textarea";
  if (tag == "button") {
    const std::string* type = AttributeOf(*element_, "type");
    const std::string lowered = type ? Lowered(*type) : "";
    return lowered == "reset" || lowered == "button" ? lowered : "submit";
  }
  if (tag == "fieldset" || tag == "output") return tag;
  return "";
}

std::string StandaloneControl::Type() const { return Utf8ToSjis(TypeUtf8()); }

std::string StandaloneControl::NameUtf8() const {
  const std::string* name = AttributeOf(*element_, "name");
  return name ? *name : "";
}

std::string StandaloneControl::Name() const { return Utf8ToSjis(NameUtf8()); }

std::string StandaloneControl::Value() const {
  std::string value;
  if (value_written_) {
    value = value_;
  } else if (element_->tag == "textarea") {
    value = TextContent(*element_);
  } else if (element_->tag == "select") {
    const std::vector<const DomNode*> options = SelectOptions(*element_);
    if (selected_index_ >= 0 && selected_index_ < static_cast<int>(options.size())) {
      const std::string* attribute = AttributeOf(*options[selected_index_], "value");
      value = attribute ? *attribute : OptionText(*options[selected_index_]);
    }
  } else if (const std::string* attribute = AttributeOf(*element_, "value")) {
    value = *attribute;
  } else if (element_->tag == "input") {
    const std::string type = ReportedInputType(*element_);
    if (type == "checkbox" || type == "radio") value = "on";
  }
  return Utf8ToSjis(value);
}

int StandaloneControl::MaxLength() const {
  if (element_->tag != "input" && element_->tag != "textarea") return -1;
  return NonNegativeIntegerAttribute(*element_, "maxlength");
}

int StandaloneControl::Size() const {
  if (element_->tag == "select") return std::max(0, NonNegativeIntegerAttribute(*element_, "size"));
  if (element_->tag != "input") return 0;
  const int size = NonNegativeIntegerAttribute(*element_, "size");
  return size > 0 ? size : kDefaultInputSize;
}

void StandaloneControl::PutValue(const std::string& value) {
  if (element_->tag == "textarea") {
    value_ = SjisToUtf8(value);
  } else if (element_->tag == "input" && ReportedInputType(*element_) != "file") {
    value_ = SanitisedValue(ReportedInputType(*element_), SjisToUtf8(value));
  } else {
    return;  // selects and other elements keep their state
  }
  value_written_ = written_ = true;
}

void StandaloneControl::PutSelectedIndex(int index) {
  if (element_->tag != "select") return;
  if (index < 0 || index >= static_cast<int>(SelectOptions(*element_).size())) return;
  selected_index_ = index;
  selection_written_ = written_ = true;
}

void StandaloneControl::PutChecked() {
  if (element_->tag != "input") return;
  const std::string type = ReportedInputType(*element_);
  if (type != "checkbox" && type != "radio") return;
  checked_ = true;
  checked_changed_ = true;
  written_ = true;
  if (type == "radio") document_->ClearRadioGroup(*this);
}

FormControl* StandaloneForm::Item(int index) {
  if (index < 0 || index >= Length()) return nullptr;
  return controls_[index].get();
}

// ---- StandaloneDocument ----

StandaloneDocument::~StandaloneDocument() = default;

std::shared_ptr<StandaloneDocument> StandaloneDocument::Load(const std::string& path,
                                                             std::string* error) {
  LoadState state;
  return LoadFile(path, state, error);
}

std::shared_ptr<StandaloneDocument> StandaloneDocument::FromBytes(std::string_view bytes,
                                                                  const std::string& path,
                                                                  std::string* error) {
  LoadState state;
  return Parse(bytes, path, state, error);
}

std::shared_ptr<StandaloneDocument> StandaloneDocument::LoadFile(const std::string& path,
                                                                 LoadState& state,
                                                                 std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = path + ": " + why;
    return nullptr;
  };
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return fail(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return fail("is a directory");
  if (!S_ISREG(info.st_mode)) return fail("not a regular file");
  if (info.st_size > kMaxPageBytes) return fail("larger than 64 MB, not read as a page");
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return fail(std::strerror(errno));
  std::string bytes;
  char buffer[65536];
  size_t read;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, read);
    if (static_cast<long long>(bytes.size()) > kMaxPageBytes) break;
  }
  const bool failed = std::ferror(file);
  std::fclose(file);
  if (failed) return fail("cannot be read");
  if (static_cast<long long>(bytes.size()) > kMaxPageBytes)
    return fail("larger than 64 MB, not read as a page");
  return Parse(bytes, path, state, error);
}

std::shared_ptr<StandaloneDocument> StandaloneDocument::Parse(std::string_view bytes,
                                                              const std::string& path,
                                                              LoadState& state,
                                                              std::string* error) {
  DecodedPage decoded = DecodeHtmlBytes(bytes);
  ParsedHtml parsed = ParseHtml(decoded.utf8);
  if (!parsed.error.empty()) {
    if (error) *error = (path.empty() ? std::string("page") : path) + ": " + parsed.error;
    return nullptr;
  }
  std::shared_ptr<StandaloneDocument> document(new StandaloneDocument());
  document->path_ = path;
  document->encoding_ = decoded.encoding;
  document->encoding_source_ = decoded.source;
  const std::vector<FormListing> listings = ListForms(parsed);
  document->tree_ = std::move(parsed.document);
  for (size_t f = 0; f < listings.size(); ++f) {
    auto form = std::make_unique<StandaloneForm>();
    for (size_t j = 0; j < listings[f].elements.size(); ++j) {
      form->controls_.push_back(std::make_unique<StandaloneControl>(
          document.get(), listings[f].elements[j], static_cast<int>(f), static_cast<int>(j)));
      document->controls_[listings[f].elements[j]] = form->controls_.back().get();
    }
    document->forms_.push_back(std::move(form));
  }
  if (!path.empty()) state.ancestors.push_back(CanonicalPath(path));
  document->LoadFrames(state);
  if (!path.empty()) state.ancestors.pop_back();
  return document;
}

void StandaloneDocument::LoadFrames(LoadState& state) {
  std::vector<const DomNode*> pending{tree_.get()};
  while (!pending.empty()) {
    const DomNode* node = pending.back();
    pending.pop_back();
    if (node->type != DomNode::Type::kElement || node->tag == "template") continue;
    if (node->tag == "frame" || node->tag == "iframe") {
      EmbeddedObject object;
      object.is_browser = true;
      const std::string* src = AttributeOf(*node, "src");
      const std::string local = src ? LocalFramePath(*src, path_) : "";
      if (!local.empty()) {
        const std::string canonical = CanonicalPath(local);
        const bool cycle = std::find(state.ancestors.begin(), state.ancestors.end(), canonical) !=
                           state.ancestors.end();
        if (!cycle && static_cast<int>(state.ancestors.size()) <= kMaxFrameDepth &&
            state.frame_documents < kMaxFrameDocuments) {
          ++state.frame_documents;
          object.document = LoadFile(local, state, nullptr);
        }
      }
      embedded_.push_back(std::move(object));
      continue;  // a frame's own content is its fallback, not part of the page
    }
    if (node->tag == "object" || node->tag == "embed") embedded_.push_back({false, nullptr});
    for (size_t i = node->children.size(); i-- > 0;) pending.push_back(node->children[i].get());
  }
}

HtmlForm* StandaloneDocument::Form(int index) {
  if (index < 0 || index >= FormCount()) return nullptr;
  return forms_[index].get();
}

const DomNode* StandaloneDocument::body() const {
  for (const auto& top : tree_->children) {
    if (!IsElement(*top, "html")) continue;
    for (const auto& child : top->children)
      if (IsElement(*child, "body") || IsElement(*child, "frameset")) return child.get();
  }
  return nullptr;
}

std::string StandaloneDocument::BodyInnerHtml() {
  const DomNode* element = body();
  return element ? Utf8ToSjis(SerializeInnerHtml(*element)) : std::string();
}

void StandaloneDocument::PutUrl(const std::string& url) { requested_url_ = url; }

const StandaloneControl* StandaloneDocument::ControlFor(const DomNode* element) const {
  auto found = controls_.find(element);
  return found == controls_.end() ? nullptr : found->second;
}

void StandaloneDocument::ClearRadioGroup(const StandaloneControl& ticked) {
  const std::string name = ticked.NameUtf8();
  if (name.empty()) return;
  for (auto& control : forms_[ticked.form_index()]->controls_) {
    if (control.get() == &ticked || control->element_->tag != "input") continue;
    if (ReportedInputType(*control->element_) != "radio" || control->NameUtf8() != name) continue;
    if (control->checked_) {
      control->checked_ = false;
      control->checked_changed_ = true;
    }
  }
}

std::vector<RecordedWrite> StandaloneDocument::Writes() const {
  std::vector<RecordedWrite> writes;
  for (const auto& form : forms_) {
    for (const auto& control : form->controls_) {
      if (!control->written()) continue;
      RecordedWrite write;
      write.form_index = control->form_index();
      write.element_index = control->element_index();
      write.tag = control->element().tag;
      write.type = control->TypeUtf8();
      write.name = control->NameUtf8();
      if (write.tag == "select") {
        write.what = RecordedWrite::What::kSelectedIndex;
        write.option_index = control->selected_index();
        const std::vector<const DomNode*> options = SelectOptions(control->element());
        write.option_text = OptionText(*options[control->selected_index()]);
      } else if (write.type == "checkbox" || write.type == "radio") {
        write.what = RecordedWrite::What::kChecked;
        write.checked = control->checked();
      } else {
        write.what = RecordedWrite::What::kValue;
        write.value = control->written_value();
      }
      writes.push_back(std::move(write));
    }
  }
  return writes;
}

}  // namespace kakikomi
