#include "bridge/write_batch.h"

#include "bridge/bridge_log.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;

json WriteItem(const PendingWrite& write) {
  json item = {{"control", write.control}};
  switch (write.op) {
    case PendingWrite::Op::kValue:
      item["op"] = "value";
      item["value"] = write.value;
      break;
    case PendingWrite::Op::kSelect:
      item["op"] = "select";
      item["index"] = write.index;
      break;
    case PendingWrite::Op::kCheck:
      item["op"] = "check";
      break;
  }
  return item;
}

size_t JsonSize(const json& value) {
  return value.dump(-1, ' ', false, json::error_handler_t::replace).size();
}

}  // namespace

std::vector<json> SplitIntoBatches(int frame, long long token,
                                   const std::vector<PendingWrite>& writes, size_t budget) {
  const json empty = {
      {"op", "write"}, {"frame", frame}, {"token", token}, {"writes", json::array()}};
  const size_t base = JsonSize(empty);
  std::vector<json> batches;
  json current = empty;
  size_t size = base;
  for (const PendingWrite& write : writes) {
    json item = WriteItem(write);
    const size_t item_size = JsonSize(item) + 1;  // and its comma
    if (base + item_size > budget) {
      LogReason("a value too large for one message was not written");
      continue;
    }
    if (size + item_size > budget) {
      batches.push_back(std::move(current));
      current = empty;
      size = base;
    }
    current["writes"].push_back(std::move(item));
    size += item_size;
  }
  if (!current["writes"].empty()) batches.push_back(std::move(current));
  return batches;
}

}  // namespace kakikomi::bridge
