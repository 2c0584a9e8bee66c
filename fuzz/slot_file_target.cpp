// Fuzz target of the slot-file reader: each input is written as a slot file and read back for
// small canvas sizes and for work sizes that differ from the canvas, in both pixel forms. The
// reader takes any bytes: it must neither crash nor touch memory outside the stores, it must
// fill exactly the cells of the canvas size with the file's bytes (0 where the file ends), and it
// must refuse only work widths that cannot hold a canvas row.
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
#include "files/bmp_codec.h"
#include "files/keep_files.h"
#include "fuzz_folder.h"
#include "platform/platform.h"

namespace zc {
namespace {

// The reader needs only the message box; everything else is never asked for.
class ReaderPlatform final : public Platform {
 public:
  int failures = 0;
  Surface& surface() override { std::abort(); }
  void invalidate() override {}
  void present() override {}
  void setTitle(const std::string&) override {}
  void destroyWindow() override {}
  bool openFileDialog(const FileDialogOptions&, std::string&) override { return false; }
  bool saveFileDialog(const FileDialogOptions&, std::string&) override { return false; }
  MessageAnswer messageBox(const std::string&, const std::string&, MessageBoxKind) override {
    ++failures;
    return MessageAnswer::Ok;
  }
  bool loadBitmap(const std::string&, LoadedBitmap&) override { return false; }
};

// A fresh folder for the slot files, in memory when the system has one. The target works inside
// it only during a call: the fuzzer's own corpus paths may be relative to the folder it started in.
struct Session {
  ReaderPlatform platform;
  int folder = -1;
  int caller = -1;
  Session() {
    std::string made;
    folder = openFuzzFolder("zindle-fuzz", made);
    static std::string madeFolder = made;
    std::atexit([] {
      for (int slot = 0; slot < 9; ++slot) {
        ::unlink((madeFolder + "/" + slotFileName(slot)).c_str());
      }
      ::rmdir(madeFolder.c_str());
    });
    resetWorkspace();
    setPlatform(&platform);
  }
  void enter() { caller = enterFuzzFolder(folder); }
  void leave() { leaveFuzzFolder(caller); }
};

[[noreturn]] void fault(const char* what, Size canvas, Size work) {
  std::fprintf(stderr, "slot file reader: %s (canvas %d x %d, work %d x %d)\n", what, canvas.width,
               canvas.height, work.width, work.height);
  std::abort();
}

void writeRaw(const std::string& name, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
}

// The bytes the reader must put into canvas row y: the file's pixel bytes of that row, 0 where
// the file ends (and everywhere when the file is shorter than a header).
void expectedRow(const std::vector<uint8_t>& file, int y, int width, std::vector<uint8_t>& row) {
  row.assign(3 * static_cast<size_t>(width), 0);
  if (file.size() < static_cast<size_t>(kBmpHeaderBytes)) return;
  const size_t begin = kBmpHeaderBytes + 3 * static_cast<size_t>(y) * width;
  if (begin >= file.size()) return;
  const size_t available = std::min(row.size(), file.size() - begin);
  std::memcpy(row.data(), file.data() + begin, available);
}

// A value the reader never writes, so untouched cells can be told from written ones.
constexpr int32_t kUntouched = -7;
constexpr uint8_t kUntouchedByte = 0xA5;

// One channel of cell i in the addressed store.
int32_t& planeCell(int k, long i) {
  return plane(k)[i];
}
uint8_t& pixelCell(int k, long i) {
  return canvasBuffer()[3 * i + k];
}
bool untouched(PixelForm form, long i) {
  for (int k = 0; k < 3; ++k) {
    if (form == PixelForm::Planes ? planeCell(k, i) != kUntouched
                                  : pixelCell(k, i) != kUntouchedByte)
      return false;
  }
  return true;
}
void markUntouched(PixelForm form, long i) {
  for (int k = 0; k < 3; ++k) {
    if (form == PixelForm::Planes) {
      planeCell(k, i) = kUntouched;
    } else {
      pixelCell(k, i) = kUntouchedByte;
    }
  }
}

void readOnce(int slot, const std::vector<uint8_t>& file, Size canvas, Size work, PixelForm form,
              ReaderPlatform& platform) {
  Workspace& w = ws();
  w.canvasSize = canvas;
  w.workSize = work;
  const PixelTarget target = form == PixelForm::Planes ? planesTarget() : canvasTarget();
  const long lastCell = static_cast<long>(work.width) * (canvas.height - 1) + canvas.width;
  const bool fits =
      work.width >= canvas.width && work.width <= kMaxCanvasWidth && lastCell <= kPlaneCells;
  auto inside = [&](long i) {
    return fits && i / work.width < canvas.height && i % work.width < canvas.width;
  };
  // Probe cells: the first and last of the stores, the one after the first canvas row, the last
  // of the first work row and the one after the last canvas row. Those outside the canvas cells
  // must come through the read untouched.
  std::vector<long> probes = {0, kPlaneCells - 1, canvas.width};
  if (work.width > 0 && work.width <= kPlaneCells) probes.push_back(work.width - 1);
  if (lastCell >= 0 && lastCell < kPlaneCells) probes.push_back(lastCell);
  for (long i : probes) markUntouched(form, i);

  const int before = platform.failures;
  const bool ok = readSlotFile(slot, target);
  if (ok != fits)
    fault(fits ? "refused a work size that fits" : "accepted a bad work size", canvas, work);
  if (ok != (platform.failures == before)) fault("failure box out of step", canvas, work);
  for (long i : probes) {
    if (!inside(i) && !untouched(form, i)) fault("wrote outside the canvas cells", canvas, work);
  }
  if (!ok) return;
  std::vector<uint8_t> expected;
  for (int y = 0; y < canvas.height; ++y) {
    expectedRow(file, y, canvas.width, expected);
    const long row = static_cast<long>(y) * work.width;
    if (form == PixelForm::Pixels) {
      if (std::memcmp(canvasBuffer() + 3 * row, expected.data(), expected.size()) != 0)
        fault("wrong pixel", canvas, work);
      continue;
    }
    for (int x = 0; x < canvas.width; ++x) {
      for (int k = 0; k < 3; ++k) {
        if (plane(k)[row + x] != expected[3 * x + k]) fault("wrong plane cell", canvas, work);
      }
    }
  }
}

}  // namespace
}  // namespace zc

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zc;
  static Session session;
  session.enter();

  // The header and row arithmetic is the same at every canvas size, so the inputs are read at
  // small ones (odd widths too, which a preset never has): filling a 4 MB canvas per read would
  // spend the run on memory instead of on new inputs. The tall thin canvas with the widest work
  // row ends a few cells before the end of the stores, the taller one just past it; there the
  // bounds of the stores are reached without filling them.
  const Size canvases[] = {{3, 2}, {17, 5}, {64, 33}, {1, 1}};
  const Size edges[] = {{3, kMaxCanvasHeight}, {kMaxCanvasWidth, 2}, {3, kMaxCanvasHeight + 1}};
  const int slot = static_cast<int>(size % 9);
  const std::string name = slotFileName(slot);
  std::vector<uint8_t> file(data, data + size);
  writeRaw(name, file.data(), file.size());
  for (const Size canvas : canvases) {
    // The work row can be the canvas row, wider (the Appear page's own canvas), odd, too narrow,
    // empty or wider than the stores.
    const struct {
      Size work;
      PixelForm form;
    } reads[] = {{canvas, PixelForm::Planes},
                 {canvas, PixelForm::Pixels},
                 {{kMaxCanvasWidth, kMaxCanvasHeight}, PixelForm::Planes},
                 {{canvas.width + 3, canvas.height}, PixelForm::Pixels},
                 {{canvas.width - 4, canvas.height}, PixelForm::Planes},
                 {{0, 0}, PixelForm::Pixels},
                 {{-3, 7}, PixelForm::Planes},
                 {{kMaxCanvasWidth + 1, 1}, PixelForm::Pixels}};
    for (const auto& read : reads)
      readOnce(slot, file, canvas, read.work, read.form, session.platform);
  }
  // At the edges of the stores only the rows as wide as the stores, in both forms, and the
  // canvas's own.
  for (const Size canvas : edges) {
    readOnce(slot, file, canvas, canvas, PixelForm::Planes, session.platform);
    readOnce(slot, file, canvas, {kMaxCanvasWidth, canvas.height}, PixelForm::Planes,
             session.platform);
    readOnce(slot, file, canvas, {kMaxCanvasWidth, canvas.height}, PixelForm::Pixels,
             session.platform);
  }
  // The same bytes grown or cut to about a whole file of a small canvas: the end of the pixel
  // data is where a reader goes wrong.
  const Size canvas = canvases[size % 3];
  const long whole = kBmpHeaderBytes + 3L * canvas.width * canvas.height;
  const long delta = size > 0 ? static_cast<long>(data[0] % 7) - 3 : 0;
  std::vector<uint8_t> sized(file);
  sized.resize(static_cast<size_t>(whole + delta), size > 1 ? data[1] : 0);
  writeRaw(name, sized.data(), sized.size());
  readOnce(slot, sized, canvas, canvas, PixelForm::Planes, session.platform);
  readOnce(slot, sized, canvas, {canvas.width + 1, canvas.height}, PixelForm::Pixels,
           session.platform);
  ::unlink(name.c_str());
  session.leave();
  return 0;
}
