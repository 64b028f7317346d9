// A light pass over a page's markup before it is parsed: where its </form>
// end tags are (the parser drops the ones that close nothing, yet each of
// them still ends the association of later controls with the open form)
// and how deeply its elements nest (the parser slows down with depth, so
// absurdly deep pages are refused before parsing).
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace kakikomi {

struct MarkupScan {
  // Byte offsets of the "<" of every </form> end tag outside comments, raw
  // text and attribute values, in source order.
  std::vector<size_t> form_end_offsets;
  // The content of every <noscript> element, as [begin, end) byte offsets:
  // with scripts on, browsers keep it as text, not markup.
  std::vector<std::pair<size_t, size_t>> noscript_text;
  // True when the open elements went deeper than the limit; the scan stops
  // there.
  bool too_deep = false;
};

MarkupScan ScanMarkup(std::string_view utf8, int depth_limit);

}  // namespace kakikomi
