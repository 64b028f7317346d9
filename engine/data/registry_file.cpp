#include "engine/data/registry_file.h"

#include <nlohmann/json.hpp>

#include "engine/data/safe_file.h"

namespace kakikomi {
namespace {

// Far more than the few hundred bytes the program writes.
constexpr size_t kMaxFileSize = 1 << 20;

std::string ToHex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

std::optional<std::string> FromHex(const std::string& hex) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

nlohmann::json ParseFile(const std::string& path) {
  std::string text;
  if (!ReadSmallFile(path, kMaxFileSize, &text)) return nlohmann::json();
  nlohmann::json root = nlohmann::json::parse(text, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return nlohmann::json();
  return root;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

bool RegistryFile::Open(const std::string& path, const std::string& key) {
  values_.clear();
  other_keys_.clear();
  nlohmann::json root = ParseFile(path);
  if (!root.is_object()) return false;
  auto found = root.find(key);
  const bool has_key = found != root.end() && found->is_object();
  if (has_key) {
    for (const auto& [name, value] : found->items()) {
      if (!value.is_object()) continue;
      auto type = value.find("type");
      auto data = value.find("data");
      if (type == value.end() || data == value.end() || !type->is_string() || !data->is_string())
        continue;
      const std::string type_name = type->get<std::string>();
      if (type_name != "string" && type_name != "bytes") continue;
      std::optional<std::string> bytes = FromHex(data->get<std::string>());
      if (!bytes) continue;
      values_[name] = Value{type_name == "string", std::move(*bytes)};
    }
  }
  if (found != root.end()) root.erase(found);
  other_keys_ = root.dump();
  return has_key;
}

std::optional<std::string> RegistryFile::GetBytes(const std::string& name, size_t capacity) const {
  auto found = values_.find(name);
  if (found == values_.end() || found->second.is_string || found->second.bytes.empty() ||
      found->second.bytes.size() > capacity)
    return std::nullopt;
  return found->second.bytes;
}

std::optional<std::string> RegistryFile::GetString(const std::string& name, size_t capacity) const {
  auto found = values_.find(name);
  if (found == values_.end() || !found->second.is_string || found->second.bytes.size() > capacity)
    return std::nullopt;
  const std::string& bytes = found->second.bytes;
  return bytes.substr(0, bytes.find('\0'));
}

void RegistryFile::SetBytes(const std::string& name, const std::string& bytes) {
  values_[name] = Value{false, bytes};
}

void RegistryFile::SetInt32(const std::string& name, int value) {
  const uint32_t v = static_cast<uint32_t>(value);
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((v >> shift) & 0xFF);
  SetBytes(name, bytes);
}

void RegistryFile::SetString(const std::string& name, const std::string& text) {
  values_[name] = Value{true, text.substr(0, text.find('\0')) + '\0'};
}

bool RegistryFile::Save(const std::string& path, const std::string& key) const {
  nlohmann::json root = nlohmann::json::parse(other_keys_, nullptr, false);
  if (!root.is_object()) root = nlohmann::json::object();
  nlohmann::json values = nlohmann::json::object();
  for (const auto& [name, value] : values_)
    values[name] = {{"type", value.is_string ? "string" : "bytes"}, {"data", ToHex(value.bytes)}};
  root[key] = std::move(values);
  if (!EnsurePrivateFolder(FolderOf(path))) return false;
  // Value names are ASCII; replace anything else rather than fail the save.
  return ReplaceFile(path,
                     root.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
}

std::optional<int> Int32FromBytes(const std::optional<std::string>& bytes) {
  if (!bytes || bytes->size() != 4) return std::nullopt;
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>((*bytes)[i]);
  return static_cast<int>(v);
}

}  // namespace kakikomi
