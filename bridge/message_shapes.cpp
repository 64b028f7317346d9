#include "bridge/message_shapes.h"

#include <limits>
#include <utility>

#include "bridge/bridge_shared.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;

bool Fail(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
  return false;
}

bool IsInt(const json& value) {
  return value.is_number_integer() && value.get<long long>() >= std::numeric_limits<int>::min() &&
         value.get<long long>() <= std::numeric_limits<int>::max();
}

const json* Member(const json& object, const char* name) {
  if (!object.is_object()) return nullptr;
  auto it = object.find(name);
  return it == object.end() ? nullptr : &*it;
}

bool StringMember(const json& object, const char* name, std::string* out) {
  const json* value = Member(object, name);
  if (!value || !value->is_string()) return false;
  *out = value->get<std::string>();
  return true;
}

bool IntMember(const json& object, const char* name, int* out) {
  const json* value = Member(object, name);
  if (!value || !IsInt(*value)) return false;
  *out = value->get<int>();
  return true;
}

bool ParseControl(const json& item, ControlInfo* control, std::string* reason) {
  if (!item.is_object()) return Fail(reason, "a control is not an object");
  if (!StringMember(item, "tag", &control->tag) || !StringMember(item, "type", &control->type) ||
      !StringMember(item, "name", &control->name) ||
      !StringMember(item, "value", &control->value) ||
      !IntMember(item, "maxLength", &control->max_length) ||
      !IntMember(item, "size", &control->size))
    return Fail(reason, "a control lacks tag, type, name, value, maxLength or size");
  const std::string& tag = control->tag;
  if (tag != "select" && tag != "input" && tag != "textarea" && tag != "other")
    return Fail(reason, "a control has an unknown tag");
  return true;
}

// One node's own fields; its children are queued by the caller.
bool FillNode(const json& item, DomNode* node, std::string* reason) {
  if (!item.is_object()) return Fail(reason, "a tree node is not an object");
  if (const json* text = Member(item, "t")) {
    if (!text->is_string()) return Fail(reason, "a text node is not a text");
    node->type = DomNode::Type::kText;
    node->text = text->get<std::string>();
    return true;
  }
  if (const json* comment = Member(item, "m")) {
    if (!comment->is_string()) return Fail(reason, "a comment node is not a text");
    node->type = DomNode::Type::kComment;
    node->text = comment->get<std::string>();
    return true;
  }
  const json* tag = Member(item, "e");
  const json* attributes = Member(item, "a");
  const json* children = Member(item, "c");
  if (!tag || !tag->is_string() || tag->get_ref<const std::string&>().empty() || !attributes ||
      !attributes->is_array() || !children || !children->is_array())
    return Fail(reason, "an element node lacks its tag, attributes or children");
  node->type = DomNode::Type::kElement;
  node->tag = tag->get<std::string>();
  for (const json& pair : *attributes) {
    if (!pair.is_array() || pair.size() != 2 || !pair[0].is_string() || !pair[1].is_string())
      return Fail(reason, "an attribute is not a pair of texts");
    node->attributes.emplace_back(pair[0].get<std::string>(), pair[1].get<std::string>());
  }
  return true;
}

}  // namespace

std::optional<std::string> ReplyProblem(const json& message) {
  const json* id = Member(message, "id");
  if (!id || !IsInt(*id)) return "a reply has no integer id";
  const json* ok = Member(message, "ok");
  if (!ok || !ok->is_boolean()) return "a reply has no ok flag";
  if (ok->get<bool>()) {
    const json* result = Member(message, "result");
    if (!result || !result->is_object()) return "a reply has no result object";
  } else {
    const json* error = Member(message, "error");
    if (!error || !error->is_string()) return "a failed reply has no error text";
  }
  return std::nullopt;
}

std::optional<StartMessage> ParseStart(const json& message, std::string* reason) {
  StartMessage start;
  std::string type;
  if (!StringMember(message, "type", &type) || type != "start") {
    Fail(reason, "not a start message");
    return std::nullopt;
  }
  if (!IntMember(message, "version", &start.version) || !IntMember(message, "tab", &start.tab) ||
      start.tab < 0) {
    Fail(reason, "a start message lacks its version or tab");
    return std::nullopt;
  }
  if (start.version != kProtocolVersion) {
    Fail(reason, "the extension speaks protocol version " + std::to_string(start.version));
    return std::nullopt;
  }
  return start;
}

std::optional<TabState> ParseTab(const json& result, std::string* reason) {
  TabState tab;
  if (!StringMember(result, "status", &tab.status)) {
    Fail(reason, "a tab state has no status");
    return std::nullopt;
  }
  return tab;
}

std::optional<std::string> ParseReadyState(const json& result, std::string* reason) {
  std::string state;
  if (!StringMember(result, "readyState", &state)) {
    Fail(reason, "an answer has no ready state");
    return std::nullopt;
  }
  return state;
}

std::unique_ptr<DomNode> ParseTree(const json& tree, std::string* reason) {
  auto root = std::make_unique<DomNode>();
  if (!FillNode(tree, root.get(), reason)) return nullptr;
  if (root->type != DomNode::Type::kElement) {
    Fail(reason, "the body is not an element");
    return nullptr;
  }
  struct Pending {
    const json* source;
    DomNode* node;
    int depth;
  };
  std::vector<Pending> stack{{&tree, root.get(), 1}};
  while (!stack.empty()) {
    Pending current = stack.back();
    stack.pop_back();
    if (current.node->type != DomNode::Type::kElement) continue;
    const json& children = (*current.source)["c"];
    if (!children.empty() && current.depth >= kMaxTreeDepth) {
      Fail(reason, "the body is nested too deeply");
      return nullptr;
    }
    for (const json& child : children) {
      auto node = std::make_unique<DomNode>();
      if (!FillNode(child, node.get(), reason)) return nullptr;
      current.node->children.push_back(std::move(node));
      stack.push_back({&child, current.node->children.back().get(), current.depth + 1});
    }
  }
  return root;
}

std::optional<FrameSnapshot> ParseSnapshot(const json& result, std::string* reason) {
  FrameSnapshot snapshot;
  const json* token = Member(result, "token");
  const json* forms = Member(result, "forms");
  const json* body = Member(result, "body");
  const json* frames = Member(result, "frames");
  if (!StringMember(result, "readyState", &snapshot.ready_state) || !token ||
      !token->is_number_integer() || !forms || !forms->is_array() || !body || !frames ||
      !frames->is_array()) {
    Fail(reason, "a snapshot lacks its ready state, token, forms, body or frames");
    return std::nullopt;
  }
  snapshot.token = token->get<long long>();
  for (const json& form : *forms) {
    if (!form.is_array()) {
      Fail(reason, "a form is not a list of controls");
      return std::nullopt;
    }
    std::vector<ControlInfo>& controls = snapshot.forms.emplace_back();
    for (const json& item : form)
      if (!ParseControl(item, &controls.emplace_back(), reason)) return std::nullopt;
  }
  if (!body->is_null()) {
    snapshot.body = ParseTree(*body, reason);
    if (!snapshot.body) return std::nullopt;
  }
  for (const json& item : *frames) {
    FrameRef frame;
    const json* browser = Member(item, "browser");
    if (!browser || !browser->is_boolean() || !IntMember(item, "frameId", &frame.frame_id)) {
      Fail(reason, "an embedded object lacks its browser flag or frame id");
      return std::nullopt;
    }
    frame.browser = browser->get<bool>();
    snapshot.frames.push_back(frame);
  }
  return snapshot;
}

}  // namespace kakikomi::bridge
