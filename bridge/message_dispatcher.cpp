#include "bridge/message_dispatcher.h"

#include "bridge/bridge_log.h"

namespace kakikomi::bridge {

bool MessageDispatcher::Dispatch(const nlohmann::json& message) const {
  auto type = message.find("type");
  if (type == message.end() || !type->is_string()) {
    LogReason("ignored a message without a type");
    return false;
  }
  auto handler = handlers_.find(type->get<std::string>());
  if (handler == handlers_.end()) {
    LogReason("ignored a message of unknown type '" + type->get<std::string>() + "'");
    return false;
  }
  handler->second(message);
  return true;
}

}  // namespace kakikomi::bridge
