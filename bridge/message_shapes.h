// The shapes of the messages a host accepts from the extension, checked
// field by field before anything is used. Every parser returns nothing and
// names the reason when a message does not have the expected shape.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/dom/dom_node.h"

namespace kakikomi::bridge {

// Sent by the service worker when it starts a host for a tab.
struct StartMessage {
  int version = 0;
  int tab = -1;
};

// One listed element of a form, texts in UTF-8 as the browser reports them.
struct ControlInfo {
  std::string tag;  // "select", "input", "textarea" or "other"
  std::string type, name, value;
  int max_length = -1;
  int size = 0;
};

// A frame or inline frame (browser, with the frame id the extension knows
// it by, -1 when it holds no document) or another embedded object.
struct FrameRef {
  bool browser = false;
  int frame_id = -1;
};

// Everything the engine reads from one document, taken at once.
struct FrameSnapshot {
  std::string ready_state;
  long long token = 0;  // names the snapshot in later writes
  std::vector<std::vector<ControlInfo>> forms;
  std::unique_ptr<DomNode> body;  // null when the document has no body
  std::vector<FrameRef> frames;
};

struct TabState {
  std::string status;  // "complete" once the tab has loaded
};

// A reply must carry its request's integer id and either "ok": true with a
// "result" object or "ok": false with an "error" text.
std::optional<std::string> ReplyProblem(const nlohmann::json& message);

std::optional<StartMessage> ParseStart(const nlohmann::json& message, std::string* reason);
std::optional<TabState> ParseTab(const nlohmann::json& result, std::string* reason);
std::optional<std::string> ParseReadyState(const nlohmann::json& result, std::string* reason);
std::optional<FrameSnapshot> ParseSnapshot(const nlohmann::json& result, std::string* reason);

// The body tree of a snapshot: {"e": tag, "a": [[name, value]...], "c": [...]}
// for elements, {"t": text} and {"m": comment}. Walked without recursion;
// trees deeper than kMaxTreeDepth are refused.
std::unique_ptr<DomNode> ParseTree(const nlohmann::json& tree, std::string* reason);

}  // namespace kakikomi::bridge
