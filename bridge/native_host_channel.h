// A BrowserChannel over the native messaging stream of a host the browser
// started: requests go out with increasing ids, and their answers are picked
// out of what comes in. Messages that are not answers go to the dispatcher.
#pragma once

#include <functional>

#include "bridge/browser_channel.h"
#include "bridge/message_dispatcher.h"
#include "bridge/native_messaging.h"

namespace kakikomi::bridge {

class NativeHostChannel : public BrowserChannel {
 public:
  NativeHostChannel(int in_fd, int out_fd, int reply_timeout_ms = kReplyTimeoutMilliseconds);

  Reply Call(nlohmann::json request) override;

  // Reads until a message has been dispatched, the time is up or the
  // stream ends; false unless one was dispatched.
  bool ReceiveOne(int timeout_ms);

  MessageDispatcher& dispatcher() { return dispatcher_; }
  bool closed() const { return stream_.closed(); }

  // Called once when the browser side goes (end of stream, broken pipe, a
  // stream that can no longer be trusted).
  void SetOnClosed(std::function<void()> on_closed) { on_closed_ = std::move(on_closed); }

 private:
  void NoteClosed(const std::string& reason);

  NativeMessaging stream_;
  MessageDispatcher dispatcher_;
  int reply_timeout_ms_;
  long long next_id_ = 1;
  bool reported_closed_ = false;
  std::function<void()> on_closed_;
};

}  // namespace kakikomi::bridge
