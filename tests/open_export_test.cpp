// Getting a camera's picture in (every format the reader knows, the right way up, its top-left
// part or fitted to the canvas, by the dialog, a drop or the start argument), the picture out
// (PNG, JPEG, TIFF, WebP at the image size), and the keys that stand for clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/area_fit.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "logged_platform_test.h"
#include "platform/headless/headless_platform.h"
#include "platform/picture_request.h"
#include "replay/replay.h"
#include "test_support.h"

namespace zc {
namespace {

namespace fs = std::filesystem;
using test::Picture;
using test::ReplayResult;
using test::WorkFolder;

std::string fixture(const std::string& name) {
  return test::testdata("open/" + name);
}

// A picture decoded by the platform's reader, as the program would get it.
struct Decoded {
  PictureResult result = PictureResult::Unreadable;
  int width = 0, height = 0, fullWidth = 0, fullHeight = 0;
  std::vector<uint8_t> pixels;  // top-down blue, green, red
  Rgb at(int x, int y) const {
    const uint8_t* p = pixels.data() + (static_cast<size_t>(y) * width + x) * 3;
    return Rgb{p[2], p[1], p[0]};
  }
};

Decoded decode(const std::string& path, PictureRequest request = {}) {
  HeadlessPlatform reader([](const std::string&) {}, [](const std::string&) {});
  LoadedBitmap bitmap;
  Decoded d;
  d.result = reader.loadPicture(path, request, bitmap);
  d.fullWidth = bitmap.fullWidth;
  d.fullHeight = bitmap.fullHeight;
  if (d.result != PictureResult::Loaded) return d;
  d.width = bitmap.width;
  d.height = bitmap.height;
  d.pixels.assign(bitmap.pixels, bitmap.pixels + static_cast<size_t>(d.width) * d.height * 3);
  return d;
}

std::vector<uint8_t> encode(const Picture& p, const std::string& suffix, int quality = 95) {
  std::vector<uint8_t> rows;
  for (const Rgb& c : p.pixels) {
    rows.push_back(c.b);
    rows.push_back(c.g);
    rows.push_back(c.r);
  }
  HeadlessPlatform writer([](const std::string&) {}, [](const std::string&) {});
  std::vector<uint8_t> out;
  EXPECT_TRUE(writer.encodePicture(rows.data(), p.width, p.height, suffix, quality, out));
  return out;
}

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A JPEG with an orientation tag: an Exif segment put right after the start marker.
std::vector<uint8_t> withOrientation(const std::vector<uint8_t>& jpeg, int orientation) {
  const uint8_t exif[] = {
      0xFF, 0xE1, 0x00, 34,   'E', 'x', 'i', 'f', 0, 0,
      'M',  'M',  0x00, 0x2A, 0,   0,   0,   8,   0, 1,
      0x01, 0x12, 0,    3,    0,   0,   0,   1,   0, static_cast<uint8_t>(orientation),
      0,    0,    0,    0,    0,   0};
  std::vector<uint8_t> out(jpeg.size() + sizeof exif);
  std::copy(jpeg.begin(), jpeg.begin() + 2, out.begin());
  std::copy(std::begin(exif), std::end(exif), out.begin() + 2);
  std::copy(jpeg.begin() + 2, jpeg.end(), out.begin() + 2 + sizeof exif);
  return out;
}

// A picture with detail everywhere, so that a shifted or turned copy does not match.
Picture patterned(int w, int h) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      p.pixels[static_cast<size_t>(y) * w + x] =
          Rgb{static_cast<uint8_t>((x * 7 + y) & 255), static_cast<uint8_t>((y * 5) & 255),
              static_cast<uint8_t>(((x / 16 + y / 16) % 2) * 200 + 20)};
    }
  }
  return p;
}

bool nearColour(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

// ------------------------------------------------------------------------------------------
// The reader

class PictureReader : public test::LoggedPlatformTest {};

TEST_F(PictureReader, OrientationSixTurnsTheStoredPictureAQuarterClockwise) {
  // Stored 32 x 16, red left and blue right; shown 16 x 32, red above and blue below.
  const Decoded d = decode(fixture("orientation6.jpg"));
  ASSERT_EQ(d.result, PictureResult::Loaded);
  EXPECT_EQ(d.width, 16);
  EXPECT_EQ(d.height, 32);
  EXPECT_EQ(d.fullWidth, 16);
  EXPECT_EQ(d.fullHeight, 32);
  EXPECT_TRUE(nearColour(d.at(8, 4), Rgb{220, 30, 30}, 12));
  EXPECT_TRUE(nearColour(d.at(8, 27), Rgb{30, 40, 220}, 12));
}

TEST_F(PictureReader, PngAndTiffGiveTheSamePixelsAsTheBmp) {
  const Decoded bmp = decode(fixture("photo_cut.bmp"));
  ASSERT_EQ(bmp.result, PictureResult::Loaded);
  ASSERT_EQ(bmp.width, 48);
  for (const char* name : {"photo_cut.png", "photo_cut.tif"}) {
    SCOPED_TRACE(name);
    const Decoded other = decode(fixture(name));
    if (other.result != PictureResult::Loaded && std::string(name).ends_with(".tif")) {
      GTEST_SKIP() << "no TIFF plugin for the image reader (qt6-image-formats-plugins)";
    }
    ASSERT_EQ(other.result, PictureResult::Loaded);
    EXPECT_EQ(other.width, bmp.width);
    EXPECT_EQ(other.height, bmp.height);
    EXPECT_EQ(other.pixels, bmp.pixels);
  }
}

TEST_F(PictureReader, ALargerPictureGivesOnlyTheTopLeftPartTheCanvasKeeps) {
  const Picture big = patterned(2000, 1200);
  test::writeBmp("big.bmp", big);
  const Decoded part = decode("big.bmp", PictureRequest{1440, 960, false});
  ASSERT_EQ(part.result, PictureResult::Loaded);
  EXPECT_EQ(part.width, 1440);
  EXPECT_EQ(part.height, 960);
  EXPECT_EQ(part.fullWidth, 2000);
  EXPECT_EQ(part.fullHeight, 1200);
  for (int y : {0, 500, 959}) {
    for (int x : {0, 777, 1439}) EXPECT_EQ(part.at(x, y), big.at(x, y)) << x << "," << y;
  }
}

TEST_F(PictureReader, ATurnedJpegIsClippedAndReducedTheRightWayUp) {
  // Stored 2000 x 1600 and tagged 6: shown 1600 x 2000.
  const Picture stored = patterned(2000, 1600);
  writeBytes("turned.jpg", withOrientation(encode(stored, "jpg"), 6));
  const Decoded whole = decode("turned.jpg");
  ASSERT_EQ(whole.result, PictureResult::Loaded);
  ASSERT_EQ(whole.width, 1600);
  ASSERT_EQ(whole.height, 2000);

  // The part kept is the shown picture's top-left, pixel for pixel as in the whole decode.
  const Decoded part = decode("turned.jpg", PictureRequest{1440, 960, false});
  ASSERT_EQ(part.result, PictureResult::Loaded);
  ASSERT_EQ(part.width, 1440);
  ASSERT_EQ(part.height, 960);
  for (int y = 0; y < 960; y += 37) {
    for (int x = 0; x < 1440; x += 41) ASSERT_EQ(part.at(x, y), whole.at(x, y)) << x << "," << y;
  }

  // Fitted to 768 x 960: the decoder halves the picture (1000 x 800 stored still holds
  // 960 x 768), and the halved picture is turned as well: stored red left and blue right, shown
  // red above and blue below.
  Picture halves = test::solidPicture(2000, 1600, Rgb{220, 30, 30});
  for (int y = 0; y < 1600; ++y) {
    for (int x = 1000; x < 2000; ++x)
      halves.pixels[static_cast<size_t>(y) * 2000 + x] = {30, 40, 220};
  }
  writeBytes("halves.jpg", withOrientation(encode(halves, "jpg"), 6));
  const Decoded fit = decode("halves.jpg", PictureRequest{1440, 960, true});
  ASSERT_EQ(fit.result, PictureResult::Loaded);
  EXPECT_EQ(fit.width, 800);
  EXPECT_EQ(fit.height, 1000);
  EXPECT_EQ(fit.fullWidth, 1600);
  EXPECT_EQ(fit.fullHeight, 2000);
  EXPECT_TRUE(nearColour(fit.at(400, 100), Rgb{220, 30, 30}, 12));
  EXPECT_TRUE(nearColour(fit.at(400, 900), Rgb{30, 40, 220}, 12));
}

TEST_F(PictureReader, FitDecodesAJpegOnlyAtExactReductions) {
  struct Case {
    int w, h;
    int canvasW, canvasH;
    int decodedW, decodedH;
  };
  const Case cases[] = {
      {2400, 1600, 1200, 800, 1200, 800},   // halved is exactly the fitted size
      {2400, 1600, 1440, 960, 2400, 1600},  // halved would be smaller than 1440 x 960
      {2404, 1600, 1200, 800, 1202, 800},   // halved (2404 / 4 would be too small) holds 1200 x 798
      {2401, 1600, 1200, 800, 2401, 1600},  // 2401 divides by none: the whole picture
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    writeBytes("plain.jpg", encode(test::solidPicture(c.w, c.h, Rgb{90, 120, 150}), "jpg"));
    const Decoded d = decode("plain.jpg", PictureRequest{c.canvasW, c.canvasH, true});
    ASSERT_EQ(d.result, PictureResult::Loaded);
    EXPECT_EQ(d.fullWidth, c.w);
    // Whatever was decoded holds the fitted size.
    const PictureSize fit = fittedSize(c.w, c.h, c.canvasW, c.canvasH);
    EXPECT_GE(d.width, fit.width);
    EXPECT_GE(d.height, fit.height);
    EXPECT_EQ(d.width, c.decodedW);
    EXPECT_EQ(d.height, c.decodedH);
  }
}

TEST_F(PictureReader, APictureBeyondOneHundredTwentyMegapixelsIsTooLarge) {
  // Only the header: 11000 x 11000 claimed (121 megapixels).
  std::vector<uint8_t> header(54, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  header[0] = 'B';
  header[1] = 'M';
  put32(2, 54 + 11000u * 11000u * 3);
  put32(10, 54);
  put32(14, 40);
  put32(18, 11000);
  put32(22, 11000);
  header[26] = 1;
  header[28] = 24;
  writeBytes("huge.bmp", header);
  const Decoded d = decode("huge.bmp", PictureRequest{1440, 960, false});
  EXPECT_EQ(d.result, PictureResult::TooLarge);
  EXPECT_EQ(d.fullWidth, 11000);
  EXPECT_EQ(d.fullHeight, 11000);

  writeBytes("broken.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
  EXPECT_EQ(decode("broken.png", PictureRequest{1440, 960, false}).result,
            PictureResult::Unreadable);
  EXPECT_EQ(decode("missing.png").result, PictureResult::Unreadable);
}

TEST_F(PictureReader, EncodedPicturesReadBackAtTheirSize) {
  const Picture p = patterned(40, 24);
  for (const char* suffix : {"png", "jpg", "jpeg", "tif", "tiff", "webp"}) {
    SCOPED_TRACE(suffix);
    std::vector<uint8_t> rows;
    for (const Rgb& c : p.pixels) rows.insert(rows.end(), {c.b, c.g, c.r});
    std::vector<uint8_t> bytes;
    if (!platform_.encodePicture(rows.data(), 40, 24, suffix, 92, bytes)) {
      const std::string s = suffix;
      if (s.starts_with("tif") || s == "webp") continue;  // its plugin is not installed
      FAIL() << "cannot encode";
    }
    const std::string name = std::string("out.") + suffix;
    writeBytes(name, bytes);
    const Decoded d = decode(name);
    ASSERT_EQ(d.result, PictureResult::Loaded);
    EXPECT_EQ(d.width, 40);
    EXPECT_EQ(d.height, 24);
    if (std::string(suffix) == "png" || std::string(suffix).starts_with("tif")) {
      std::vector<uint8_t> expected = rows;
      EXPECT_EQ(d.pixels, expected);
    }
  }
}

// ------------------------------------------------------------------------------------------
// Flows through the replay driver

ReplayResult replayWith(const std::string& script, const std::string& startFile) {
  std::istringstream in(script);
  std::ostringstream out, err;
  ReplayResult r;
  r.status = runReplay(in, fs::current_path().string(), out, err, startFile);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// The planes as a file of the program's own layout, cell (x, y) with y = 0 the top row.
Picture planesOf(const std::string& file) {
  return test::readOwnBmp(file, 1440, 960);
}

constexpr const char* kFitSwitch = "click 40 530\n";
constexpr const char* kGetImage = "click 40 256\n";
constexpr const char* kSaveTab = "click 880 10\n";

class OpenExportFlow : public testing::Test {
 protected:
  WorkFolder folder_;
  void SetUp() override {
    for (const char* name :
         {"orientation6.jpg", "photo_cut.bmp", "photo_cut.png", "photo_cut.tif"}) {
      fs::copy_file(fixture(name), name);
    }
  }
};

TEST_F(OpenExportFlow, EachFormatOpensAndBecomesSlotZero) {
  const ReplayResult bmp = test::replay("open photo_cut.bmp\nplanes bmp.bmp\n");
  ASSERT_EQ(bmp.status, 0) << bmp.err;
  const Picture reference = planesOf("bmp.bmp");
  for (const char* name : {"photo_cut.png", "photo_cut.tif"}) {
    SCOPED_TRACE(name);
    if (decode(name).result != PictureResult::Loaded) continue;  // no TIFF plugin
    fs::remove("KEEP0.bmp");
    const ReplayResult r = test::replay(std::string("open ") + name + "\nplanes p.bmp\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has(std::string("title ") + name + " / ジンドルキャンバスサンプル vabosample"))
        << r.out;
    EXPECT_EQ(planesOf("p.bmp").pixels, reference.pixels);
    EXPECT_EQ(readBytes("KEEP0.bmp"), readBytes("p.bmp"));
  }
  // The portrait JPEG stands upright: 16 x 32, red above blue, white beside it.
  const ReplayResult jpg = test::replay("open orientation6.jpg\nplanes j.bmp\n");
  ASSERT_EQ(jpg.status, 0) << jpg.err;
  const Picture j = planesOf("j.bmp");
  EXPECT_TRUE(nearColour(j.at(8, 4), Rgb{220, 30, 30}, 12));
  EXPECT_TRUE(nearColour(j.at(8, 27), Rgb{30, 40, 220}, 12));
  EXPECT_EQ(j.at(16, 4), (Rgb{255, 255, 255}));
  EXPECT_EQ(j.at(8, 32), (Rgb{255, 255, 255}));
}

TEST_F(OpenExportFlow, FitOnReducesALargePictureByAreaAveraging) {
  const Picture big = patterned(2000, 1500);
  test::writeBmp("big.bmp", big);
  // The switch, then "get image": the picture is reduced to 1280 x 960.
  const ReplayResult r = test::replay(std::string("open photo_cut.bmp\ntexts on\n") + kFitSwitch +
                                      "open big.bmp\n" + kGetImage + "planes fit.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("text 120 772"), 0);

  std::vector<uint8_t> src;
  for (const Rgb& c : big.pixels) src.insert(src.end(), {c.b, c.g, c.r});
  std::vector<uint8_t> expected(static_cast<size_t>(1280) * 960 * 3);
  areaAverage(src.data(), 2000, 1500, expected.data(), 1280, 960);
  const Picture planes = planesOf("fit.bmp");
  for (int y = 0; y < 960; ++y) {
    for (int x = 0; x < 1440; ++x) {
      const Rgb got = planes.at(x, y);
      if (x >= 1280) {
        ASSERT_EQ(got, (Rgb{255, 255, 255})) << x << "," << y;
        continue;
      }
      const uint8_t* e = expected.data() + (static_cast<size_t>(y) * 1280 + x) * 3;
      ASSERT_EQ(got, (Rgb{e[2], e[1], e[0]})) << x << "," << y;
    }
  }
  EXPECT_EQ(readBytes("KEEP0.bmp"), readBytes("fit.bmp"));
}

TEST_F(OpenExportFlow, FitOffKeepsTheTopLeftAndSaysSoOnceAfterTheOpen) {
  const Picture big = patterned(2000, 1500);
  test::writeBmp("big.bmp", big);
  const ReplayResult r =
      test::replay("open photo_cut.bmp\ntexts on\nopen big.bmp\n" + std::string(kGetImage) +
                   "planes part.bmp\nclick 500 300\nclick 40 374\nopen big.bmp\n" + kGetImage);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("text 120 772"), 2) << r.out;
  EXPECT_TRUE(
      r.has("text 120 772 192,16,32 \"左上の 1440 × 960 だけを表示 (画像 2000 × 1500); "
            "トップページの [全体を縮小] [→] 全体を表示;\""))
      << r.out;
  EXPECT_TRUE(
      r.has("text 120 772 192,16,32 \"only the top-left 1440 × 960 of the 2000 × 1500 "
            "picture is shown; \"fit\" on the Top page [→] shows it whole;\""))
      << r.out;
  const Picture planes = planesOf("part.bmp");
  for (int y : {0, 480, 959}) {
    for (int x : {0, 700, 1439}) EXPECT_EQ(planes.at(x, y), big.at(x, y)) << x << "," << y;
  }
}

TEST_F(OpenExportFlow, ExportWritesThePictureAtItsSizeInTheFormatOfItsName) {
  const ReplayResult r =
      test::replay(std::string("open photo_cut.bmp\nplanes planes.bmp\n") + "save out.png\n" +
                   kSaveTab + "save out.jpg\nkey ctrl+s\n" + "save OUT.TIF\n" + kSaveTab +
                   "save plain.bmp\n" + kSaveTab + "save noname\n" + kSaveTab);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("message"), 0) << r.out;
  const Picture planes = planesOf("planes.bmp");

  const Decoded png = decode("out.png");
  ASSERT_EQ(png.result, PictureResult::Loaded);
  ASSERT_EQ(png.width, 48);
  ASSERT_EQ(png.height, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 48; ++x) ASSERT_EQ(png.at(x, y), planes.at(x, y)) << x << "," << y;
  }
  const std::vector<uint8_t> jpegBytes = readBytes("out.jpg");
  ASSERT_GE(jpegBytes.size(), 2u);
  EXPECT_EQ(jpegBytes[0], 0xFF);
  EXPECT_EQ(jpegBytes[1], 0xD8);
  const Decoded jpg = decode("out.jpg");
  ASSERT_EQ(jpg.result, PictureResult::Loaded);
  EXPECT_EQ(jpg.width, 48);
  EXPECT_EQ(jpg.height, 32);
  if (fs::exists("OUT.TIF")) {
    const Decoded tif = decode("OUT.TIF");
    ASSERT_EQ(tif.result, PictureResult::Loaded);
    EXPECT_EQ(tif.pixels, png.pixels);
  }
  // A BMP name or none: the whole canvas in the program's own layout.
  EXPECT_EQ(readBytes("plain.bmp"), readBytes("planes.bmp"));
  EXPECT_EQ(readBytes("noname"), readBytes("planes.bmp"));
}

// A platform whose image writer always fails, otherwise the headless one.
class FailingWriter final : public Platform {
 public:
  explicit FailingWriter(std::string& log)
      : inner_([&log](const std::string& l) { log += l + "\n"; }, [](const std::string&) {}) {}
  HeadlessPlatform& inner() { return inner_; }
  Surface& surface() override { return inner_.surface(); }
  void invalidate() override { inner_.invalidate(); }
  void present() override {}
  void setTitle(const std::string& t) override { inner_.setTitle(t); }
  void destroyWindow() override { inner_.destroyWindow(); }
  bool openFileDialog(const FileDialogOptions& o, std::string& path) override {
    return inner_.openFileDialog(o, path);
  }
  bool saveFileDialog(const FileDialogOptions& o, std::string& path) override {
    filters = o.filters;
    return inner_.saveFileDialog(o, path);
  }
  MessageAnswer messageBox(const std::string& title, const std::string& text,
                           MessageBoxKind kind) override {
    return inner_.messageBox(title, text, kind);
  }
  bool loadBitmap(const std::string& path, LoadedBitmap& bitmap) override {
    return inner_.loadBitmap(path, bitmap);
  }
  bool encodePicture(const uint8_t*, int, int, const std::string&, int,
                     std::vector<uint8_t>&) override {
    return false;
  }
  std::vector<FileFilter> filters;

 private:
  HeadlessPlatform inner_;
};

TEST_F(OpenExportFlow, AFailedExportKeepsTheOldFileAndNamesIt) {
  resetWorkspace();
  std::string log;
  FailingWriter failing(log);
  setPlatform(&failing);
  ws().imageSize = Size{48, 32};
  writeBytes("old.png", {1, 2, 3, 4});
  failing.inner().queueAnswer(ScriptedAnswer{ScriptedAnswer::Save, "old.png", "old.png"});
  EXPECT_FALSE(runSaveAsDialog());
  setPlatform(nullptr);
  EXPECT_EQ(readBytes("old.png"), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_NE(
      log.find("message \"PutBmp\" \"old.png\\nピクセルデータの書き込みに失敗しました\" -> ok"),
      std::string::npos)
      << log;
  // No side file is left behind: the four fixtures and old.png.
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 5);

  // The dialog offers the bitmap entries first, then the picture formats.
  ASSERT_EQ(failing.filters.size(), 6u);
  EXPECT_EQ(failing.filters[0].pattern, "*.bmp");
  EXPECT_EQ(failing.filters[1].pattern, "*.*");
  EXPECT_EQ(failing.filters[2].pattern, "*.png");
  EXPECT_EQ(failing.filters[3].pattern, "*.jpg *.jpeg");
  EXPECT_EQ(failing.filters[4].pattern, "*.tif *.tiff");
  EXPECT_EQ(failing.filters[5].pattern, "*.webp");
}

TEST_F(OpenExportFlow, AFileDroppedOnTheTopPageIsGotAsSlotZero) {
  const ReplayResult r = test::replay(
      "open photo_cut.bmp\ndrop orientation6.jpg\nplanes dropped.bmp\n"
      "click 240 10\ndrop photo_cut.png\ndrop nothing.png\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 1) << r.out;  // only the first open asked the user
  EXPECT_TRUE(r.has("title orientation6.jpg / ジンドルキャンバスサンプル vabosample")) << r.out;
  const Picture dropped = planesOf("dropped.bmp");
  EXPECT_TRUE(nearColour(dropped.at(8, 27), Rgb{30, 40, 220}, 12));
  EXPECT_EQ(dropped.at(20, 20), (Rgb{255, 255, 255}));
  // KEEP0 holds the dropped picture; on the Filter page a drop only changes the current file.
  EXPECT_EQ(readBytes("KEEP0.bmp"), readBytes("dropped.bmp"));
  EXPECT_TRUE(r.has("title photo_cut.png / ジンドルキャンバスサンプル vabosample")) << r.out;
  EXPECT_TRUE(r.has("message \"確認\" \"" + (fs::current_path() / "nothing.png").string() +
                    "\\nを画像として読み込めませんでした\" -> ok"))
      << r.out;
}

TEST_F(OpenExportFlow, TheStartFileAnswersTheFirstOpenDialog) {
  const ReplayResult good = replayWith("planes start.bmp\n", "photo_cut.png");
  ASSERT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(good.count("dialog open"), 0) << good.out;
  EXPECT_TRUE(good.has("title photo_cut.png / ジンドルキャンバスサンプル vabosample")) << good.out;
  const Picture start = planesOf("start.bmp");
  fs::remove("KEEP0.bmp");

  // A start file that does not load: the failed-read box, then the dialog as without one.
  const ReplayResult bad = replayWith("open photo_cut.bmp\nplanes after.bmp\n", "nothing.png");
  ASSERT_EQ(bad.status, 0) << bad.err;
  const std::string expected =
      "message \"確認\" \"nothing.png\\nを画像として読み込めませんでした\" -> ok\n"
      "dialog open \"BMP File Open\" -> photo_cut.bmp\n";
  EXPECT_NE(bad.out.find(expected), std::string::npos) << bad.out;
  EXPECT_EQ(planesOf("after.bmp").pixels, start.pixels);
}

TEST_F(OpenExportFlow, APictureBeyondTheLimitIsRefusedWithItsSize) {
  std::vector<uint8_t> header(54, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  header[0] = 'B';
  header[1] = 'M';
  put32(2, 54 + 16000u * 8000u * 3);
  put32(10, 54);
  put32(14, 40);
  put32(18, 16000);
  put32(22, 8000);
  header[26] = 1;
  header[28] = 24;
  writeBytes("huge.bmp", header);
  const ReplayResult r =
      test::replay("open photo_cut.bmp\nclick 40 374\nopen huge.bmp\nkey ctrl+o\nplanes p.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("message \"Plese make sure\" \"" + (fs::current_path() / "huge.bmp").string() +
                    "\\nis too large to open (16000 × 8000 "
                    "pixels; at most 120 megapixels)\" -> ok"))
      << r.out;
  EXPECT_TRUE(r.has("title photo_cut.bmp / ZINDLE CANVAS SAMPLE vabosample")) << r.out;
}

TEST_F(OpenExportFlow, EachKeyDoesWhatItsClickDoes) {
  const std::string start = "open photo_cut.bmp\ntexts on\n";
  const std::string end = "planes end.bmp\n";
  const std::string clicks = start +
                             "click 240 10\nclick 320 10\nclick 960 10\nsave a.png\nclick 880 10\n"
                             "click 160 10\nclick 160 10\nopen photo_cut.png\nkey enter\n"
                             "click 640 10\nclick 160 10\n" +
                             end + "answer no\nanswer no\nclose\nanswer yes\nanswer yes\nclose\n";
  const std::string keys = start +
                           "key alt+1\nkey alt+2\nkey ctrl+z\nsave a.png\nkey ctrl+s\n"
                           "key alt+0\nkey alt+0\nopen photo_cut.png\nkey ctrl+o\n"
                           "key alt+6\nkey alt+0\n" +
                           end +
                           "answer no\nanswer no\nkey ctrl+q\nanswer yes\nanswer yes\nkey ctrl+q\n";
  const ReplayResult byClicks = test::replay(clicks);
  ASSERT_EQ(byClicks.status, 0) << byClicks.err;
  const std::vector<uint8_t> clickedEnd = readBytes("end.bmp");
  const std::vector<uint8_t> clickedSave = readBytes("a.png");
  ASSERT_FALSE(clickedSave.empty());
  for (const char* name : {"end.bmp", "a.png"}) fs::remove(name);
  for (int slot = 0; slot < 9; ++slot) fs::remove("KEEP" + std::to_string(slot) + ".bmp");

  const ReplayResult byKeys = test::replay(keys);
  ASSERT_EQ(byKeys.status, 0) << byKeys.err;
  EXPECT_EQ(byKeys.out, byClicks.out);
  EXPECT_EQ(readBytes("end.bmp"), clickedEnd);
  EXPECT_EQ(readBytes("a.png"), clickedSave);
  EXPECT_TRUE(byKeys.has("exit 0"));
  EXPECT_FALSE(fs::exists("KEEP0.bmp"));  // the first close's Yes deleted the keep files
}

TEST_F(OpenExportFlow, TheNewCommandsAreCheckedLikeTheOldOnes) {
  for (const char* line : {"key ctrl+x\n", "key alt+9\n", "drop\n", "drop a b\n"}) {
    const ReplayResult r = test::replay(std::string("open photo_cut.bmp\n") + line);
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace zc
