// The data files' cipher: RC4 over the whole text under the 128-bit key
// MD5("Kumoyuki.exe"), with no header or checksum, so files move freely
// between this system and the Windows program.
#pragma once

#include <string>
#include <string_view>

namespace kakikomi {

// The 16-byte MD5 digest.
std::string Md5(std::string_view bytes);
// RC4 of `bytes` as one stream from its first byte.
std::string Rc4(std::string_view key, std::string_view bytes);

// The key every data file and backup is encrypted with.
const std::string& DataFileKey();
std::string EncryptDataText(std::string_view plain);
// Decrypts as the stored files expect: the plain text of each 5121-byte piece
// ends at its first zero byte.
std::string DecryptDataFile(std::string_view encrypted);

}  // namespace kakikomi
