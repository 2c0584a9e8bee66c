// Fuzz target of the picture reader: any bytes as the picture chosen in the open dialog, through
// the program's own loading path (the platform's load of the chosen file at the canvas's size,
// clipped or fitted, then the canvas built from it with white padding; and the whole picture). The
// input's length picks the name's suffix, which the reader takes as a hint, so any picture file is
// an input as it stands. The load must refuse the file or deliver a picture, never crash; the
// canvas cells the picture covers must hold its pixels, every other cell of the work area must be
// white, and the bytes after the work area must stay untouched.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "files/keep_files.h"
#include "fuzz_folder.h"
#include "platform/bitmap_loader.h"
#include "platform/headless/headless_platform.h"
#include "ui/screen.h"

namespace zc {
namespace {

// Every suffix the reader knows a decoder for, a few it does not, and none.
constexpr const char* kSuffixes[] = {".bmp", ".BMP",  ".dib",  ".png", ".jpg", ".jpeg", ".gif",
                                     ".ico", ".cur",  ".ppm",  ".pgm", ".pbm", ".xbm",  ".xpm",
                                     ".tif", ".tiff", ".webp", ".txt", ""};
constexpr int kSuffixCount = sizeof(kSuffixes) / sizeof(kSuffixes[0]);

constexpr uint8_t kUntouched = 0xA5;

// A fresh folder for the picture files, in memory when the system has one, and the application
// object the image reader's plugins expect.
struct Session {
  std::string folder;
  long count = 0;
  Session() {
    folder = makeFuzzFolder("zindle-fuzz-picture");
    static int argc = 1;
    static char name[] = "zindle-fuzz-picture";
    static char* argv[] = {name, nullptr};
    static HeadlessApplication application(argc, argv);
    static std::string madeFolder = folder;
    std::atexit([] { ::rmdir(madeFolder.c_str()); });
    resetWorkspace();
  }
  // A new name for every input: the loader keeps the last picture while its file looks the same,
  // and a rewritten file of the same size within one clock tick would look the same.
  std::string nextPath(const char* suffix) {
    return folder + "/picture-" + std::to_string(count++) + suffix;
  }
};

// Qt's decoders are not instrumented, so the fuzzer sees none of their branches. What a load
// came to (refused or decoded, under which suffix, how wide, how high) is turned into branches of
// this target instead: a value of 0..K takes a path of its own, so an input with a new outcome
// counts as new coverage and is kept.
volatile int g_outcome = 0;
template <int Tag, int K>
void noteOutcome(int value) {
  if (value == K) {
    g_outcome = Tag * 1000 + K;
  } else if constexpr (K > 0) {
    noteOutcome<Tag, K - 1>(value);
  }
}

[[noreturn]] void fault(const char* what, const LoadedBitmap& bitmap, Size canvas, Size work) {
  std::fprintf(stderr, "picture load: %s (picture %d x %d, canvas %d x %d, work %d x %d)\n", what,
               bitmap.width, bitmap.height, canvas.width, canvas.height, work.width, work.height);
  std::abort();
}

// What the paint does with a chosen picture: the image size from the open dialog's canvas, then
// the canvas buffer at the paint's work size. Checks every cell of the work area.
void buildAndCheck(const LoadedBitmap& bitmap, Size dialogCanvas, Size work) {
  Workspace& w = ws();
  w.pictureFit = 0;  // the whole picture, as it was decoded
  w.canvasSize = dialogCanvas;
  w.imageSize = Size{std::min(bitmap.width, dialogCanvas.width),
                     std::min(bitmap.height, dialogCanvas.height)};
  w.workSize = work;
  uint8_t* canvas = canvasBuffer();
  const long areaBytes = 3L * work.width * work.height;
  const long storeBytes = 3L * kPlaneCells;
  canvas[storeBytes - 1] = kUntouched;
  if (areaBytes < storeBytes) canvas[areaBytes] = kUntouched;

  buildCanvasBuffer(bitmap);

  if (canvas[storeBytes - 1] != kUntouched ||
      (areaBytes < storeBytes && canvas[areaBytes] != kUntouched))
    fault("wrote after the work area", bitmap, dialogCanvas, work);
  const int shownWidth = std::min(w.imageSize.width, work.width);
  const int shownHeight = std::min(w.imageSize.height, work.height);
  for (int r = 0; r < work.height; ++r) {
    // The canvas is bottom-up; picture row r is top-down.
    const uint8_t* row = canvas + 3L * (work.height - 1 - r) * work.width;
    int x = 0;
    if (r < shownHeight) {
      const uint8_t* picture = bitmap.pixels + 3L * r * bitmap.width;
      if (shownWidth > 0 && std::memcmp(row, picture, 3 * static_cast<size_t>(shownWidth)) != 0)
        fault("picture cell differs", bitmap, dialogCanvas, work);
      x = shownWidth;
    }
    static const std::vector<uint8_t> white(3 * static_cast<size_t>(kMaxCanvasWidth), 255);
    const size_t padding = 3 * static_cast<size_t>(work.width - x);
    if (padding > 0 && std::memcmp(row + 3L * x, white.data(), padding) != 0)
      fault("padding not white", bitmap, dialogCanvas, work);
  }
}

// The open's own path at a small canvas: the picture asked of the reader as the canvas and "fit"
// ask (the top-left part, or a reduction that the canvas build averages to the fitted size), the
// image size taken from it, the canvas built. A refusal delivers no picture; a picture leaves
// every cell outside the image size white and nothing after the work area touched.
void openAtCanvas(const std::string& path, Size canvasSize, bool fit) {
  Workspace& w = ws();
  w.canvasSize = canvasSize;
  w.workSize = canvasSize;
  w.pictureFit = fit ? 1 : 0;
  LoadedBitmap bitmap;
  const PictureResult result = loadPictureFile(path, pictureRequest(w.pictureFit), bitmap);
  noteOutcome<3, 5>(static_cast<int>(result) * 2 + (fit ? 1 : 0));
  if (result != PictureResult::Loaded) {
    if (bitmap.pixels)
      fault("refused, yet a picture was delivered", bitmap, canvasSize, canvasSize);
    return;
  }
  if (!bitmap.pixels || bitmap.width <= 0 || bitmap.height <= 0)
    fault("accepted without a picture", bitmap, canvasSize, canvasSize);
  w.imageSize = imageSizeOf(bitmap);
  if (w.imageSize.width > canvasSize.width || w.imageSize.height > canvasSize.height)
    fault("image size beyond the canvas", bitmap, canvasSize, canvasSize);
  uint8_t* canvas = canvasBuffer();
  const long areaBytes = 3L * canvasSize.width * canvasSize.height;
  canvas[areaBytes] = kUntouched;
  buildCanvasBuffer(bitmap);
  if (canvas[areaBytes] != kUntouched)
    fault("wrote after the work area", bitmap, canvasSize, canvasSize);
  for (int r = 0; r < canvasSize.height; ++r) {
    const uint8_t* row = canvas + 3L * (canvasSize.height - 1 - r) * canvasSize.width;
    const int from = r < w.imageSize.height ? w.imageSize.width : 0;
    for (int x = 3 * from; x < 3 * canvasSize.width; ++x) {
      if (row[x] != 255) fault("padding not white", bitmap, canvasSize, canvasSize);
    }
  }
}

}  // namespace
}  // namespace zc

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zc;
  static Session session;
  const std::string path = session.nextPath(kSuffixes[size % kSuffixCount]);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  for (size_t put = 0; put < size;) {
    const ssize_t n = ::write(fd, data + put, size - put);
    if (n <= 0) std::abort();
    put += static_cast<size_t>(n);
  }
  ::close(fd);

  openAtCanvas(path, {17, 5}, false);
  openAtCanvas(path, {64, 33}, true);
  LoadedBitmap bitmap;
  const bool loaded = loadBitmapFile(path, bitmap);
  ::unlink(path.c_str());
  noteOutcome<0, 2 * kSuffixCount>(static_cast<int>(size % kSuffixCount) * 2 + (loaded ? 1 : 0));
  if (loaded) {
    noteOutcome<1, 40>(std::min(bitmap.width, 40));
    noteOutcome<2, 40>(std::min(bitmap.height, 40));
  }
  if (!loaded) {
    if (bitmap.pixels || bitmap.width || bitmap.height) {
      std::fprintf(stderr, "picture load: refused, yet a picture was delivered\n");
      std::abort();
    }
    return 0;
  }
  if (bitmap.width <= 0 || bitmap.height <= 0 || !bitmap.pixels) {
    std::fprintf(stderr, "picture load: accepted without a picture (%d x %d)\n", bitmap.width,
                 bitmap.height);
    std::abort();
  }
  // Small canvases for the cell checks, one where the dialog's canvas was larger than the
  // paint's (the canvas preset changed since), and the smallest preset, whose canvas is larger
  // than most pictures.
  const Size smallCanvases[] = {{17, 5}, {64, 33}, {3, 2}};
  const Size small = smallCanvases[size % 3];
  buildAndCheck(bitmap, small, small);
  buildAndCheck(bitmap, {kMaxCanvasWidth, kMaxCanvasHeight}, {small.width + 2, small.height});
  buildAndCheck(bitmap, {1, 1}, small);
  buildAndCheck(bitmap, {960, 640}, {960, 640});
  return 0;
}
