#pragma once
#include <string>

#include "platform/platform.h"

namespace zc {

// Decodes an image file with Qt's image reader (every BMP form, PNG, JPEG, ...). The decoded
// picture is kept while the file's size and modification time stay the same, so repeated paints
// do not decode it again. Returns false for a file that cannot be read; never crashes or hangs.
bool loadBitmapFile(const std::string& path, LoadedBitmap& bitmap);

}  // namespace zc
