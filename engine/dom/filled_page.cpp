#include "engine/dom/filled_page.h"

#include <string_view>
#include <vector>

#include "engine/dom/element_facts.h"

namespace kakikomi {
namespace {

const char* const kVoidElements[] = {"area",  "base",  "br",    "col",    "embed",    "hr",
                                     "img",   "input", "link",  "meta",   "param",    "source",
                                     "track", "wbr",   "frame", "keygen", "basefont", "bgsound"};
const char* const kRawTextElements[] = {"script",  "style",    "xmp",      "iframe",
                                        "noembed", "noframes", "plaintext"};

template <size_t N>
bool InList(std::string_view name, const char* const (&list)[N]) {
  for (const char* entry : list)
    if (name == entry) return true;
  return false;
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '"':
        if (attribute) {
          out += "&quot;";
        } else {
          out += c;
        }
        break;
      case '<':
        if (attribute) {
          out += c;
        } else {
          out += "&lt;";
        }
        break;
      case '>':
        if (attribute) {
          out += c;
        } else {
          out += "&gt;";
        }
        break;
      default:
        out += c;
    }
  }
}

bool DeclaresCharset(const DomNode& element) {
  if (element.tag != "meta") return false;
  if (AttributeOf(element, "charset")) return true;
  const std::string* equiv = AttributeOf(element, "http-equiv");
  if (!equiv) return false;
  std::string lowered;
  for (char c : *equiv) lowered += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lowered == "content-type";
}

// The attributes to write for `element` given the state of its control.
std::vector<std::pair<std::string, std::string>> AttributesAfterFill(
    const DomNode& element, const StandaloneControl* control, const DomNode* select_option_of,
    bool option_selected) {
  std::vector<std::pair<std::string, std::string>> attributes;
  for (const auto& attribute : element.attributes) {
    if (control && control->value_written() && element.tag == "input" && attribute.first == "value")
      continue;
    if (control && control->checked_changed() && attribute.first == "checked") continue;
    if (select_option_of && attribute.first == "selected") continue;
    attributes.push_back(attribute);
  }
  if (control && control->value_written() && element.tag == "input")
    attributes.emplace_back("value", control->written_value());
  if (control && control->checked_changed() && control->checked())
    attributes.emplace_back("checked", "");
  if (select_option_of && option_selected) attributes.emplace_back("selected", "");
  return attributes;
}

}  // namespace

std::string SerializeFilledPage(const StandaloneDocument& document) {
  std::string out = "<!DOCTYPE html>\n";
  struct Frame {
    const DomNode* node;
    size_t next_child;
    const StandaloneControl* select;  // the written select this node is inside
  };
  std::vector<Frame> stack{{&document.tree(), 0, nullptr}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const DomNode& node = *frame.node;
    const StandaloneControl* control = document.ControlFor(&node);
    const bool written_textarea = control && node.tag == "textarea" && control->value_written();
    if (frame.next_child == node.children.size() || (written_textarea && frame.next_child == 0)) {
      if (written_textarea) AppendEscaped(out, control->written_value(), false);
      if (stack.size() > 1 && !InList(node.tag, kVoidElements)) {
        out += "</";
        out += node.tag;
        out += '>';
      }
      stack.pop_back();
      continue;
    }
    const DomNode& child = *node.children[frame.next_child++];
    const StandaloneControl* select = frame.select;
    switch (child.type) {
      case DomNode::Type::kText:
        if (InList(node.tag, kRawTextElements)) {
          out += child.text;
        } else {
          AppendEscaped(out, child.text, false);
        }
        break;
      case DomNode::Type::kComment:
        out += "<!--";
        out += child.text;
        out += "-->";
        break;
      case DomNode::Type::kElement: {
        if (DeclaresCharset(child)) break;
        const StandaloneControl* child_control = document.ControlFor(&child);
        bool selected = false;
        const bool option = select && child.tag == "option";
        if (option) {
          const std::vector<const DomNode*> options = SelectOptions(select->element());
          const int index = select->selected_index();
          selected =
              index >= 0 && index < static_cast<int>(options.size()) && options[index] == &child;
        }
        out += '<';
        out += child.tag;
        for (const auto& [name, value] :
             AttributesAfterFill(child, child_control, option ? &child : nullptr, selected)) {
          out += ' ';
          out += name;
          out += "=\"";
          AppendEscaped(out, value, true);
          out += '"';
        }
        out += '>';
        if (child.tag == "head") out += "<meta charset=\"utf-8\">";
        const bool written_select =
            child_control && child.tag == "select" && child_control->selection_written();
        stack.push_back({&child, 0, written_select ? child_control : select});
        break;
      }
    }
  }
  return out;
}

}  // namespace kakikomi
