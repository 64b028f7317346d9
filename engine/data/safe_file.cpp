#include "engine/data/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kakikomi {
namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool EnsurePrivateFolder(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  if (IsFolder(path)) return true;
  const std::string parent = FolderOf(path);
  if (parent != path && !IsFolder(parent) && !EnsurePrivateFolder(parent)) return false;
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
  return IsFolder(path);
}

void MakeOwnerOnly(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 077) != 0)
    ::chmod(path.c_str(), st.st_mode & 0700);
}

bool ReplaceFile(const std::string& path, const std::string& bytes, mode_t mode) {
  std::string temp = path + ".tmp-XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  temp = name.data();
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here leaves a complete file.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool ReadSmallFile(const std::string& path, size_t limit, std::string* bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            static_cast<unsigned long long>(st.st_size) <= limit;
  std::string content;
  char buffer[8192];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    content.append(buffer, static_cast<size_t>(n));
    if (content.size() > limit) ok = false;  // grew while being read
  }
  ::close(fd);
  if (ok) *bytes = std::move(content);
  return ok;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace kakikomi
