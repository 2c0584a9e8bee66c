#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zc {

// Decodes an image file with Qt's image reader (every BMP form, PNG, JPEG, TIFF and WebP where
// their plugins are installed), the right way up. The decoded picture is kept while the file's
// size and modification time and the request stay the same, so repeated paints do not decode it
// again. Never crashes or hangs on a bad file.
//
// Memory stays bounded by what is kept: asked for the top-left part, only that part is decoded
// (a JPEG stops after the last row kept); asked to fit, a JPEG whose sides divide by 2, 4 or 8 is
// decoded at the largest of those reductions that still holds the fitted size, the rest whole.
PictureResult loadPictureFile(const std::string& path, const PictureRequest& request,
                              LoadedBitmap& bitmap);
// The whole picture. False for a file that cannot be read.
bool loadBitmapFile(const std::string& path, LoadedBitmap& bitmap);

// Encodes with Qt's image writer; see Platform::encodePicture.
bool encodePictureBytes(const uint8_t* pixels, int width, int height, const std::string& suffix,
                        int quality, std::vector<uint8_t>& out);

// Called with true before a picture is decoded and with false after (the busy cursor).
void setDecodeBusyHook(void (*hook)(bool busy));

}  // namespace zc
