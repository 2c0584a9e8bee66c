// What the window shows: the image area holds the whole canvas block it copies, on every page
// and at both ends of the scroll bars, and every label keeps its whole glyphs.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/bitmap_loader.h"
#include "platform/surface.h"
#include "test_support.h"
#include "ui/controls.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;

constexpr int kAreaX = 100, kAreaY = 32, kAreaW = 960, kAreaH = 640;
// Where a click enters the page of each tab, 0 Top ... 8 Appear.
constexpr int tabClickX(int tab) {
  return 160 + 80 * tab;
}

// A screenshot or any picture file as top-down rows.
Picture loadPicture(const std::string& path) {
  LoadedBitmap b;
  if (!loadBitmapFile(path, b)) return {};
  Picture p = test::solidPicture(b.width, b.height, Rgb{});
  for (size_t i = 0; i < p.pixels.size(); ++i) {
    const uint8_t* bgr = b.pixels + 3 * i;
    p.pixels[i] = Rgb{bgr[2], bgr[1], bgr[0]};
  }
  return p;
}

// The first pixel of the image area that differs from the canvas block starting at (sx, sy) of
// `canvas` (white outside it), as "x,y: shown vs expected"; empty when the whole block matches.
std::string firstAreaMismatch(const Picture& shot, const Picture& canvas, int sx, int sy) {
  for (int y = 0; y < kAreaH; ++y) {
    for (int x = 0; x < kAreaW; ++x) {
      const int cx = sx + x, cy = sy + y;
      const Rgb expected = cx < canvas.width && cy < canvas.height ? canvas.at(cx, cy) : kWhite;
      const Rgb shown = shot.at(kAreaX + x, kAreaY + y);
      if (!(shown == expected)) {
        std::ostringstream m;
        m << "window " << kAreaX + x << "," << kAreaY + y << " shows " << int(shown.r) << ","
          << int(shown.g) << "," << int(shown.b) << ", canvas " << cx << "," << cy << " is "
          << int(expected.r) << "," << int(expected.g) << "," << int(expected.b);
        return m.str();
      }
    }
  }
  return {};
}

TEST(ScreenFlow, ImageAreaShowsThePhotographFromItsTopRowOnEveryPage) {
  const Picture photo = loadPicture(test::testdata("photos/kodim23.bmp"));
  ASSERT_EQ(photo.width, 768);
  const char* const pages[9] = {"Top",     "Filter",  "Swap",     "Zindle Eye", "Change",
                                "Outline", "Pattern", "Transfer", "Appear"};
  for (int tab = 0; tab < 9; ++tab) {
    SCOPED_TRACE(pages[tab]);
    const auto r = replay("open \"" + test::testdata("photos/kodim23.bmp") + "\"\nclick " +
                          std::to_string(tabClickX(tab)) + " 10\nshot page.png\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Picture shot = loadPicture("page.png");
    ASSERT_EQ(shot.width, Surface::kWidth);
    for (int x = 0; x < photo.width; ++x) {
      ASSERT_EQ(shot.at(kAreaX + x, kAreaY), photo.at(x, 0)) << "row y = 32, x = " << kAreaX + x;
    }
    EXPECT_EQ(firstAreaMismatch(shot, photo, 0, 0), "");
  }
}

// A canvas-sized picture whose every pixel differs from its neighbours, so a lost or shifted row
// or column at any edge of the area shows.
Picture patternedCanvas() {
  Picture p = test::solidPicture(1440, 960, Rgb{});
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      p.pixels[static_cast<size_t>(y) * p.width + x] =
          Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
              static_cast<uint8_t>(((x >> 8) << 4) | (y >> 8))};
    }
  }
  return p;
}

TEST(ScreenFlow, ImageAreaEdgesShowTheCanvasBlockAtBothScrollEnds) {
  test::writeBmp("canvas.bmp", patternedCanvas());
  const Picture canvas = patternedCanvas();
  // The drags take each thumb by its far end and run it into the end of its track: the largest
  // shifts, 480 and 320, show the canvas's last column and row at the view's far edges. (A press
  // on the track beside the thumb would page back by 20.)
  const auto r = replay(
      "open canvas.bmp\n"
      "shot start.png\n"
      "drag 700 682 1035 682\n"
      "drag 1070 400 1070 645\n"
      "shot end.png\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(firstAreaMismatch(loadPicture("start.png"), canvas, 0, 0), "");
  EXPECT_EQ(firstAreaMismatch(loadPicture("end.png"), canvas, 480, 320), "");
}

struct DrawnText {
  int x = 0, y = 0;
  Rgb colour;
  std::string text;
};

// The "text X Y R,G,B "TEXT"" lines of a replay's output.
std::vector<DrawnText> drawnTexts(const std::string& out) {
  std::vector<DrawnText> texts;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("text ", 0) != 0) continue;
    DrawnText t;
    int r = 0, g = 0, b = 0;
    if (std::sscanf(line.c_str(), "text %d %d %d,%d,%d", &t.x, &t.y, &r, &g, &b) != 5) continue;
    const size_t open = line.find('"'), close = line.rfind('"');
    if (open == std::string::npos || close <= open) continue;
    t.colour = Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
    t.text = line.substr(open + 1, close - open - 1);
    texts.push_back(t);
  }
  return texts;
}

// Whether every pixel that the text paints in its full colour, drawn alone at one of the program's
// label heights, shows in that colour on the screenshot: no later frame edge or box covers it.
bool showsWhole(const Picture& shot, Surface& alone, const DrawnText& t) {
  for (int height : {12, 10}) {
    alone.fillRect(0, t.y - 8, Surface::kWidth, t.y + 32, kWhite);
    alone.text(t.x, t.y, t.text, t.colour, height);
    bool whole = true;
    for (int y = std::max(t.y - 8, 0); y < std::min(t.y + 32, Surface::kHeight) && whole; ++y) {
      for (int x = 0; x < Surface::kWidth; ++x) {
        if (alone.pixel(x, y) == t.colour && !(shot.at(x, y) == t.colour)) {
          whole = false;
          break;
        }
      }
    }
    if (whole) return true;
  }
  return false;
}

TEST(ScreenFlow, EveryTextOfEveryPageShowsWholeInBothLanguages) {
  test::writeBmp("small.bmp", test::solidPicture(600, 400, Rgb{200, 100, 10}));
  Surface alone;
  for (const char* language : {"Japanese", "English"}) {
    for (int tab = 0; tab < 9; ++tab) {
      SCOPED_TRACE(testing::Message() << language << ", tab " << tab);
      std::string script = "open small.bmp\n";
      if (std::string(language) == "English") script += "click 40 374\n";
      script += "texts on\nclick " + std::to_string(tabClickX(tab)) + " 10\nshot page.png\n";
      const auto r = replay(script);
      ASSERT_EQ(r.status, 0) << r.err;
      const Picture shot = loadPicture("page.png");
      const std::vector<DrawnText> texts = drawnTexts(r.out);
      ASSERT_GT(texts.size(), 12u);  // at least the tab bar
      for (const DrawnText& t : texts) {
        if (t.text.empty()) continue;
        EXPECT_TRUE(showsWhole(shot, alone, t)) << "\"" << t.text << "\" at " << t.x << "," << t.y;
      }
    }
  }
}

// Label glyphs stand clear of their own frame: no pixel of the text lies on an edge, so a dark
// frame cannot swallow the top of a bracket or a kanji either.
TEST(LabelButton, GlyphsStandClearOfEveryFrameEdge) {
  struct Look {
    const char* name;
    ButtonLook look;
    Rgb frame;
  };
  const Look looks[] = {{"raised white", ButtonLook::Raised, kWhite},
                        {"raised colour", ButtonLook::Raised, Rgb{80, 160, 240}},
                        {"on", ButtonLook::On, Rgb{80, 160, 240}}};
  const char* const texts[] = {"「トップ」", "[Top]", "画像呼出", "|ＡＣ|", "決定 KEEP1"};
  Surface frameOnly, textOnly, button;
  for (const Look& look : looks) {
    for (int height : {12, 10}) {
      for (const char* text : texts) {
        SCOPED_TRACE(testing::Message() << look.name << ", height " << height << ", " << text);
        LabelButton b = makeButton(4, 40, 160, look.frame, look.look);
        b.fontHeight = height;
        frameOnly.erase();
        textOnly.erase();
        button.erase();
        drawButton(frameOnly, b, "");
        textOnly.text(b.x + 2, b.y, text, kLabelText, height);
        drawButton(button, b, text);
        int ink = 0;
        for (int y = b.y - 4; y < b.y + 24; ++y) {
          for (int x = b.x - 4; x < b.x + b.width + 4; ++x) {
            if (textOnly.pixel(x, y) == kWhite) continue;
            ++ink;
            EXPECT_EQ(frameOnly.pixel(x, y), kWhite)
                << "frame under the glyph at " << x << "," << y;
            EXPECT_EQ(button.pixel(x, y), textOnly.pixel(x, y)) << x << "," << y;
          }
        }
        EXPECT_GT(ink, 20);
      }
    }
  }
}

}  // namespace
}  // namespace zc
