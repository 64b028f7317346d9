// A scripted browser behind the BrowserChannel interface: a tab, its frames
// with the answers their content scripts would give, and a log of every
// request, for the live model's tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bridge/browser_channel.h"

namespace kakikomi::bridge::testing {

struct FakeFrame {
  int polls_until_complete = 0;  // readyState answers "loading" this often first
  bool answers = true;           // false: every request times out
  nlohmann::json snapshot;       // the "snapshot" result
};

class FakeBrowser : public BrowserChannel {
 public:
  Reply Call(nlohmann::json request) override {
    requests.push_back(request);
    const std::string op = request.value("op", "");
    if (op == "tab") {
      if (!tab_open) return {false, nullptr, "no tab"};
      return {true, {{"status", "complete"}}, {}};
    }
    auto frame = frames.find(request.value("frame", -1));
    if (frame == frames.end()) return {false, nullptr, "no frame"};
    if (!frame->second.answers) return {false, nullptr, kErrorTimeout};
    if (op == "readyState") {
      const bool done = frame->second.polls_until_complete-- <= 0;
      return {true, {{"readyState", done ? "complete" : "loading"}}, {}};
    }
    if (op == "snapshot") return {true, frame->second.snapshot, {}};
    if (op == "write") {
      writes.push_back(request);
      return {true, {{"applied", request["writes"].size()}}, {}};
    }
    return {false, nullptr, "bad request"};
  }
  size_t MaxRequestBytes() const override { return max_request; }

  int CountOf(const std::string& op, int frame) const {
    int n = 0;
    for (const auto& request : requests)
      if (request.value("op", "") == op && request.value("frame", -1) == frame) ++n;
    return n;
  }

  bool tab_open = true;
  size_t max_request = kMaxMessageToBrowser;
  std::map<int, FakeFrame> frames;
  std::vector<nlohmann::json> requests, writes;
};

// A snapshot with the given forms (lists of controls) and child frames.
inline nlohmann::json Snapshot(nlohmann::json forms,
                               nlohmann::json frames = nlohmann::json::array(),
                               nlohmann::json body = nullptr) {
  if (body.is_null()) body = {{"e", "body"}, {"a", nlohmann::json::array()}, {"c", {{{"t", "x"}}}}};
  return {{"readyState", "complete"},
          {"token", 7},
          {"forms", forms},
          {"body", body},
          {"frames", frames}};
}

inline nlohmann::json Control(const std::string& tag, const std::string& type,
                              const std::string& name, const std::string& value = "") {
  return {{"tag", tag},     {"type", type},    {"name", name},
          {"value", value}, {"maxLength", -1}, {"size", 20}};
}

inline nlohmann::json Child(int frame_id) { return {{"browser", true}, {"frameId", frame_id}}; }

}  // namespace kakikomi::bridge::testing
