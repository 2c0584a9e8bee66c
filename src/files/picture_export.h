#pragma once
#include <string>

#include "files/bmp_codec.h"

namespace zc {

// The suffix of a name the save dialog writes with the platform's image writer instead of as
// the program's own BMP: "png", "jpg", "jpeg", "tif", "tiff", "webp" (any case), lower-cased.
// Empty for every other name (".bmp", no suffix, anything else).
std::string exportSuffix(const std::string& path);

// The quality a JPEG or WebP export is written with.
constexpr int kExportQuality = 92;

// Writes the `picture` rectangle at the canvas's top-left (the image size, within the work size)
// of the source in the format of the suffix, through the same side file and rename as a BMP
// save. A failure keeps the old file and shows the write-failure box with the file's name.
bool exportPicture(const std::string& path, const std::string& suffix, const PixelTarget& source,
                   Size picture, Size work);

}  // namespace zc
