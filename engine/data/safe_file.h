// File system steps the stores need: owner-only folders, bounded reads, and
// replacing a file only once its new content is safely on disk.
#pragma once

#include <sys/types.h>
#include <string>

namespace kakikomi {

// Creates `folder` and any missing parents with mode 0700. True when it
// exists as a folder afterwards.
bool EnsurePrivateFolder(const std::string& folder);

// Takes group and other access away from a folder or file of ours.
void MakeOwnerOnly(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file is left as it was.
bool ReplaceFile(const std::string& path, const std::string& bytes, mode_t mode = 0600);

// Reads a regular file of at most `limit` bytes; false for anything else.
bool ReadSmallFile(const std::string& path, size_t limit, std::string* bytes);

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);

}  // namespace kakikomi
