// HTML (UTF-8) parsed into a DomNode tree by gumbo's HTML5 tree builder.
// Nesting deeper than browsers keep is flattened the way they do it, and
// pages nested absurdly deep are refused before the parser sees them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/dom/dom_node.h"

namespace kakikomi {

// Elements deeper than this are attached beside their parent instead of
// inside it (Chromium's parser does the same at this depth).
inline constexpr int kMaxTreeDepth = 512;
// Pages whose markup opens more elements than this at once are refused.
inline constexpr int kMaxMarkupDepth = 1024;

struct ParsedHtml {
  // A root element (tag "#document") holding the document's top nodes.
  std::unique_ptr<DomNode> document;
  // For every form and listed element that came from a start tag: the byte
  // offset of its "<" in the parsed text, which orders it against the form
  // end tags.
  std::unordered_map<const DomNode*, size_t> source_offsets;
  std::vector<size_t> form_end_offsets;
  // Empty on success; otherwise why the page was refused.
  std::string error;
};

ParsedHtml ParseHtml(std::string_view utf8);

}  // namespace kakikomi
