#include "pages/fog/zindle_eye_page.h"

#include <array>
#include <utility>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/fog/bright_dark.h"
#include "pages/fog/fog_sweep.h"
#include "platform/platform.h"
#include "text/zindle_eye_texts.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageZindleEye);
constexpr Rgb kControlFrame{222, 222, 222};
constexpr Rgb kBrightFill{192, 192, 192};
constexpr Rgb kDarkFill{64, 64, 64};
constexpr Rgb kLevelLineMark{200, 200, 200};

// The panel is drawn in three steps: the controls before the picture, "Set KEEP3" after the
// keep, bright and dark after the tab bar.
constexpr uint8_t kControlStage = 0;
constexpr uint8_t kKeepStage = 1;
constexpr uint8_t kBrightDarkStage = 2;

ZindleEyeRequestState& request() {
  return ws().zindleEyeRequest;
}
int32_t& variant() {
  return request().variant;
}

// How far each bar is filled: bright 1 .. 100 on its lower bar and 100 .. 200 on its upper bar,
// dark -100 .. 0 and 0 .. +100.
int brightLower() {
  const int bright = ws().zindleEye.bright;
  return bright > 100 ? 96 : bright * 96 / 100;
}
int brightUpper() {
  const int bright = ws().zindleEye.bright;
  return bright > 200 ? 96 : (bright - 100) * 96 / 100;
}
int darkLower() {
  const int dark = ws().zindleEye.dark;
  if (dark < -100) return 0;
  if (dark >= 0) return 96;
  return (dark * 96 + 9600) / 100;
}
int darkUpper() {
  const int dark = ws().zindleEye.dark;
  if (dark <= 0) return 0;
  if (dark > 200) return 96;
  return dark * 96 / 100;
}

// The both button's icon: a square with its right half filled.
void drawBothButton(Surface& s, const PanelItem& item) {
  drawButton(s, shownBox(item), *item.label);
  s.rectangleOutline(42, 116, 54, 128, kControlFrame, 2);
  s.fillRect(48, 116, 54, 128, kControlFrame);
}

// The weak both button's icon: a diamond of half-diagonal 7 around (77, 122), outlined with a
// 2-pixel pen, its right half filled.
void drawWeakBothButton(Surface& s, const PanelItem& item) {
  drawButton(s, shownBox(item), *item.label);
  constexpr int cx = 77, cy = 122, d = 7;
  s.line(cx, cy - d, cx + d, cy, kControlFrame, 2);
  s.line(cx + d, cy, cx, cy + d, kControlFrame, 2);
  s.line(cx, cy + d, cx - d, cy, kControlFrame, 2);
  s.line(cx - d, cy, cx, cy - d, kControlFrame, 2);
  for (int i = 0; i <= d; ++i)
    s.line(cx + i, cy - (d - i), cx + i, cy + (d - i) + 1, kControlFrame);
}

// The variants: rows of light, both and dark, strong (relative, direct, inverted form) at x 4 and
// weak at x 67. The light row is hit only down to y 101.
template <int32_t Variant>
PanelItem variantItem(int x, int y, int width, ZindleEyeLabel text, int32_t topic,
                      HitZone zone = kBoxInside) {
  return buttonItem(boxAt(x, y, width, kControlFrame), label(text), zone, topic,
                    setTo<variant, Variant>, isSetTo<variant, Variant>);
}

// The horns A .. L, three a row from (4, 164), 32 pixels apart across and 26 down.
template <int Horn>
PanelItem hornItem() {
  constexpr int index = Horn - 1;
  return buttonItem(
      boxAt(4 + 32 * (index % 3), 164 + 26 * (index / 3), 26, kControlFrame),
      label(static_cast<ZindleEyeLabel>(static_cast<int>(ZindleEyeLabel::HornA) + index)),
      kBoxInside, kZindleEyeHornTopic, [](int, int) {
        request().horn = Horn;
        request().run = 1;
      });
}
template <int... Index>
std::array<PanelItem, sizeof...(Index)> hornItems(std::integer_sequence<int, Index...>) {
  return {hornItem<Index + 1>()...};
}

// A bar of bright or dark: 96 x 13 at (2, y), filled up to fill() and hit strictly inside its
// frame; a click at x gives the value v = (x - 2) * 100 / 96 to set().
struct BarGeometry {
  int y;
  constexpr HitZone zone() const { return zoneExcl(2, 98, y, y + 13); }
};
constexpr BarGeometry kBrightLower{358}, kBrightUpper{371}, kDarkLower{423}, kDarkUpper{436};

int barValue(int x) {
  return (x - 2) * 100 / 96;
}

template <const BarGeometry& Bar, const Rgb& Fill, int (*Filled)()>
void drawBarItem(Surface& s, const PanelItem&) {
  drawBar(s, 2, Bar.y, 96, 13, kBeltFrameGrey, Fill, Filled());
}
template <const BarGeometry& Bar, const Rgb& Fill, int (*Filled)()>
PanelItem barItem(void (*set)(int x, int y)) {
  return inStage(kBrightDarkStage, customItem(LabelButton{}, drawBarItem<Bar, Fill, Filled>,
                                              Bar.zone(), kZindleEyeBrightTopic, set));
}

// The bright and dark headings and scales; some hold the gaps between the bars.
PanelItem scaleText(int y, ZindleEyeLabel text, int fontHeight, HitZone zone) {
  LabelButton b = textAt(2, y, 96);
  b.fontHeight = fontHeight;
  return inStage(kBrightDarkStage, buttonItem(b, label(text), zone, kZindleEyeBrightTopic));
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

void fullReset(int, int) {
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

constexpr ResetMarks kResetMarks{.y = 24,
                                 .lightX = 52,
                                 .darkColour = 3,
                                 .lightColour = 6,
                                 .darkZone = zoneIncl(1, 49, 25, 53),
                                 .lightZone = zoneIncl(51, 99, 25, 33)};

// The panel in the order of the page's click table.
const auto kPanel = joinItems(
    buttonItem(boxAt(4, 4, 104, kWhite), label(ZindleEyeLabel::Heading), zoneIncl(5, 91, 1, 23), 0,
               [](int, int) { ws().pageComment = kTab; }),
    darkResetMark<kResetMarks>(kZindleEyeResetTopic, fullReset),
    lightResetMark<kResetMarks>(kZindleEyeResetTopic),
    buttonItem(textAt(4, 64, 84), label(ZindleEyeLabel::ZindleEyeHeading), zoneIncl(5, 91, 61, 85),
               kZindleEyeSweepTopic),
    variantItem<3>(4, 86, 57, ZindleEyeLabel::Light, kZindleEyeSweepTopic,
                   zoneIncl(5, 60, 87, 101)),
    variantItem<6>(67, 86, 25, ZindleEyeLabel::WeakLight, kZindleEyeWeakTopic,
                   zoneIncl(68, 91, 87, 101)),
    drawnBy(drawBothButton, variantItem<1>(4, 112, 57, ZindleEyeLabel::Both, kZindleEyeSweepTopic)),
    drawnBy(drawWeakBothButton,
            variantItem<4>(67, 112, 25, ZindleEyeLabel::WeakBoth, kZindleEyeWeakTopic)),
    variantItem<2>(4, 138, 57, ZindleEyeLabel::Dark, kZindleEyeSweepTopic),
    variantItem<5>(67, 138, 25, ZindleEyeLabel::WeakDark, kZindleEyeWeakTopic),
    hornItems(std::make_integer_sequence<int, 12>()),
    // The horns' area around them.
    hitOnlyItem(zoneIncl(5, 93, 165, 261), kZindleEyeHornTopic),
    buttonItem(
        boxAt(4, 268, 88, kControlFrame), label(ZindleEyeLabel::Blind), kBoxInside,
        kZindleEyeBlindTopic, [](int, int) { request().blind = request().blind ? 0 : 1; },
        [] { return request().blind != 0; }),
    inStage(kKeepStage,
            buttonItem(boxAt(4, 294, 88, Rgb{20, 240, 200}), label(ZindleEyeLabel::SetKeep3),
                       kBoxInside, kZindleEyeKeepTopic, [](int, int) { ws().keepRequest = 1; })),
    scaleText(332, ZindleEyeLabel::BrightHeading, 12, zoneIncl(3, 97, 333, 357)),
    scaleText(345, ZindleEyeLabel::BrightScaleLow, 10, kNoHit),
    barItem<kBrightLower, kBrightFill, brightLower>(
        [](int x, int) { ws().zindleEye.bright = barValue(x); }),
    barItem<kBrightUpper, kBrightFill, brightUpper>(
        [](int x, int) { ws().zindleEye.bright = barValue(x) + 100; }),
    scaleText(384, ZindleEyeLabel::BrightScaleHigh, 10, zoneIncl(3, 97, 385, 422)),
    scaleText(397, ZindleEyeLabel::DarkHeading, 12, kNoHit),
    scaleText(410, ZindleEyeLabel::DarkScaleLow, 10, kNoHit),
    barItem<kDarkLower, kDarkFill, darkLower>(
        [](int x, int) { ws().zindleEye.dark = barValue(x) - 100; }),
    barItem<kDarkUpper, kDarkFill, darkUpper>(
        [](int x, int) { ws().zindleEye.dark = barValue(x); }),
    scaleText(449, ZindleEyeLabel::DarkScaleHigh, 10, zoneIncl(3, 97, 450, 462)),
    buttonItem(textAt(0, 475, 96), label(ZindleEyeLabel::WholeViewHeading),
               zoneIncl(5, 91, 476, 494), kZindleEyeWholeViewTopic),
    wholeViewItem(1, 495, label(ZindleEyeLabel::WholeViewImage), kZindleEyeWholeViewTopic),
    wholeViewItem(2, 495, label(ZindleEyeLabel::WholeViewCanvas), kZindleEyeWholeViewTopic),
    wholeViewItem(0, 495, label(ZindleEyeLabel::WholeViewBack), kZindleEyeWholeViewTopic));

bool press(int x, int y) {
  return pressPanel(kPanel, x, y, ws().zindleEye.helpTopic);
}

// Bright and dark back to the values that change nothing, once they have been kept.
bool switchOffBrightDark() {
  ZindleEyePageState& z = ws().zindleEye;
  if (!brightDarkActive(z.bright, z.dark)) return false;
  z.bright = 100;
  z.dark = 0;
  return true;
}

void paint(Surface& s) {
  Workspace& w = ws();
  ZindleEyeRequestState& request = w.zindleEyeRequest;
  drawPanelStage(s, kPanel, kControlStage);
  restoreOrCallStep(kTab);
  const bool sweep = request.run == 1 && request.horn >= 1 && request.horn <= 12;
  if (!sweep) {
    // The picture goes to the canvas and straight back: both copies in one pass.
    planesToCanvasAndBack();
  } else {
    planesToCanvas();
    SweepParams params;
    params.variant = request.variant;
    params.horn = request.horn;
    params.blind = request.blind;
    for (int k = 0; k < 3; ++k) params.median[k] = w.channelStats.median[k];
    SweepDisplay display(s);
    const BusyCursor busy;
    runSweep(workCanvas(), workPlanes(), params, &display);
    canvasToPlanes();
  }
  request.run = 0;
  if (brightDarkActive(w.zindleEye.bright, w.zindleEye.dark)) {
    applyBrightDark(workCanvas(), w.zindleEye.bright, w.zindleEye.dark);
  }
  showCanvas(s, w.wholeViewMode);
  const bool kept = keepStep(kTab);
  const bool saved = saveStep();
  if (kept || saved) endLiveView(switchOffBrightDark);
  drawPanelStage(s, kPanel, kKeepStage);
  request.horn = 0;
  drawTabBar(s);
  drawPanelStage(s, kPanel, kBrightDarkStage);
  commentStep(s, kTab, w.zindleEye.helpTopic);
}

}  // namespace

const PageBlock kZindleEyePage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
