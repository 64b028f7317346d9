#include "engine/dom/element_facts.h"

#include <climits>

namespace kakikomi {
namespace {

// The input types browsers know; every other value reads as "text".
const char* const kInputTypes[] = {
    "hidden", "text",  "search",         "tel",    "url",   "email", "password", "date",  "month",
    "week",   "time",  "datetime-local", "number", "range", "color", "checkbox", "radio", "file",
    "submit", "image", "reset",          "button",
};

const char* const kListedTags[] = {"button", "fieldset", "input",   "object",
                                   "output", "select",   "textarea"};

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

}  // namespace

const std::string* AttributeOf(const DomNode& element, std::string_view name) {
  for (const auto& [key, value] : element.attributes)
    if (key == name) return &value;
  return nullptr;
}

bool IsElement(const DomNode& node, std::string_view tag) {
  return node.type == DomNode::Type::kElement && node.tag == tag;
}

std::string ReportedInputType(const DomNode& input) {
  const std::string* type = AttributeOf(input, "type");
  if (!type) return "text";
  std::string lowered;
  for (char c : *type) lowered += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  for (const char* known : kInputTypes)
    if (lowered == known) return lowered;
  return "text";
}

bool IsListedElement(const DomNode& element) {
  if (element.type != DomNode::Type::kElement) return false;
  for (const char* tag : kListedTags)
    if (element.tag == tag) return true;
  return false;
}

int NonNegativeIntegerAttribute(const DomNode& element, std::string_view name) {
  const std::string* value = AttributeOf(element, name);
  if (!value) return -1;
  size_t i = 0;
  while (i < value->size() && IsHtmlSpace((*value)[i])) ++i;
  if (i < value->size() && (*value)[i] == '+') ++i;
  if (i >= value->size() || (*value)[i] < '0' || (*value)[i] > '9') return -1;
  long long number = 0;
  for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
    number = number * 10 + ((*value)[i] - '0');
    if (number > INT_MAX) return -1;
  }
  return static_cast<int>(number);
}

std::vector<const DomNode*> SelectOptions(const DomNode& select) {
  std::vector<const DomNode*> options;
  for (const auto& child : select.children) {
    if (IsElement(*child, "option")) {
      options.push_back(child.get());
    } else if (IsElement(*child, "optgroup")) {
      for (const auto& grandchild : child->children)
        if (IsElement(*grandchild, "option")) options.push_back(grandchild.get());
    }
  }
  return options;
}

std::string OptionText(const DomNode& option) {
  std::string raw;
  std::vector<const DomNode*> pending{&option};
  while (!pending.empty()) {
    const DomNode* node = pending.back();
    pending.pop_back();
    if (node->type == DomNode::Type::kText) raw += node->text;
    if (node->type != DomNode::Type::kElement || IsElement(*node, "script")) continue;
    for (size_t i = node->children.size(); i-- > 0;) pending.push_back(node->children[i].get());
  }
  std::string text;
  bool space = false;
  for (char c : raw) {
    if (IsHtmlSpace(c)) {
      space = !text.empty();
      continue;
    }
    if (space) text += ' ';
    space = false;
    text += c;
  }
  return text;
}

}  // namespace kakikomi
