#include "bridge/native_host_channel.h"

#include "bridge/bridge_log.h"
#include "bridge/message_shapes.h"

namespace kakikomi::bridge {

using nlohmann::json;

NativeHostChannel::NativeHostChannel(int in_fd, int out_fd, int reply_timeout_ms)
    : stream_(in_fd, out_fd, kMaxMessageFromBrowser, kMaxMessageToBrowser),
      reply_timeout_ms_(reply_timeout_ms) {}

void NativeHostChannel::NoteClosed(const std::string& reason) {
  if (reported_closed_) return;
  reported_closed_ = true;
  if (!reason.empty()) LogReason(reason);
  if (on_closed_) on_closed_();
}

bool NativeHostChannel::ReceiveOne(int timeout_ms) {
  for (;;) {
    NativeMessaging::ReadResult read = stream_.Read(timeout_ms);
    switch (read.status) {
      case NativeMessaging::ReadStatus::kTimeout:
        return false;
      case NativeMessaging::ReadStatus::kClosed:
        NoteClosed(read.reason);
        return false;
      case NativeMessaging::ReadStatus::kRejected:
        LogReason(read.reason);
        if (stream_.closed()) {
          NoteClosed("");
          return false;
        }
        continue;
      case NativeMessaging::ReadStatus::kMessage:
        break;
    }
    if (read.message.contains("id")) {
      LogReason("ignored an answer nobody is waiting for");
      continue;
    }
    if (dispatcher_.Dispatch(read.message)) return true;
  }
}

BrowserChannel::Reply NativeHostChannel::Call(json request) {
  if (stream_.closed()) return {false, json(), kErrorClosed};
  const long long id = next_id_++;
  request["id"] = id;
  if (!stream_.Write(request)) {
    if (stream_.closed()) {
      NoteClosed("the browser has gone");
      return {false, json(), kErrorClosed};
    }
    LogReason("a request over the size limit was not sent");
    return {false, json(), "request too large"};
  }
  // Answers come in order, but one that timed out earlier may still arrive
  // first; anything that is not this request's answer is set aside.
  for (;;) {
    NativeMessaging::ReadResult read = stream_.Read(reply_timeout_ms_);
    switch (read.status) {
      case NativeMessaging::ReadStatus::kTimeout:
        return {false, json(), kErrorTimeout};
      case NativeMessaging::ReadStatus::kClosed:
        NoteClosed(read.reason);
        return {false, json(), kErrorClosed};
      case NativeMessaging::ReadStatus::kRejected:
        LogReason(read.reason);
        if (stream_.closed()) {
          NoteClosed("");
          return {false, json(), kErrorClosed};
        }
        continue;
      case NativeMessaging::ReadStatus::kMessage:
        break;
    }
    const json& message = read.message;
    if (!message.contains("id")) {
      dispatcher_.Dispatch(message);
      continue;
    }
    if (std::optional<std::string> problem = ReplyProblem(message)) {
      LogReason("ignored an answer: " + *problem);
      continue;
    }
    if (message["id"].get<long long>() != id) {
      LogReason("ignored a late answer");
      continue;
    }
    if (!message["ok"].get<bool>()) return {false, json(), message["error"].get<std::string>()};
    return {true, message["result"], {}};
  }
}

}  // namespace kakikomi::bridge
