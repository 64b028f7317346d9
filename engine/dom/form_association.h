// Which form each control belongs to, as a browser decides it while it
// parses: the parser's form element pointer (so the controls of a
// <table><form><tr>... page belong to the form although they are not inside
// it), then the form= attribute, then the nearest enclosing form.
#pragma once

#include <vector>

#include "engine/dom/dom_node.h"
#include "engine/dom/html_tree.h"

namespace kakikomi {

struct FormListing {
  DomNode* form = nullptr;
  // The form's elements collection: its listed elements in tree order
  // (image buttons are not listed).
  std::vector<DomNode*> elements;
};

// document.forms in tree order, each with its elements. Content of
// <template> elements belongs to no document and is left out.
std::vector<FormListing> ListForms(const ParsedHtml& parsed);

}  // namespace kakikomi
