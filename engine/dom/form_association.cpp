#include "engine/dom/form_association.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "engine/dom/element_facts.h"

namespace kakikomi {
namespace {

struct ListedElement {
  DomNode* element;
  DomNode* enclosing_form;  // nearest form ancestor, or null
};

// The form the parser's form element pointer names when the start tag at
// `offset` is read: the latest form opened before it, unless a </form>
// came between.
class FormPointerTimeline {
 public:
  FormPointerTimeline(const ParsedHtml& parsed, const std::vector<DomNode*>& forms)
      : ends_(parsed.form_end_offsets) {
    for (DomNode* form : forms) {
      auto found = parsed.source_offsets.find(form);
      if (found != parsed.source_offsets.end()) starts_.emplace_back(found->second, form);
    }
    std::sort(starts_.begin(), starts_.end());
    std::sort(ends_.begin(), ends_.end());
  }

  DomNode* At(size_t offset) const {
    auto after = std::lower_bound(starts_.begin(), starts_.end(), std::make_pair(offset, nullptr),
                                  [](const auto& a, const auto& b) { return a.first < b.first; });
    if (after == starts_.begin()) return nullptr;
    const auto& [start, form] = *std::prev(after);
    auto end = std::upper_bound(ends_.begin(), ends_.end(), start);
    if (end != ends_.end() && *end < offset) return nullptr;
    return form;
  }

 private:
  std::vector<std::pair<size_t, DomNode*>> starts_;
  std::vector<size_t> ends_;
};

}  // namespace

std::vector<FormListing> ListForms(const ParsedHtml& parsed) {
  std::vector<DomNode*> forms;
  std::vector<ListedElement> listed;
  std::unordered_map<std::string, DomNode*> first_with_id;

  // Tree order walk; `forms_above` holds the form ancestors of the node.
  struct Frame {
    DomNode* node;
    size_t next_child;
    bool is_form;
  };
  std::vector<Frame> stack{{parsed.document.get(), 0, false}};
  std::vector<DomNode*> forms_above;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next_child == frame.node->children.size()) {
      if (frame.is_form) forms_above.pop_back();
      stack.pop_back();
      continue;
    }
    DomNode* child = frame.node->children[frame.next_child++].get();
    if (child->type != DomNode::Type::kElement) continue;
    if (const std::string* id = AttributeOf(*child, "id"); id && !id->empty())
      first_with_id.emplace(*id, child);
    if (IsListedElement(*child))
      listed.push_back({child, forms_above.empty() ? nullptr : forms_above.back()});
    if (child->tag == "template") continue;  // inert content
    const bool is_form = child->tag == "form";
    if (is_form) {
      forms.push_back(child);
      forms_above.push_back(child);
    }
    stack.push_back({child, 0, is_form});
  }

  std::vector<FormListing> listings(forms.size());
  std::unordered_map<const DomNode*, size_t> form_index;
  for (size_t i = 0; i < forms.size(); ++i) {
    listings[i].form = forms[i];
    form_index[forms[i]] = i;
  }
  const FormPointerTimeline pointer(parsed, forms);
  for (const ListedElement& entry : listed) {
    DomNode* owner = nullptr;
    if (const std::string* form_id = AttributeOf(*entry.element, "form")) {
      auto found = first_with_id.find(*form_id);
      if (found != first_with_id.end() && found->second->tag == "form") owner = found->second;
    } else {
      auto offset = parsed.source_offsets.find(entry.element);
      if (offset != parsed.source_offsets.end()) owner = pointer.At(offset->second);
      if (!owner) owner = entry.enclosing_form;
    }
    if (!owner) continue;
    if (entry.element->tag == "input" && ReportedInputType(*entry.element) == "image") continue;
    listings[form_index[owner]].elements.push_back(entry.element);
  }
  return listings;
}

}  // namespace kakikomi
