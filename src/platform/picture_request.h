#pragma once
#include <cstdint>

namespace zc {

// How a picture is asked of the image reader. Plain values, shared by the reader and the code
// that shows what it read.
struct PictureRequest {
  int maxWidth = 0;   // the canvas: nothing wider or higher is kept
  int maxHeight = 0;  // 0 asks for the whole picture
  // false: the top-left maxWidth x maxHeight part. true: the whole picture, decoded at a size
  // from which fittedSize() is reached by area averaging (see LoadedBitmap).
  bool fit = false;
  constexpr bool operator==(const PictureRequest&) const = default;
};

// Why a picture could not be had.
enum class PictureResult {
  Loaded,
  Unreadable,  // no such regular file, or it could not be decoded
  TooLarge,    // more than kLargestPicturePixels
};

// The largest picture that is opened at all: 120 megapixels.
constexpr int64_t kLargestPicturePixels = 120'000'000;

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The largest size inside maxWidth x maxHeight with the aspect of width x height kept (each side
// truncated, at least 1); the size itself when it already fits.
constexpr PictureSize fittedSize(int width, int height, int maxWidth, int maxHeight) {
  if (width <= maxWidth && height <= maxHeight) return {width, height};
  const int64_t w = width;
  const int64_t h = height;
  PictureSize out;
  if (w * maxHeight >= h * maxWidth) {  // the width is the tighter side
    out = {maxWidth, static_cast<int>(h * maxWidth / w)};
  } else {
    out = {static_cast<int>(w * maxHeight / h), maxHeight};
  }
  if (out.width < 1) out.width = 1;
  if (out.height < 1) out.height = 1;
  return out;
}

}  // namespace zc
