#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace zc {
namespace {

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Creates a new side file next to `path`: "NAME.part", or, when that name is taken by anything
// (a stale side file, a link, a folder), "NAME.part-" with a random suffix; a name too long for
// the folder becomes ".part-" with the suffix. The exclusive create never follows a link and
// never opens an existing file.
int createSideFile(const std::string& path, std::string& sideName) {
  static std::mt19937 suffixes{std::random_device{}()};
  std::string stem = path + ".part";
  for (int attempt = 0; attempt < 64; ++attempt) {
    sideName = stem;
    if (attempt > 0) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, "-%08x", static_cast<unsigned>(suffixes()));
      sideName += suffix;
    }
    const int fd =
        ::open(sideName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno == ENAMETOOLONG && stem == path + ".part") {
      stem = folderOf(path) + "/.part";
      continue;
    }
    if (errno != EEXIST && errno != EINTR) return -1;
  }
  return -1;
}

// Makes the rename durable. Some file systems cannot flush a folder; the file itself is already
// on disk then, so that is no failure.
void flushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

int openRegularFileForReading(const std::string& path) {
  struct stat entry;
  if (::stat(path.c_str(), &entry) != 0) {
    if (errno != ENOENT) return -1;
    // Nothing to read: an empty file is made, but only where no entry of that name exists.
    // O_EXCL refuses a dangling link as well as any file that appeared meanwhile.
    return ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  }
  // A FIFO would block the open (and the program with it); a device may act on being opened.
  if (!S_ISREG(entry.st_mode)) return -1;
  // Non-blocking, in case the entry was swapped for a FIFO since the look above.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat opened;
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool readUpTo(int fd, uint8_t* buffer, size_t size, size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return true;
}

void closeFile(int fd) {
  if (fd >= 0) ::close(fd);
}

bool replaceFile(const std::string& path, const uint8_t* data, size_t size, Durability durability) {
  // The replacement keeps who may read the old file; a link or other entry in its place is
  // replaced by a new file with the usual permissions.
  struct stat old;
  const bool keepMode = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);

  std::string sideName;
  const int fd = createSideFile(path, sideName);
  if (fd < 0) return false;
  bool ok = !keepMode || ::fchmod(fd, old.st_mode & 0777) == 0;
  ok = ok && writeAll(fd, data, size);
  ok = ok && (durability == Durability::Unflushed || ::fsync(fd) == 0);
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(sideName.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(sideName.c_str());
    return false;
  }
  if (durability == Durability::Flushed) flushFolder(folderOf(path));
  return true;
}

}  // namespace zc
