#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace zc {

// File access for the program's own image files in a folder that others may also write to: a
// file that is not a regular file is never opened blocking, nothing is created or written
// through a symbolic link, and a replaced file is either the old one or the complete new one.

// Opens a regular file for reading. When no directory entry of that name exists, an empty file
// is created first (never through a link, so a dangling link is left alone and fails). Returns a
// descriptor, or -1 for a FIFO, device, folder, socket or a file that cannot be opened.
int openRegularFileForReading(const std::string& path);

// Reads up to `size` bytes (fewer only at the end of the file). Returns false on a read error.
bool readUpTo(int fd, uint8_t* buffer, size_t size, size_t& got);

void closeFile(int fd);

// Whether a replaced file must survive a power loss. The user's files (slots, saves) are flushed
// to disk; the working files that carry a picture from one page to the next are rewritten on
// every paint, are removed at exit and mean nothing after a restart, so waiting for the disk on
// each of them would only slow the paint. Both are replaced whole: a reader sees the old file or
// the complete new one.
enum class Durability { Flushed, Unflushed };

// Writes `data` into a side file created exclusively in the same folder and renames it over
// `path`; Flushed flushes the file to disk before the rename and the folder after it. The new
// file keeps the permission bits of the regular file it replaces. Returns false, with the side
// file removed, on any failure; `path` is then unchanged.
bool replaceFile(const std::string& path, const uint8_t* data, size_t size,
                 Durability durability = Durability::Flushed);

}  // namespace zc
