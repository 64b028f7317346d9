// What the live document model needs from the browser: send one request and
// get its answer. The quick-input host does it over native messaging; the
// main program can do it over its socket through the same interface.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "bridge/bridge_shared.h"

namespace kakikomi::bridge {

// Errors a channel gives itself (the other side's own errors are texts
// such as "no frame" or "no tab").
inline constexpr char kErrorClosed[] = "channel closed";
inline constexpr char kErrorTimeout[] = "no answer in time";

class BrowserChannel {
 public:
  struct Reply {
    bool ok = false;
    nlohmann::json result;  // an object when ok
    std::string error;      // the other side's reason when not ok
  };

  virtual ~BrowserChannel() = default;

  // `request` is an object with "op" and its arguments; the channel adds
  // the id. A channel that has gone, a time-out or a malformed answer come
  // back as a failed reply.
  virtual Reply Call(nlohmann::json request) = 0;

  // The largest request, in bytes of JSON, the other side accepts.
  virtual size_t MaxRequestBytes() const { return kMaxMessageToBrowser; }
};

}  // namespace kakikomi::bridge
