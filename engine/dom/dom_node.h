// A plain element tree: what both document models hand to the serialiser
// that writes a body's innerHTML the way Internet Explorer wrote it. The
// stand-alone model builds it from gumbo; the live model from the tree the
// browser extension sends.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kakikomi {

struct DomNode {
  enum class Type { kElement, kText, kComment };

  Type type = Type::kElement;
  std::string tag;  // elements: lower-case tag name
  // Elements: attributes in source order, names lower-case, values UTF-8.
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;  // text and comment nodes: their content, UTF-8
  std::vector<std::unique_ptr<DomNode>> children;
};

// The children of `element` serialised as Internet Explorer's innerHTML
// (upper-case tag names, IE's attribute spellings and quoting, entities in
// text), in UTF-8. Iterative, so deeply nested markup cannot overflow the stack.
std::string SerializeInnerHtml(const DomNode& element);

}  // namespace kakikomi
