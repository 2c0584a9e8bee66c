#include "pages/fog/zindle_eye_page.h"

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/fog/bright_dark.h"
#include "pages/fog/fog_sweep.h"
#include "text/zindle_eye_texts.h"
#include "ui/controls.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageZindleEye);
constexpr Rgb kControlFrame{222, 222, 222};
constexpr Rgb kBarFrame{192, 192, 192};
constexpr Rgb kBrightFill{192, 192, 192};
constexpr Rgb kDarkFill{64, 64, 64};
constexpr Rgb kLevelLineMark{200, 200, 200};

// The variant buttons: rows of light, both and dark, strong at x 4 and weak at x 67.
struct VariantButton {
  int x, y, width, variant;
  ZindleEyeLabel text;
};
constexpr VariantButton kVariants[6] = {
    {4, 86, 57, 3, ZindleEyeLabel::Light}, {67, 86, 25, 6, ZindleEyeLabel::WeakLight},
    {4, 112, 57, 1, ZindleEyeLabel::Both}, {67, 112, 25, 4, ZindleEyeLabel::WeakBoth},
    {4, 138, 57, 2, ZindleEyeLabel::Dark}, {67, 138, 25, 5, ZindleEyeLabel::WeakDark},
};
constexpr int kHornColumns[3] = {4, 36, 68};
constexpr int kHornRows[4] = {164, 190, 216, 242};

ButtonLook onWhen(bool on) {
  return on ? ButtonLook::On : ButtonLook::Raised;
}

void drawIcons(Surface& s) {
  // The both button: a square with its right half filled; the weak both: a half-filled diamond.
  s.rectangleOutline(42, 116, 54, 128, kControlFrame, 2);
  s.fillRect(48, 116, 54, 128, kControlFrame);
  // Diamond of half-diagonal 7 around (77, 122): outline with a 2-pixel pen, right half filled.
  constexpr int cx = 77, cy = 122, d = 7;
  s.line(cx, cy - d, cx + d, cy, kControlFrame, 2);
  s.line(cx + d, cy, cx, cy + d, kControlFrame, 2);
  s.line(cx, cy + d, cx - d, cy, kControlFrame, 2);
  s.line(cx - d, cy, cx, cy - d, kControlFrame, 2);
  for (int i = 0; i <= d; ++i)
    s.line(cx + i, cy - (d - i), cx + i, cy + (d - i) + 1, kControlFrame);
}

void drawControls(Surface& s) {
  const Workspace& w = ws();
  drawButton(s, makeButton(4, 4, 104, kWhite), label(ZindleEyeLabel::Heading));
  drawResetMark(s, 2, 24, 3);
  drawResetMark(s, 52, 24, 6);
  drawButton(s, makeButton(4, 64, 84, kWhite, ButtonLook::Plain),
             label(ZindleEyeLabel::ZindleEyeHeading));
  for (const VariantButton& v : kVariants) {
    drawButton(s,
               makeButton(v.x, v.y, v.width, kControlFrame,
                          onWhen(w.zindleEyeRequest.variant == v.variant)),
               label(v.text));
  }
  drawIcons(s);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int horn = row * 3 + column;
      drawButton(
          s, makeButton(kHornColumns[column], kHornRows[row], 26, kControlFrame),
          label(static_cast<ZindleEyeLabel>(static_cast<int>(ZindleEyeLabel::HornA) + horn)));
    }
  }
  drawButton(s, makeButton(4, 268, 88, kControlFrame, onWhen(w.zindleEyeRequest.blind != 0)),
             label(ZindleEyeLabel::Blind));
  drawButton(s, makeButton(0, 475, 96, kWhite, ButtonLook::Plain),
             label(ZindleEyeLabel::WholeViewHeading));
  drawWholeViewButtons(
      s, 495,
      {label(ZindleEyeLabel::WholeViewImage), label(ZindleEyeLabel::WholeViewCanvas),
       label(ZindleEyeLabel::WholeViewBack)});
}

int brightLowerFill(int bright) {
  return bright > 100 ? 96 : bright * 96 / 100;
}
int brightUpperFill(int bright) {
  return bright > 200 ? 96 : (bright - 100) * 96 / 100;
}
int darkLowerFill(int dark) {
  if (dark < -100) return 0;
  if (dark >= 0) return 96;
  return (dark * 96 + 9600) / 100;
}
int darkUpperFill(int dark) {
  if (dark <= 0) return 0;
  if (dark > 200) return 96;
  return dark * 96 / 100;
}

void drawBrightDark(Surface& s) {
  const ZindleEyePageState& z = ws().zindleEye;
  auto text = [&](int y, ZindleEyeLabel item, int height) {
    LabelButton b = makeButton(2, y, 96, kWhite, ButtonLook::Plain);
    b.fontHeight = height;
    drawButton(s, b, label(item));
  };
  text(332, ZindleEyeLabel::BrightHeading, 12);
  text(345, ZindleEyeLabel::BrightScaleLow, 10);
  drawBar(s, 2, 358, 96, 13, kBarFrame, kBrightFill, brightLowerFill(z.bright));
  drawBar(s, 2, 371, 96, 13, kBarFrame, kBrightFill, brightUpperFill(z.bright));
  text(384, ZindleEyeLabel::BrightScaleHigh, 10);
  text(397, ZindleEyeLabel::DarkHeading, 12);
  text(410, ZindleEyeLabel::DarkScaleLow, 10);
  drawBar(s, 2, 423, 96, 13, kBarFrame, kDarkFill, darkLowerFill(z.dark));
  drawBar(s, 2, 436, 96, 13, kBarFrame, kDarkFill, darkUpperFill(z.dark));
  text(449, ZindleEyeLabel::DarkScaleHigh, 10);
}

// Shows the sweep as it goes: the picture every 64 lines and the level-line marks.
class SweepDisplay final : public SweepProgress {
 public:
  explicit SweepDisplay(Surface& s) : s_(s) {}
  void showWorkingImage() override {
    showCanvas(s_, 0);
    platform().present();
  }
  void levelLineMark(int y, int n) override {
    const Workspace& w = ws();
    const int height = w.zindleEyeRequest.blind ? w.viewSize.height : w.workSize.height;
    const int windowY = height + kAreaTop - y;
    if (w.zindleEyeRequest.blind && y >= height + kAreaTop) return;
    s_.line(kAreaLeft + n, windowY, kAreaLeft + w.viewSize.width - n, windowY, kLevelLineMark);
    if (++marks_ % 16 == 0 || !w.zindleEyeRequest.blind) platform().present();
  }

 private:
  Surface& s_;
  int marks_ = 0;
};

void fullReset() {
  Workspace& w = ws();
  w.zindleEyeRequest.horn = 0;
  w.zindleEyeRequest.blind = 0;
  w.zindleEye.bright = 100;
  w.zindleEye.dark = 0;
  w.colorCondition = 1;
  resetToEntryImage(kTab);
  w.restoreRequest = 1;
}

void defaults() {
  Workspace& w = ws();
  w.zindleEye.bright = 100;
  w.zindleEye.dark = 0;
  w.zindleEye.helpTopic = 0;
  w.wholeViewMode = 0;
  w.colorCondition = 1;
  w.pageComment = kTab;
}

bool pressControls(int x, int y, int32_t& topic) {
  ZindleEyeRequestState& request = ws().zindleEyeRequest;
  for (const VariantButton& v : kVariants) {
    const int bottom = v.y == 86 ? 102 : v.y + 20;
    const int left = v.x == 4 ? 4 : 67;
    const int right = v.x == 4 ? 61 : 92;
    if (inside(x, y, left, v.y, right, bottom)) {
      request.variant = v.variant;
      topic = v.x == 4 ? kZindleEyeSweepTopic : kZindleEyeWeakTopic;
      return true;
    }
  }
  if (inside(x, y, 4, 164, 94, 262)) {
    topic = kZindleEyeHornTopic;
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 3; ++column) {
        const int bx = kHornColumns[column], by = kHornRows[row];
        if (inside(x, y, bx, by, bx + 26, by + 20)) {
          request.horn = row * 3 + column + 1;
          request.run = 1;
        }
      }
    }
    return true;
  }
  if (inside(x, y, 4, 268, 92, 288)) {
    request.blind = request.blind ? 0 : 1;
    topic = kZindleEyeBlindTopic;
    return true;
  }
  return false;
}

bool press(int x, int y) {
  Workspace& w = ws();
  ZindleEyePageState& z = w.zindleEye;
  int32_t& topic = z.helpTopic;
  const int v = (x - 2) * 100 / 96;
  if (inside(x, y, 4, 0, 92, 24)) {
    w.pageComment = kTab;
  } else if (inside(x, y, 0, 24, 50, 54)) {
    fullReset();
    topic = kZindleEyeResetTopic;
  } else if (inside(x, y, 50, 24, 100, 34)) {
    topic = kZindleEyeResetTopic;
  } else if (inside(x, y, 4, 60, 92, 86)) {
    topic = kZindleEyeSweepTopic;
  } else if (pressControls(x, y, topic)) {
  } else if (inside(x, y, 4, 294, 92, 314)) {
    w.keepRequest = 1;
    topic = kZindleEyeKeepTopic;
  } else if (inside(x, y, 2, 332, 98, 358)) {
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 358, 98, 371)) {
    z.bright = v;
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 371, 98, 384)) {
    z.bright = v + 100;
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 384, 98, 423)) {
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 423, 98, 436)) {
    z.dark = v - 100;
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 436, 98, 449)) {
    z.dark = v;
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 2, 449, 98, 463)) {
    topic = kZindleEyeBrightTopic;
  } else if (inside(x, y, 4, 475, 92, 495)) {
    topic = kZindleEyeWholeViewTopic;
  } else if (pressWholeViewButtons(x, y, 495, topic, kZindleEyeWholeViewTopic)) {
  } else {
    return false;
  }
  return true;
}

void paint(Surface& s) {
  Workspace& w = ws();
  ZindleEyeRequestState& request = w.zindleEyeRequest;
  drawControls(s);
  restoreOrCallStep(kTab);
  planesToCanvas();
  if (request.run == 1 && request.horn >= 1 && request.horn <= 12) {
    SweepParams params;
    params.variant = request.variant;
    params.horn = request.horn;
    params.blind = request.blind;
    for (int k = 0; k < 3; ++k) params.median[k] = w.channelStats.median[k];
    SweepDisplay display(s);
    runSweep(workCanvas(), workPlanes(), params, &display);
  }
  canvasToPlanes();
  request.run = 0;
  if (w.zindleEye.bright != 100 || w.zindleEye.dark != 0) {
    applyBrightDark(workCanvas(), w.zindleEye.bright, w.zindleEye.dark);
  }
  showCanvas(s, w.wholeViewMode);
  keepStep(kTab);
  saveStep();
  drawButton(s, makeButton(4, 294, 88, Rgb{20, 240, 200}), label(ZindleEyeLabel::SetKeep3));
  request.horn = 0;
  drawTabBar(s);
  drawBrightDark(s);
  commentStep(s, kTab, w.zindleEye.helpTopic);
}

}  // namespace

const PageBlock kZindleEyePage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
