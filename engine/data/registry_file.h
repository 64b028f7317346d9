// The per-user settings file that stands in for the registry key. It keeps
// each value's name, type (string or bytes) and bytes as the registry held
// them, as JSON:
//   {"Software\\HOSHIZORA\\Hakobune2.0\\Setting":
//       {"AppVer": {"type": "string", "data": "32353100"},
//        "UserNum": {"type": "bytes", "data": "00"}}}
// "data" is the bytes in hexadecimal; strings carry their terminator.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace kakikomi {

class RegistryFile {
 public:
  // Opens the key of `path`. False (and no values) when the file is missing,
  // too large, damaged or has no such key; malformed values are skipped.
  bool Open(const std::string& path, const std::string& key);

  // The bytes of a value that fits into `capacity` bytes; a longer value
  // counts as missing, as does one of another type.
  std::optional<std::string> GetBytes(const std::string& name, size_t capacity) const;
  // A string value's text (without its terminator) when it fits, with its
  // terminator, into `capacity` bytes.
  std::optional<std::string> GetString(const std::string& name, size_t capacity) const;

  void SetBytes(const std::string& name, const std::string& bytes);
  void SetByte(const std::string& name, uint8_t byte) {
    SetBytes(name, std::string(1, char(byte)));
  }
  void SetInt32(const std::string& name, int value);
  void SetString(const std::string& name, const std::string& text);
  void Delete(const std::string& name) { values_.erase(name); }

  // Writes the key back into `path`, keeping any other keys the file had,
  // atomically and owner-only. False when it could not be written.
  bool Save(const std::string& path, const std::string& key) const;

 private:
  struct Value {
    bool is_string = false;
    std::string bytes;
  };
  std::map<std::string, Value> values_;
  std::string other_keys_;  // the file's other keys, as JSON text
};

// The little-endian 4-byte integer the registry stores for positions and sizes.
std::optional<int> Int32FromBytes(const std::optional<std::string>& bytes);

}  // namespace kakikomi
