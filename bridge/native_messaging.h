// The native messaging framing: every message is a 4-byte length in the
// machine's byte order followed by that many bytes of UTF-8 JSON. This class
// only moves messages over two file descriptors (the host's stdin and
// stdout); what they mean is for the channel above it.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace kakikomi::bridge {

class NativeMessaging {
 public:
  enum class ReadStatus { kMessage, kTimeout, kClosed, kRejected };
  struct ReadResult {
    ReadStatus status = ReadStatus::kClosed;
    nlohmann::json message;
    std::string reason;  // why a message was rejected or the stream closed
  };

  NativeMessaging(int in_fd, int out_fd, size_t max_in, size_t max_out)
      : in_fd_(in_fd), out_fd_(out_fd), max_in_(max_in), max_out_(max_out) {}

  // Waits up to `timeout_ms` (-1: without end) for a message to start; the
  // rest of it must follow within the same time (at least a few seconds).
  // A body that is not a JSON object is rejected and the stream goes on; a
  // length over the limit closes the stream, whose framing can no longer be
  // trusted.
  ReadResult Read(int timeout_ms);

  // False when the message is over the limit (nothing is sent) or the other
  // side has gone.
  bool Write(const nlohmann::json& message);

  bool closed() const { return closed_; }

 private:
  enum class Wait { kReady, kTimeout, kClosed };
  // `budget_ms` is how long the stream may stay silent (-1: without end);
  // the time spent waiting is taken off it.
  Wait WaitReadable(int& budget_ms);
  // Reads `size` bytes unless the stream ends or stays silent past the
  // budget.
  bool ReadExactly(char* buffer, size_t size, int& budget_ms);

  int in_fd_, out_fd_;
  size_t max_in_, max_out_;
  bool closed_ = false;
};

// The framed bytes of one message, as the browser expects them.
std::string FrameMessage(const std::string& json_text);

}  // namespace kakikomi::bridge
