// What a browser reports about an element of the tree: attributes, the
// input type after its normalisation, listed elements, option texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/dom/dom_node.h"

namespace kakikomi {

// The attribute's value, or nullptr when the element has none.
const std::string* AttributeOf(const DomNode& element, std::string_view name);

bool IsElement(const DomNode& node, std::string_view tag);

// The type of an input as the browser reports it: lower case, and "text"
// for a missing or unknown type.
std::string ReportedInputType(const DomNode& input);

// Elements that a form's elements collection lists.
bool IsListedElement(const DomNode& element);

// A non-negative integer attribute as browsers parse it (leading spaces,
// digits, anything after them ignored); -1 when absent or not a number.
int NonNegativeIntegerAttribute(const DomNode& element, std::string_view name);

// The options of a select: its option children and those of its optgroup
// children, in order.
std::vector<const DomNode*> SelectOptions(const DomNode& select);

// An option's text as option.text reports it: the text of its descendants
// with runs of white space collapsed and the ends trimmed.
std::string OptionText(const DomNode& option);

}  // namespace kakikomi
