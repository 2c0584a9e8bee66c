#include "pages/color/filter_page.h"

#include <algorithm>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/channel_stats.h"
#include "pages/color/color_balance.h"
#include "pages/color/filter_page_values.h"
#include "pages/color/light_core.h"
#include "platform/platform.h"
#include "text/filter_texts.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageFilter);
constexpr Rgb kLightCoreColour{128, 180, 192};
constexpr Rgb kPowerColour{220, 220, 220};
constexpr Rgb kPowerFill{170, 170, 170};
constexpr Rgb kBeltFrame{192, 192, 192};
constexpr Rgb kEachPowerFill[3] = {{230, 200, 200}, {200, 230, 200}, {200, 200, 230}};
constexpr Rgb kStepColour{220, 220, 100};

constexpr int kPadTop = 505;

FilterPageState& filter() {
  return ws().filter;
}

ButtonLook onWhen(bool on) {
  return on ? ButtonLook::On : ButtonLook::Raised;
}

// Power belts show 1..100 on the upper half and 100..1000 on the lower half.
int upperPowerFill(int power) {
  return power > 100 ? 96 : power * 96 / 100;
}
int lowerPowerFill(int power) {
  return power < 100 ? -1 : (power * 96 - 9600) / 900;
}
int powerFromUpper(int x) {
  return std::max(1, (x - 2) * 100 / 96);
}
int powerFromLower(int x) {
  return std::clamp(100 + (x - 2) * 900 / 96, 1, 1000);
}

int32_t* calculatorTarget() {
  FilterPageState& f = filter();
  if (f.lightCoreMode == 2) return &f.start;
  if (f.lightCoreMode == 3) return &f.end;
  if (f.stepTarget) return &f.step;
  if (f.colorPowerTarget) return &f.colorPower;
  return nullptr;
}

void setCal(bool on) {
  filter().calIndicator = on ? 1 : 0;
  ws().calculator.switchOn = on ? 1 : 0;
}

// A change of the light core restarts from the source picture with the stretch shown.
void lightCoreChanged() {
  FilterPageState& f = filter();
  f.lightCoreMode = 1;
  ws().callSlot = kTab;
  f.peach = 0;
  f.berry = 0;
}

void resetModes() {
  FilterPageState& f = filter();
  f.lightCoreMode = 0;
  f.colorPowerAction = 0;
  f.colorPowerTarget = 0;
  f.eachPowerMode = 0;
  f.stepTarget = 0;
  f.peach = 0;
  f.berry = 0;
  setCal(false);
}

void defaults() {
  Workspace& w = ws();
  w.filter = FilterPageState{};
  w.calculator = CalculatorState{};
  w.pageComment = kTab;
}

void drawPanelTop(Surface& s) {
  const FilterPageState& f = filter();
  drawButton(s, makeButton(8, 2, 84, kWhite), label(FilterLabel::Heading));
  drawResetMark(s, 2, 22, 2);
  drawResetMark(s, 52, 22, 9);
  drawButton(s, makeButton(4, 55, 84, Rgb{80, 160, 240}), label(FilterLabel::GetImage));
  drawButton(s, makeButton(4, 85, 88, kWhite), label(FilterLabel::LightCoreHeading));
  drawButton(s, makeButton(72, 81, 26, kLightCoreColour, onWhen(f.spectrumSwitch != 0)),
             label(FilterLabel::SpectrumCore));
  drawButton(s, makeButton(4, 185, 84, kWhite), label(FilterLabel::ColorPowerHeading));
  drawButton(s, makeButton(6, 271, 84, kWhite), label(FilterLabel::EachPowerHeading));
  drawButton(s, makeButton(4, 369, 84, kPowerColour, onWhen(f.colorPowerAction != 0)),
             label(FilterLabel::ColorPowerAction));
  drawButton(s, makeButton(4, 407, 94, kWhite), label(FilterLabel::ColorBalanceHeading));
  drawButton(s, makeButton(4, 427, 84, kPowerColour, onWhen(f.peach != 0)),
             label(FilterLabel::Peach));
  drawButton(s, makeButton(4, 453, 84, kPowerColour, onWhen(f.berry != 0)),
             label(FilterLabel::Berry));
  drawKeyPad(s, kPadTop, f.calIndicator != 0);
}

void drawPanelValues(Surface& s) {
  const FilterPageState& f = filter();
  drawDiamondGlyph(s, 2, 107, 10, kLightCoreColour);
  drawDiamondGlyph(s, 12, 107, 10, kLightCoreColour);
  drawDiamondGlyph(s, 78, 107, 10, kLightCoreColour);
  drawDiamondGlyph(s, 88, 107, 10, kLightCoreColour);
  // The centre belt: the range between the two marks filled.
  const int from = beltMarkX(kLightCoreBelt, f.start);
  const int to = beltMarkX(kLightCoreBelt, f.end);
  for (int x = from; x <= to; ++x) s.line(x, 108, x, 127, kLightCoreColour);
  s.rectangleOutline(kLightCoreBelt.left, 107, kLightCoreBelt.left + kLightCoreBelt.length, 127,
                     kBeltFrame);
  s.line(from, 104, from, 130, kLabelText);
  s.line(to, 104, to, 130, kLabelText);

  drawValueBox(s, makeButton(4, 133, 30, kLightCoreColour, onWhen(f.lightCoreMode == 2)),
               label(FilterLabel::FValue), f.start);
  drawButton(s, makeButton(40, 133, 20, kWhite), label(FilterLabel::Separator));
  drawValueBox(s, makeButton(62, 133, 30, kLightCoreColour, onWhen(f.lightCoreMode == 3)),
               label(FilterLabel::TValue), f.end);

  drawValueBox(s, makeButton(30, 205, 44, kPowerColour, onWhen(f.colorPowerTarget != 0)),
               label(FilterLabel::ColorPowerValue), f.colorPower);
  drawDiamondGlyph(s, 78, 207, 10, kBeltFrame);
  drawDiamondGlyph(s, 88, 207, 10, kBeltFrame);
  auto scale = [&](int x, int y, FilterLabel item) {
    LabelButton b = makeButton(x, y, 30, kWhite, ButtonLook::Plain);
    b.fontHeight = 10;
    drawButton(s, b, label(item));
  };
  const bool eachMode = f.eachPowerMode != 0;
  drawBar(s, 2, 228, 96, 10, kBeltFrame, eachMode ? kPowerColour : kPowerFill,
          upperPowerFill(f.colorPower));
  drawBar(s, 2, 248, 96, 10, kBeltFrame, eachMode ? kPowerColour : kPowerFill,
          lowerPowerFill(f.colorPower));
  // The upper scale stands on the upper belt, as the panel has always drawn it.
  scale(2, 228, FilterLabel::PowerScale1);
  scale(42, 228, FilterLabel::PowerScale50);
  scale(78, 228, FilterLabel::PowerScale100);
  scale(0, 258, FilterLabel::PowerScaleLower100);
  scale(38, 258, FilterLabel::PowerScale500);
  scale(72, 258, FilterLabel::PowerScale1000);
  for (int k = 0; k < 3; ++k) {
    const int y = 291 + 26 * k;
    const int power = f.eachPower[k];
    const Rgb fill = f.eachPowerMode == k + 1 ? Rgb{120, 120, 120} : kEachPowerFill[k];
    drawBar(s, 2, y, 96, 10, kBeltFrame, fill, upperPowerFill(power));
    drawBar(s, 2, y + 10, 96, 10, kBeltFrame, fill, lowerPowerFill(power));
  }

  drawPadEntry(s, kPadTop);
  drawButton(s, makeButton(26, 661, 62, kWhite), label(FilterLabel::StepHeading));
  drawDiamondGlyph(s, 4, 665, 10, kStepColour);
  drawValueBox(s, makeButton(26, 681, 44, kStepColour, onWhen(f.stepTarget != 0)),
               label(FilterLabel::StepValue), f.step);
  drawArrowGlyph(s, 79, 681, 10, kStepColour, ArrowDirection::Up);
  drawArrowGlyph(s, 79, 691, 10, kStepColour, ArrowDirection::Down);
  drawButton(s, makeButton(4, 479, 84, Rgb{0, 220, 220}), label(FilterLabel::SetKeep1));
  drawButton(s, makeButton(4, 159, 88, kLightCoreColour, onWhen(f.lightCoreMode == 1)),
             label(FilterLabel::LightCoreAction));
}

void toggleValueTarget(int mode) {
  FilterPageState& f = filter();
  if (f.lightCoreMode != mode) {
    f.lightCoreMode = mode;
    setCal(true);
    f.colorPowerTarget = 0;
    f.stepTarget = 0;
  } else {
    f.lightCoreMode = 0;
    setCal(false);
  }
}

// Colour power controls: the value box, its switch and the two belts.
bool pressColorPower(int x, int y) {
  FilterPageState& f = filter();
  if (inside(x, y, 29, 205, 75, 225)) {
    if (!f.colorPowerTarget) {
      f.colorPowerTarget = 1;
      if (f.lightCoreMode == 2 || f.lightCoreMode == 3) f.lightCoreMode = 0;
      f.stepTarget = 0;
      setCal(true);
    } else {
      f.colorPowerTarget = 0;
      setCal(false);
    }
  } else if (inside(x, y, 77, 205, 88, 225)) {
    f.colorPower = std::max(1, f.colorPower - 10);
  } else if (inside(x, y, 87, 205, 99, 225)) {
    f.colorPower = std::min(1000, f.colorPower + 10);
  } else if (inside(x, y, 1, 227, 99, 238)) {
    f.colorPower = powerFromUpper(x);
    f.eachPowerMode = 0;
  } else if (inside(x, y, 1, 247, 99, 258)) {
    f.colorPower = powerFromLower(x);
    f.eachPowerMode = 0;
  }
  f.helpTopic = kFilterColorPowerTopic;
  return true;
}

bool pressEachPower(int x, int y) {
  FilterPageState& f = filter();
  for (int k = 0; k < 3; ++k) {
    const int top = 291 + 26 * k;
    if (inside(x, y, 1, top - 1, 99, top + 10)) {
      f.eachPower[k] = powerFromUpper(x);
      f.eachPowerMode = k + 1;
    } else if (inside(x, y, 1, top + 9, 99, top + 20)) {
      f.eachPower[k] = powerFromLower(x);
      f.eachPowerMode = k + 1;
    }
  }
  f.helpTopic = kFilterEachPowerTopic;
  return true;
}

bool pressKeyPad(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kPadTop);
  if (hit.key == PadKey::None) return false;
  if (hit.key == PadKey::Cal) {
    setCal(!filter().calIndicator);
    if (filter().calIndicator) ws().pageComment = kCalculatorComment;
  }
  pressPadKey(hit);
  return true;
}

bool press(int x, int y) {
  Workspace& w = ws();
  FilterPageState& f = filter();
  int32_t& topic = f.helpTopic;
  if (x >= 5 && x <= 91 && y > 0 && y < 22) {
    w.pageComment = kTab;
  } else if (inside(x, y, 2, 22, 50, 52)) {
    defaults();
    w.pageComment = kCommentShown;
    resetToEntryImage(kTab);
    topic = kFilterResetTopic;
  } else if (x > 50 && x <= 97 && y > 22 && y < 52) {
    resetModes();
    topic = kFilterResetTopic;
  } else if (x >= 5 && x <= 91 && y > 55 && y < 75) {
    w.getImageRequest = 1;
    w.callSlot = kTab;
  } else if (x >= 5 && x < 72 && y > 81 && y < 101) {
    topic = kFilterLightCoreTopic;
  } else if (x > 72 && x <= 97 && y > 81 && y < 101) {
    f.spectrumSwitch = f.spectrumSwitch ? 0 : 1;
    if (f.spectrumSwitch) topic = kFilterLightCoreTopic;
  } else if (inside(x, y, 2, 107, 12, 127)) {
    filterStartDown(f);
    lightCoreChanged();
    topic = kFilterLightCoreTopic;
  } else if (inside(x, y, 12, 107, 22, 127)) {
    filterStartUp(f);
    lightCoreChanged();
    topic = kFilterLightCoreTopic;
  } else if (inside(x, y, 24, 107, 76, 127)) {
    clickFilterBelt(f, x);
    lightCoreChanged();
    topic = kFilterLightCoreTopic;
  } else if (inside(x, y, 78, 107, 88, 127)) {
    filterEndDown(f);
    lightCoreChanged();
    topic = kFilterLightCoreTopic;
  } else if (x > 88 && x <= 97 && y > 107 && y < 127) {
    filterEndUp(f);
    lightCoreChanged();
  } else if (x >= 5 && x <= 33 && y > 133 && y < 153) {
    toggleValueTarget(2);
    topic = kFilterLightCoreTopic;
  } else if (x > 62 && x <= 91 && y > 133 && y < 153) {
    toggleValueTarget(3);
    if (f.lightCoreMode == 3) topic = kFilterLightCoreTopic;
  } else if (x >= 5 && x <= 91 && y > 159 && y < 179) {
    if (f.lightCoreMode != 1) {
      lightCoreChanged();
      topic = kFilterLightCoreTopic;
    } else {
      f.lightCoreMode = 0;
    }
  } else if (x >= 1 && x <= 98 && y > 185 && y < 258) {
    return pressColorPower(x, y);
  } else if (x >= 1 && x <= 98 && y > 271 && y < 363) {
    return pressEachPower(x, y);
  } else if (x >= 5 && x <= 91 && y > 367 && y < 387) {
    f.colorPowerAction = 1;
    topic = kFilterActionTopic;
  } else if (x >= 5 && x <= 97 && y > 407 && y < 473) {
    if (x <= 91 && y > 427 && y < 447) f.peach = 1;
    if (x <= 91 && y > 453 && y < 473) f.berry = 1;
    topic = kFilterBalanceTopic;
  } else if (x >= 5 && x <= 91 && y > 479 && y < 499) {
    w.keepRequest = 1;
    topic = kFilterKeepTopic;
  } else if (pressKeyPad(x, y)) {
  } else if (x >= 5 && x <= 97 && y > 661 && y < 681) {
    topic = kFilterStepTopic;
  } else if (inside(x, y, 26, 681, 70, 701)) {
    if (!f.stepTarget) {
      f.stepTarget = 1;
      f.colorPowerTarget = 0;
      f.lightCoreMode = 0;
      setCal(true);
      topic = kFilterStepTopic;
    } else {
      f.stepTarget = 0;
      setCal(false);
    }
  } else if (inside(x, y, 74, 681, 94, 691)) {
    filterStepUp(f);
    topic = kFilterStepTopic;
  } else if (x >= 75 && x <= 93 && y >= 692 && y <= 700) {
    filterStepDown(f);
    topic = kFilterStepTopic;
  } else {
    return false;
  }
  return true;
}

// Colour power, peach and berry change the planes; the shown picture follows at the next paint.
bool runPendingOperation() {
  FilterPageState& f = filter();
  const PlaneView planes = workPlanes();
  bool ran = false;
  if (f.colorPowerAction) {
    runColorPower(planes, f);
    f.colorPowerAction = 0;
    ran = true;
  }
  if (f.peach) {
    applyPeach(planes, ws().channelStats);
    f.peach = 0;
    ran = true;
  }
  if (f.berry) {
    applyBerry(planes, ws().channelStats);
    f.berry = 0;
    ran = true;
  }
  return ran;
}

void paint(Surface& s) {
  FilterPageState& f = filter();
  restoreOrCallStep(kTab);
  planesToCanvas();
  if (f.lightCoreMode == 1) applyLightCore(workPlanes(), workCanvas(), f.start, f.end);
  drawPanelTop(s);
  if (runCalculator(calculatorTarget())) validateFilterValues(f);
  holdSpectrumCore(f);
  computeChannelStats(workPlanes(), ws().channelStats);
  // The next paint shows the changed planes and measures them again.
  if (runPendingOperation()) platform().invalidate();
  drawPanelValues(s);
  drawTabBar(s);
  commentStep(s, kTab, f.helpTopic);
  showCanvas(s, 0);
  keepStep(kTab);
  saveStep();
}

}  // namespace

const PageBlock kFilterPage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
