#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/file_access.h"

namespace zc {

// The program's own image file: an uncompressed 24-bit BMP of the canvas size, 54-byte header,
// rows bottom-up with no padding (every canvas width is a multiple of 4).
constexpr int kBmpHeaderBytes = 54;

// Where the pixels of a file come from or go to.
enum class PixelForm {
  Pixels = 1,  // bytes 0, 1, 2 of a picture in memory (normally the canvas buffer)
  Planes = 2,  // the low 8 bits of the three image planes
};

// Source or target of a file's pixels; cells are addressed with the work width.
struct PixelTarget {
  PixelForm form = PixelForm::Planes;
  uint8_t* pixels = nullptr;  // PixelForm::Pixels
  PlaneView planes;           // PixelForm::Planes
  int rowLength = 0;          // the work width
  // A picture whose cells the caller replaces anyway when a read fails: a read then goes straight
  // into it (pixels whose rows are the file's own) and a failed one may leave it partly written.
  bool scratch = false;
};

PixelTarget canvasTarget();  // the canvas buffer at the work size
PixelTarget planesTarget();  // the image planes at the work size

// The 54 header bytes for a w x h file.
std::vector<uint8_t> bmpHeader(int width, int height);

// Writes the file with the canvas size. The picture goes to a side file made exclusively in the
// same folder (never through a link) and replaces the old file, keeping its permission bits,
// only once it is on disk, so a failed write or a power cut never destroys an existing file.
// A working file (Unflushed) is replaced the same way without waiting for the disk.
// Shows the write-failure box and returns false when the file cannot be written.
bool writeImageFile(const std::string& path, const PixelTarget& source, Size size,
                    Durability durability = Durability::Flushed);
// The write-failure box with the file's name above its text (for pictures exported by name).
void reportWriteFailure(const std::string& path);

// Reads a file as if it had the canvas size; the header is not looked at. A missing file is
// created empty (never through a link) and reads black; bytes the file does not hold read as 0.
// Shows the read-failure box and leaves the target unchanged (but for a scratch target) when the
// file cannot be opened or read, or is not a regular file (a FIFO, device, folder or socket is
// never waited on).
bool readImageFile(const std::string& path, const PixelTarget& target, Size size);

}  // namespace zc
