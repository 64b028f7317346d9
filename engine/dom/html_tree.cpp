#include "engine/dom/html_tree.h"

#include <gumbo.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/dom/element_facts.h"
#include "engine/dom/markup_scan.h"

namespace kakikomi {
namespace {

// Every block gumbo allocates is linked here, so the whole parse is freed
// in one loop instead of gumbo's recursive tree destruction, which deep
// pages would overflow.
class GumboMemory {
 public:
  GumboMemory() { head_.prev = head_.next = &head_; }
  ~GumboMemory() {
    for (Block* block = head_.next; block != &head_;) {
      Block* next = block->next;
      std::free(block);
      block = next;
    }
  }
  GumboMemory(const GumboMemory&) = delete;
  GumboMemory& operator=(const GumboMemory&) = delete;

  static void* Allocate(void* userdata, size_t size) {
    auto* memory = static_cast<GumboMemory*>(userdata);
    auto* block = static_cast<Block*>(std::malloc(sizeof(Block) + size));
    if (!block) std::abort();  // gumbo cannot recover from a failed allocation
    block->next = memory->head_.next;
    block->prev = &memory->head_;
    memory->head_.next->prev = block;
    memory->head_.next = block;
    return block + 1;
  }
  static void Deallocate(void*, void* pointer) {
    if (!pointer) return;
    Block* block = static_cast<Block*>(pointer) - 1;
    block->prev->next = block->next;
    block->next->prev = block->prev;
    std::free(block);
  }

 private:
  struct alignas(16) Block {
    Block* prev;
    Block* next;
  };
  Block head_;
};

std::string TagName(const GumboElement& element) {
  std::string name;
  if (element.tag != GUMBO_TAG_UNKNOWN) {
    name = gumbo_normalized_tagname(element.tag);
  } else {
    GumboStringPiece piece = element.original_tag;
    gumbo_tag_from_original_text(&piece);
    name.assign(piece.data, piece.length);
  }
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

// The parts of the text that browsers keep as the text of a <noscript>.
class NoscriptText {
 public:
  explicit NoscriptText(std::vector<std::pair<size_t, size_t>> ranges)
      : ranges_(std::move(ranges)) {}
  // Whether the node that starts at `offset` lies inside such a text.
  bool Covers(size_t offset) const {
    auto after = std::upper_bound(ranges_.begin(), ranges_.end(), offset,
                                  [](size_t at, const auto& range) { return at < range.first; });
    return after != ranges_.begin() && offset < std::prev(after)->second;
  }
  // The text that follows a <noscript> start tag ending at `tag_end`, or
  // null when the scan saw no such element there.
  const std::pair<size_t, size_t>* StartingAt(size_t tag_end) const {
    auto found =
        std::lower_bound(ranges_.begin(), ranges_.end(), std::make_pair(tag_end, size_t{0}));
    return found != ranges_.end() && found->first == tag_end ? &*found : nullptr;
  }

 private:
  std::vector<std::pair<size_t, size_t>> ranges_;
};

// Where the node's source begins, for nodes that came from the text.
bool SourceOffset(const GumboNode* node, size_t* offset) {
  switch (node->type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
      if (node->v.element.original_tag.length == 0) return false;
      *offset = node->v.element.start_pos.offset;
      return true;
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
    case GUMBO_NODE_COMMENT:
      if (node->v.text.original_text.length == 0) return false;
      *offset = node->v.text.start_pos.offset;
      return true;
    default:
      return false;
  }
}

const GumboVector* ChildrenOf(const GumboNode* node) {
  switch (node->type) {
    case GUMBO_NODE_DOCUMENT:
      return &node->v.document.children;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
      return &node->v.element.children;
    default:
      return nullptr;
  }
}

}  // namespace

ParsedHtml ParseHtml(std::string_view utf8) {
  ParsedHtml parsed;
  const MarkupScan scan = ScanMarkup(utf8, kMaxMarkupDepth);
  if (scan.too_deep) {
    parsed.error = "markup nested more than " + std::to_string(kMaxMarkupDepth) + " levels deep";
    return parsed;
  }
  parsed.form_end_offsets = scan.form_end_offsets;
  const NoscriptText noscript(scan.noscript_text);

  GumboMemory memory;
  GumboOptions options = kGumboDefaultOptions;
  options.allocator = &GumboMemory::Allocate;
  options.deallocator = &GumboMemory::Deallocate;
  options.userdata = &memory;
  options.max_errors = 0;  // recorded errors copy the open elements and cost memory
  GumboOutput* output = gumbo_parse_with_options(&options, utf8.data(), utf8.size());

  parsed.document = std::make_unique<DomNode>();
  parsed.document->tag = "#document";

  // Depth-first, children in order; `parent` is where the node goes and
  // `grandparent` takes the node instead once `parent` is at the depth limit.
  struct Pending {
    const GumboNode* node;
    DomNode* parent;
    int parent_depth;
    DomNode* grandparent;
  };
  std::vector<Pending> pending;
  auto push_children = [&](const GumboNode* node, DomNode* into, int depth, DomNode* above) {
    const GumboVector* children = ChildrenOf(node);
    if (!children) return;
    for (unsigned i = children->length; i-- > 0;)
      pending.push_back({static_cast<const GumboNode*>(children->data[i]), into, depth, above});
  };
  push_children(output->document, parsed.document.get(), 0, nullptr);
  while (!pending.empty()) {
    const Pending item = pending.back();
    pending.pop_back();
    DomNode* parent = item.parent;
    int depth = item.parent_depth + 1;
    if (item.parent_depth >= kMaxTreeDepth && item.grandparent) {
      parent = item.grandparent;
      depth = item.parent_depth;
    }
    auto node = std::make_unique<DomNode>();
    const GumboNode* source = item.node;
    size_t offset = 0;
    // The parser read a <noscript>'s content as markup; browsers with
    // scripts on see only its text, so the nodes made from it are dropped.
    if (SourceOffset(source, &offset) && noscript.Covers(offset)) continue;
    switch (source->type) {
      case GUMBO_NODE_ELEMENT:
      case GUMBO_NODE_TEMPLATE: {
        const GumboElement& element = source->v.element;
        node->type = DomNode::Type::kElement;
        node->tag = TagName(element);
        for (unsigned i = 0; i < element.attributes.length; ++i) {
          const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
          node->attributes.emplace_back(attribute->name, attribute->value);
        }
        // Only forms and the controls they list are ordered by their offsets.
        if (element.original_tag.length > 0 && (node->tag == "form" || IsListedElement(*node)))
          parsed.source_offsets[node.get()] = element.start_pos.offset;
        break;
      }
      case GUMBO_NODE_TEXT:
      case GUMBO_NODE_WHITESPACE:
      case GUMBO_NODE_CDATA:
        node->type = DomNode::Type::kText;
        node->text = source->v.text.text;
        break;
      case GUMBO_NODE_COMMENT:
        node->type = DomNode::Type::kComment;
        node->text = source->v.text.text;
        break;
      default:
        continue;
    }
    DomNode* added = node.get();
    parent->children.push_back(std::move(node));
    if (added->tag == "noscript" && source->type == GUMBO_NODE_ELEMENT &&
        source->v.element.tag_namespace == GUMBO_NAMESPACE_HTML &&
        source->v.element.original_tag.length > 0) {
      const size_t tag_end =
          source->v.element.start_pos.offset + source->v.element.original_tag.length;
      if (const auto* text = noscript.StartingAt(tag_end)) {
        if (text->second > text->first) {
          auto content = std::make_unique<DomNode>();
          content->type = DomNode::Type::kText;
          content->text = std::string(utf8.substr(text->first, text->second - text->first));
          added->children.push_back(std::move(content));
        }
        continue;
      }
    }
    push_children(source, added, depth, parent);
  }
  // The whole parse is freed with `memory`; gumbo_destroy_output would
  // walk the tree recursively.
  return parsed;
}

}  // namespace kakikomi
