#include "engine/data/cipher.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>

namespace kakikomi {

std::string Md5(std::string_view bytes) {
  md5_ctx ctx;
  md5_init(&ctx);
  md5_update(&ctx, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  std::string digest(MD5_DIGEST_SIZE, '\0');
  md5_digest(&ctx, digest.size(), reinterpret_cast<uint8_t*>(digest.data()));
  return digest;
}

std::string Rc4(std::string_view key, std::string_view bytes) {
  arcfour_ctx ctx;
  arcfour_set_key(&ctx, key.size(), reinterpret_cast<const uint8_t*>(key.data()));
  std::string out(bytes.size(), '\0');
  arcfour_crypt(&ctx, bytes.size(), reinterpret_cast<uint8_t*>(out.data()),
                reinterpret_cast<const uint8_t*>(bytes.data()));
  return out;
}

const std::string& DataFileKey() {
  static const std::string key = Md5("Kumoyuki.exe");
  return key;
}

std::string EncryptDataText(std::string_view plain) { return Rc4(DataFileKey(), plain); }

std::string DecryptDataFile(std::string_view encrypted) {
  constexpr size_t kPiece = 5121;
  const std::string plain = Rc4(DataFileKey(), encrypted);
  std::string result;
  for (size_t start = 0; start < plain.size(); start += kPiece) {
    const std::string_view piece = std::string_view(plain).substr(start, kPiece);
    result.append(piece.substr(0, piece.find('\0')));
  }
  return result;
}

}  // namespace kakikomi
