#include "engine/dom/markup_scan.h"

#include <string>
#include <unordered_map>

namespace kakikomi {
namespace {

bool IsSpace(char c) { return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' '; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool OneOf(const std::string& name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

// Elements that never hold children, and those whose start tag the parser
// never nests (it drops a repeated one or the open one is the document's).
bool TakesNoDepth(const std::string& name) {
  return OneOf(name, {"area",     "base",    "br",    "col",     "embed", "hr",   "img",   "input",
                      "link",     "meta",    "param", "source",  "track", "wbr",  "frame", "keygen",
                      "basefont", "bgsound", "image", "isindex", "html",  "head", "body",  "form"});
}

// Elements whose content the tokeniser takes as text up to their end tag.
bool IsRawText(const std::string& name) {
  return OneOf(name, {"script", "style", "xmp", "iframe", "noembed", "noframes", "noscript",
                      "textarea", "title"});
}

// Start tags that close an open element of their own group first, unless a
// boundary lies between (a new table, list or select opens a new scope).
struct ClosingGroup {
  std::initializer_list<const char*> members;
  std::initializer_list<const char*> boundaries;
};
const ClosingGroup kClosingGroups[] = {
    {{"p"}, {"button", "table", "td", "th", "caption", "object", "marquee", "applet"}},
    {{"li"}, {"ul", "ol", "table", "td", "th"}},
    {{"dt", "dd"}, {"dl", "table", "td", "th"}},
    {{"option", "optgroup"}, {"select"}},
    {{"td", "th"}, {"table"}},
    {{"tr"}, {"table"}},
    {{"thead", "tbody", "tfoot"}, {"table"}},
    {{"a"}, {"table", "td", "th"}},
    {{"nobr"}, {"table", "td", "th"}},
    {{"button"}, {"table", "td", "th"}},
    {{"select"}, {"table"}},
    {{"h1", "h2", "h3", "h4", "h5", "h6"}, {"table", "td", "th", "button"}},
};

class OpenElements {
 public:
  size_t size() const { return stack_.size(); }
  void Push(const std::string& name) {
    stack_.push_back(name);
    ++counts_[name];
  }
  // Pops up to and including the latest `name`, when one is open.
  void PopTo(const std::string& name) {
    auto found = counts_.find(name);
    if (found == counts_.end() || found->second == 0) return;
    while (!stack_.empty()) {
      const std::string top = stack_.back();
      Pop();
      if (top == name) return;
    }
  }
  void CloseGroupFor(const std::string& name) {
    for (const ClosingGroup& group : kClosingGroups) {
      bool member = false;
      for (const char* m : group.members) member = member || name == m;
      if (!member) continue;
      for (size_t i = stack_.size(); i-- > 0;) {
        const std::string& open = stack_[i];
        bool open_member = false;
        for (const char* m : group.members) open_member = open_member || open == m;
        if (open_member) {
          while (stack_.size() > i) Pop();
          return;
        }
        for (const char* b : group.boundaries)
          if (open == b) return;
      }
      return;
    }
  }

 private:
  void Pop() {
    --counts_[stack_.back()];
    stack_.pop_back();
  }
  std::vector<std::string> stack_;
  std::unordered_map<std::string, int> counts_;
};

// Skips a tag's attributes from `pos` to just past its ">" (quoted values
// may hold ">"); returns the text's size when the tag never ends.
size_t SkipAttributes(std::string_view s, size_t pos) {
  while (pos < s.size()) {
    const char c = s[pos];
    if (c == '>') return pos + 1;
    if (c == '"' || c == '\'') {
      // Only a quote right after "=" (and spaces) opens a value.
      size_t back = pos;
      while (back > 0 && IsSpace(s[back - 1])) --back;
      if (back > 0 && s[back - 1] == '=') {
        const size_t end = s.find(c, pos + 1);
        if (end == std::string_view::npos) return s.size();
        pos = end + 1;
        continue;
      }
    }
    ++pos;
  }
  return s.size();
}

// Where the end tag `</name` of a raw-text element begins, or the text's size.
size_t FindRawTextEnd(std::string_view s, size_t from, const std::string& name) {
  for (size_t at = s.find("</", from); at != std::string_view::npos; at = s.find("</", at + 2)) {
    size_t i = 0;
    while (i < name.size() && at + 2 + i < s.size() && Lower(s[at + 2 + i]) == name[i]) ++i;
    if (i != name.size()) continue;
    const size_t after = at + 2 + i;
    if (after >= s.size() || IsSpace(s[after]) || s[after] == '/' || s[after] == '>') return at;
  }
  return s.size();
}

}  // namespace

MarkupScan ScanMarkup(std::string_view s, int depth_limit) {
  MarkupScan scan;
  OpenElements open;
  size_t pos = 0;
  while ((pos = s.find('<', pos)) != std::string_view::npos) {
    if (s.compare(pos, 4, "<!--") == 0) {
      if (s.compare(pos + 4, 1, ">") == 0) {
        pos += 5;
        continue;
      }
      if (s.compare(pos + 4, 2, "->") == 0) {
        pos += 6;
        continue;
      }
      const size_t end = s.find("-->", pos + 4);
      if (end == std::string_view::npos) break;
      pos = end + 3;
      continue;
    }
    const bool end_tag = pos + 1 < s.size() && s[pos + 1] == '/';
    const size_t name_start = pos + (end_tag ? 2 : 1);
    if (name_start >= s.size()) break;
    if (!IsLetter(s[name_start])) {
      if (s[pos + 1] == '!' || s[pos + 1] == '?' || end_tag) {
        const size_t end = s.find('>', pos + 1);
        if (end == std::string_view::npos) break;
        pos = end + 1;
      } else {
        ++pos;  // a "<" in text
      }
      continue;
    }
    size_t name_end = name_start;
    std::string name;
    while (name_end < s.size() && !IsSpace(s[name_end]) && s[name_end] != '/' && s[name_end] != '>')
      name += Lower(s[name_end++]);
    const size_t tag_start = pos;
    pos = SkipAttributes(s, name_end);
    if (end_tag) {
      if (name == "form") scan.form_end_offsets.push_back(tag_start);
      open.PopTo(name);
      continue;
    }
    if (name == "plaintext") break;
    if (IsRawText(name)) {
      const size_t content = pos;
      pos = FindRawTextEnd(s, pos, name);
      if (name == "noscript") scan.noscript_text.emplace_back(content, pos);
      continue;
    }
    if (TakesNoDepth(name)) continue;
    open.CloseGroupFor(name);
    open.Push(name);
    if (static_cast<int>(open.size()) > depth_limit) {
      scan.too_deep = true;
      break;
    }
  }
  return scan;
}

}  // namespace kakikomi
