// Reasons the bridge ignores or refuses something go to stderr, which the
// browser keeps in its own log: stdout belongs to the message stream.
#pragma once

#include <string_view>

namespace kakikomi::bridge {

// Prefix of every line; the host programs set their own name.
void SetLogName(std::string_view name);
void LogReason(std::string_view reason);

}  // namespace kakikomi::bridge
