// Messages that arrive from the extension without being an answer to a
// request go to one handler per message type; anything else is ignored with
// its reason in the log.
#pragma once

#include <functional>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

namespace kakikomi::bridge {

class MessageDispatcher {
 public:
  using Handler = std::function<void(const nlohmann::json&)>;

  void On(const std::string& type, Handler handler) { handlers_[type] = std::move(handler); }

  // True when a handler took the message.
  bool Dispatch(const nlohmann::json& message) const;

 private:
  std::map<std::string, Handler> handlers_;
};

}  // namespace kakikomi::bridge
