#include "pages/color/swap_ways_reference.h"

#include <algorithm>

namespace zc {
namespace {

// Runs `way` over every pixel; the way's formula is inlined into the loop, so the choice of way
// is made once per call rather than once per pixel.
template <typename Way>
void forEachPixel(const PlaneView& planes, const PixelView& out, Way way) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  for (int y = 0; y < height; ++y) {
    const int32_t* b = planes.plane[0] + planes.index(0, y);
    const int32_t* g = planes.plane[1] + planes.index(0, y);
    const int32_t* r = planes.plane[2] + planes.index(0, y);
    uint8_t* o = out.at(0, y);
    for (int x = 0; x < width; ++x) {
      const int bv = static_cast<uint8_t>(b[x]);
      const int gv = static_cast<uint8_t>(g[x]);
      const int rv = static_cast<uint8_t>(r[x]);
      int nb, ng, nr;
      way(bv, gv, rv, nb, ng, nr);
      o[3 * x] = static_cast<uint8_t>(nb);
      o[3 * x + 1] = static_cast<uint8_t>(ng);
      o[3 * x + 2] = static_cast<uint8_t>(nr);
    }
  }
}

}  // namespace

void applySwapWayReference(const PlaneView& planes, const PixelView& out, int way) {
  // Each case gives B', G', R' from B, G, R of the same pixel.
  switch (way) {
    case 1:  // R>G>B>R
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = G, g = R, r = B; });
      break;
    case 2:  // keeps red, exchanges green and blue
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = G, g = B, r = R; });
      break;
    case 3:  // turns the channels the opposite way to way 1
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = R, g = B, r = G; });
      break;
    case 4:  // [G] B<>R
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = R, g = G, r = B; });
      break;
    case 5:  // [B] R<>G
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = R, r = G; });
      break;
    case 6:  // (R)
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = G, r = 255 - R; });
      break;
    case 7:  // (G)
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = 255 - G, r = R; });
      break;
    case 8:  // (B)
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = 255 - B, g = G, r = R; });
      break;
    case 9:  // (G)(B)
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = 255 - G, r = R;
      });
      break;
    case 10:  // (R)(B)
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = G, r = 255 - R;
      });
      break;
    case 11:  // (R)(G)
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = B, g = 255 - G, r = 255 - R;
      });
      break;
    case 12:  // (R)(G)(B)
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = 255 - G, r = 255 - R;
      });
      break;
    case 13:  // ant
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R) / 3, g = (G + R) / 4, r = R;
      });
      break;
    case 14:  // bat
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G) / 4, g = G, r = (B + G + R) / 3;
      });
      break;
    case 15:  // cat
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = B, g = (B + G + R) / 3, r = (B + R) / 4;
      });
      break;
    case 16:  // dog
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (R + 255) / 2, g = (B + G) / 2, r = (B + G + R + 255) / 4;
      });
      break;
    case 17:  // eel
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + R) / 2, g = (B + G + R + 255) / 4, r = (G + 255) / 2;
      });
      break;
    case 18:  // fox
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R + 255) / 4, g = (B + 255) / 2, r = (G + R) / 2;
      });
      break;
    case 19:  // goose
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G) / 2, g = R / 7, r = (B + G + R) / 7;
      });
      break;
    case 20:  // horse
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = G / 7, g = (B + G + R) / 7, r = (B + R) / 2;
      });
      break;
    case 21:  // iguana
      forEachPixel(planes, out, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R) / 7, g = (G + R) / 2, r = B / 7;
      });
      break;
    default:  // 0 and any unknown way: the picture as it is
      forEachPixel(planes, out,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = G, r = R; });
      break;
  }
}

}  // namespace zc
