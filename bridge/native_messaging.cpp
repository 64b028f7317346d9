#include "bridge/native_messaging.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kakikomi::bridge {
namespace {

// The rest of a message that has started must not take longer than this,
// however long the caller was prepared to wait for its start.
constexpr int kMinimumBodyMilliseconds = 5000;

}  // namespace

std::string FrameMessage(const std::string& json_text) {
  const uint32_t length = static_cast<uint32_t>(json_text.size());
  std::string framed(sizeof length, '\0');
  std::memcpy(framed.data(), &length, sizeof length);
  framed += json_text;
  return framed;
}

NativeMessaging::Wait NativeMessaging::WaitReadable(int& budget_ms) {
  for (;;) {
    if (budget_ms == 0) return Wait::kTimeout;
    pollfd fd{in_fd_, POLLIN, 0};
    // Silence is measured by poll itself, so that the wait is real time
    // even where tests run the engine on a fake clock.
    const int ready = poll(&fd, 1, budget_ms);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return Wait::kClosed;
    }
    if (ready == 0) {
      budget_ms = 0;
      return Wait::kTimeout;
    }
    // POLLHUP with data still buffered is read first; read() then reports
    // the end of the stream.
    return Wait::kReady;
  }
}

bool NativeMessaging::ReadExactly(char* buffer, size_t size, int& budget_ms) {
  size_t done = 0;
  while (done < size) {
    if (WaitReadable(budget_ms) != Wait::kReady) return false;
    const ssize_t got = read(in_fd_, buffer + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

NativeMessaging::ReadResult NativeMessaging::Read(int timeout_ms) {
  ReadResult result;
  if (closed_) {
    result.reason = "the stream is closed";
    return result;
  }
  int budget = timeout_ms < 0 ? -1 : timeout_ms;
  switch (WaitReadable(budget)) {
    case Wait::kTimeout:
      result.status = ReadStatus::kTimeout;
      return result;
    case Wait::kClosed:
      closed_ = true;
      result.reason = "the stream failed";
      return result;
    case Wait::kReady:
      break;
  }
  int body_budget = std::max(timeout_ms, kMinimumBodyMilliseconds);

  uint32_t length = 0;
  if (!ReadExactly(reinterpret_cast<char*>(&length), sizeof length, body_budget)) {
    closed_ = true;
    result.reason = "the stream ended";
    return result;
  }
  if (length > max_in_) {
    closed_ = true;
    result.status = ReadStatus::kRejected;
    result.reason = "a message of " + std::to_string(length) + " bytes is over the limit";
    return result;
  }
  std::string body(length, '\0');
  if (!ReadExactly(body.data(), length, body_budget)) {
    closed_ = true;
    result.reason = "the stream ended inside a message";
    return result;
  }
  nlohmann::json parsed = nlohmann::json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (parsed.is_discarded() || !parsed.is_object()) {
    result.status = ReadStatus::kRejected;
    result.reason =
        parsed.is_discarded() ? "a message is not valid JSON" : "a message is not a JSON object";
    return result;
  }
  result.status = ReadStatus::kMessage;
  result.message = std::move(parsed);
  return result;
}

bool NativeMessaging::Write(const nlohmann::json& message) {
  if (closed_) return false;
  // Invalid UTF-8 in a value becomes U+FFFD instead of an exception.
  const std::string text = message.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  if (text.size() > max_out_) return false;
  const std::string framed = FrameMessage(text);
  size_t done = 0;
  while (done < framed.size()) {
    const ssize_t put = write(out_fd_, framed.data() + done, framed.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      closed_ = true;
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return true;
}

}  // namespace kakikomi::bridge
