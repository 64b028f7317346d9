// Names and limits shared by the extension, the native hosts and their
// installer. The extension's own copies (service_worker.js) must agree.
#pragma once

#include <cstddef>

namespace kakikomi::bridge {

// Native messaging host names (lower case, dots and underscores only).
inline constexpr char kQuickInputHost[] = "jp.hoshizora.hayate";

// The extension's fixed id, derived from the public key in its manifest.
inline constexpr char kExtensionId[] = "pjdnkabdmfgjfncgjgkjmeacmhfnlamn";

inline constexpr int kProtocolVersion = 1;

// The browser refuses a message of more than 1 MB from a host, and sends a
// host at most 64 MiB in one message.
inline constexpr size_t kMaxMessageToBrowser = 1024 * 1024;
inline constexpr size_t kMaxMessageFromBrowser = 64 * 1024 * 1024;

// Room left in a write batch for everything but the values themselves.
inline constexpr size_t kWriteBatchBudget = kMaxMessageToBrowser - 4096;

// An answer that takes longer means the frame's page is stuck in its own
// scripts; the frame then counts as unresponsive for the rest of the fill.
inline constexpr int kReplyTimeoutMilliseconds = 5000;

// Deeper element trees are refused rather than walked.
inline constexpr int kMaxTreeDepth = 4096;

}  // namespace kakikomi::bridge
