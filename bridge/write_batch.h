// The writes of one document, split into requests the browser accepts: it
// refuses any message of more than 1 MB from a host.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace kakikomi::bridge {

struct PendingWrite {
  enum class Op { kValue, kSelect, kCheck };
  int control = -1;  // position among the snapshot's listed elements
  Op op = Op::kValue;
  std::string value;  // kValue: UTF-8
  int index = -1;     // kSelect
};

// "write" requests for `frame`, in the order of `writes`, each at most
// `budget` bytes of JSON. A single write that cannot fit (a value of about
// a megabyte) is left out, as a control that refuses a value would be.
std::vector<nlohmann::json> SplitIntoBatches(int frame, long long token,
                                             const std::vector<PendingWrite>& writes,
                                             size_t budget);

}  // namespace kakikomi::bridge
