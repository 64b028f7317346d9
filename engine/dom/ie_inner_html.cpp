// SerializeInnerHtml: a body's innerHTML the way Internet Explorer wrote it,
// which is the text the label scans were made for.
#include <string_view>

#include "engine/dom/dom_node.h"
#include "engine/dom/element_facts.h"

namespace kakikomi {
namespace {

// Attribute names as Internet Explorer spelled them; others stay as parsed.
struct AttributeSpelling {
  const char* parsed;
  const char* written;
};
const AttributeSpelling kAttributeSpellings[] = {
    {"rowspan", "rowSpan"},
    {"colspan", "colSpan"},
    {"readonly", "readOnly"},
    {"maxlength", "maxLength"},
    {"tabindex", "tabIndex"},
    {"accesskey", "accessKey"},
    {"cellpadding", "cellPadding"},
    {"cellspacing", "cellSpacing"},
    {"valign", "vAlign"},
    {"bgcolor", "bgColor"},
    {"nowrap", "noWrap"},
    {"usemap", "useMap"},
    {"frameborder", "frameBorder"},
    {"marginwidth", "marginWidth"},
    {"marginheight", "marginHeight"},
    {"ismap", "isMap"},
    {"noshade", "noShade"},
    {"noresize", "noResize"},
    {"nohref", "noHref"},
    {"datetime", "dateTime"},
    {"longdesc", "longDesc"},
    {"codebase", "codeBase"},
    {"codetype", "codeType"},
    {"valuetype", "valueType"},
    {"accept-charset", "acceptCharset"},
    {"allowtransparency", "allowTransparency"},
};

// Attributes IE wrote bare, without a value.
const char* const kBooleanAttributes[] = {"checked", "selected", "disabled", "readonly", "multiple",
                                          "nowrap",  "noshade",  "noresize", "ismap",    "compact",
                                          "declare", "defer",    "nohref"};

const char* const kVoidElements[] = {"area",   "base",     "br",      "col",   "embed",
                                     "hr",     "img",      "input",   "link",  "meta",
                                     "param",  "source",   "track",   "wbr",   "frame",
                                     "keygen", "basefont", "bgsound", "image", "isindex"};

// Elements whose text IE kept exactly as written.
const char* const kRawTextElements[] = {"script", "style", "xmp", "plaintext", "noscript"};

bool InList(std::string_view name, const char* const* list, size_t size) {
  for (size_t i = 0; i < size; ++i)
    if (name == list[i]) return true;
  return false;
}
template <size_t N>
bool InList(std::string_view name, const char* const (&list)[N]) {
  return InList(name, list, N);
}

std::string Upper(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string_view WrittenName(std::string_view name) {
  for (const AttributeSpelling& spelling : kAttributeSpellings)
    if (name == spelling.parsed) return spelling.written;
  return name;
}

// IE left simple tokens such as sizes, names and colours unquoted.
bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return true;
  for (unsigned char c : value) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == ':' || c == '#' || c == '%';
    if (!plain) return true;
  }
  return false;
}

void AppendText(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
      out += "&nbsp;";
      ++i;
    } else {
      out += c;
    }
  }
}

void AppendQuotedValue(std::string& out, std::string_view value) {
  out += '"';
  for (char c : value) {
    if (c == '"') {
      out += "&quot;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendStartTag(std::string& out, const DomNode& element) {
  out += '<';
  out += Upper(element.tag);
  const bool input = element.tag == "input";
  for (const auto& [name, value] : element.attributes) {
    out += ' ';
    out += WrittenName(name);
    if (InList(name, kBooleanAttributes)) continue;
    // The type as the browser reports it, so that the tag and the collected
    // control always agree on what the control is.
    const std::string reported = input && name == "type" ? ReportedInputType(element) : "";
    const std::string_view written = reported.empty() ? std::string_view(value) : reported;
    out += '=';
    if (NeedsQuotes(written)) {
      AppendQuotedValue(out, written);
    } else {
      out += written;
    }
  }
  out += '>';
}

}  // namespace

std::string SerializeInnerHtml(const DomNode& element) {
  std::string out;
  struct Frame {
    const DomNode* node;
    size_t next_child;
  };
  std::vector<Frame> stack{{&element, 0}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const DomNode& node = *frame.node;
    if (frame.next_child == node.children.size()) {
      if (stack.size() > 1 && !InList(node.tag, kVoidElements)) {
        out += "</";
        out += Upper(node.tag);
        out += '>';
      }
      stack.pop_back();
      continue;
    }
    const DomNode& child = *node.children[frame.next_child++];
    switch (child.type) {
      case DomNode::Type::kText:
        if (node.type == DomNode::Type::kElement && InList(node.tag, kRawTextElements)) {
          out += child.text;
        } else {
          AppendText(out, child.text);
        }
        break;
      case DomNode::Type::kComment:
        out += "<!--";
        out += child.text;
        out += "-->";
        break;
      case DomNode::Type::kElement:
        AppendStartTag(out, child);
        stack.push_back({&child, 0});
        break;
    }
  }
  return out;
}

}  // namespace kakikomi
