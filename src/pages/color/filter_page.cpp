#include "pages/color/filter_page.h"

#include <algorithm>
#include <array>
#include <utility>

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
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageFilter);
constexpr Rgb kLightCoreColour{128, 180, 192};
constexpr Rgb kPowerColour{220, 220, 220};
constexpr Rgb kPowerFill{170, 170, 170};
constexpr Rgb kEachPowerFill[3] = {{230, 200, 200}, {200, 230, 200}, {200, 200, 230}};
constexpr Rgb kStepColour{220, 220, 100};

constexpr KeyPadLayout kPad{.top = 505};

// The panel is drawn in steps: its frame before the key pad's presses are carried out, the values
// after the operations have run, then "set KEEP1" and last the light core's action switch.
constexpr uint8_t kFrameStage = 0;
constexpr uint8_t kValueStage = 1;
constexpr uint8_t kKeepStage = 2;
constexpr uint8_t kActionStage = 3;

FilterPageState& filter() {
  return ws().filter;
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
  if (f.lightCoreMode == kLightCoreStartTarget) return &f.start;
  if (f.lightCoreMode == kLightCoreEndTarget) return &f.end;
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
  f.lightCoreMode = kLightCoreShown;
  ws().callSlot = kTab;
  f.peach = 0;
  f.berry = 0;
}

void resetModes() {
  FilterPageState& f = filter();
  f.lightCoreMode = kLightCoreOff;
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

void toggleValueTarget(int mode) {
  FilterPageState& f = filter();
  if (f.lightCoreMode != mode) {
    f.lightCoreMode = mode;
    setCal(true);
    f.colorPowerTarget = 0;
    f.stepTarget = 0;
  } else {
    f.lightCoreMode = kLightCoreOff;
    setCal(false);
  }
}

void toggleColorPowerTarget(int, int) {
  FilterPageState& f = filter();
  if (!f.colorPowerTarget) {
    f.colorPowerTarget = 1;
    if (f.lightCoreMode == kLightCoreStartTarget || f.lightCoreMode == kLightCoreEndTarget) {
      f.lightCoreMode = kLightCoreOff;
    }
    f.stepTarget = 0;
    setCal(true);
  } else {
    f.colorPowerTarget = 0;
    setCal(false);
  }
}

void toggleStepTarget(int, int) {
  FilterPageState& f = filter();
  if (!f.stepTarget) {
    f.stepTarget = 1;
    f.colorPowerTarget = 0;
    f.lightCoreMode = kLightCoreOff;
    setCal(true);
    f.helpTopic = kFilterStepTopic;
  } else {
    f.stepTarget = 0;
    setCal(false);
  }
}

void pressKeyPad(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kPad);
  if (hit.key == PadKey::Cal) {
    setCal(!filter().calIndicator);
    if (filter().calIndicator) ws().pageComment = kCalculatorComment;
  }
  pressPadKey(hit);
}

// The dark reset mark: every value to its default and the page's keep slot read again.
void resetPage(int, int) {
  defaults();
  ws().pageComment = kCommentShown;
  resetToEntryImage(kTab);
}

// A light-core switch: its change of the values, then the stretch shown from the source picture.
template <void (*Change)(FilterPageState&)>
void changeLightCore(int, int) {
  Change(filter());
  lightCoreChanged();
}
void clickBelt(int x, int) {
  clickFilterBelt(filter(), x);
  lightCoreChanged();
}

constexpr ResetMarks kResetMarks{.y = 22,
                                 .lightX = 52,
                                 .darkColour = 2,
                                 .lightColour = 9,
                                 .darkZone = zoneIncl(3, 49, 23, 51),
                                 .lightZone = zoneIncl(51, 97, 23, 51)};

// The light-core belt: the range between the two marks filled, the marks reaching past it.
void drawLightCoreBelt(Surface& s, const PanelItem&) {
  const FilterPageState& f = filter();
  const int from = beltMarkX(kLightCoreBelt, f.start);
  const int to = beltMarkX(kLightCoreBelt, f.end);
  for (int x = from; x <= to; ++x) s.line(x, 108, x, 127, kLightCoreColour);
  s.rectangleOutline(kLightCoreBelt.left, 107, kLightCoreBelt.left + kLightCoreBelt.length, 127,
                     kBeltFrameGrey);
  s.line(from, 104, from, 130, kLabelText);
  s.line(to, 104, to, 130, kLabelText);
}

// A power belt: 96 x 10 at (2, y), its upper half showing 1 .. 100, its lower half 100 .. 1000;
// hit on x 2 .. 98 over its ten rows.
constexpr HitZone beltZone(int y) {
  return zoneIncl(2, 98, y, y + 9);
}
template <int Y, bool Lower>
void drawColorPowerBelt(Surface& s, const PanelItem&) {
  const FilterPageState& f = filter();
  const Rgb fill = f.eachPowerMode != 0 ? kPowerColour : kPowerFill;
  drawBar(s, 2, Y, 96, 10, kBeltFrameGrey, fill,
          Lower ? lowerPowerFill(f.colorPower) : upperPowerFill(f.colorPower));
}
template <bool Lower>
void setColorPower(int x, int) {
  filter().colorPower = Lower ? powerFromLower(x) : powerFromUpper(x);
  filter().eachPowerMode = 0;
}
template <int Y, bool Lower>
PanelItem colorPowerBelt() {
  return inStage(kValueStage, customItem(LabelButton{}, drawColorPowerBelt<Y, Lower>, beltZone(Y),
                                         kFilterColorPowerTopic, setColorPower<Lower>));
}

// The each power belts of red, green and blue, 26 pixels apart from y = 291.
template <int K, bool Lower>
void drawEachPowerBelt(Surface& s, const PanelItem&) {
  const FilterPageState& f = filter();
  const Rgb fill = f.eachPowerMode == K + 1 ? Rgb{120, 120, 120} : kEachPowerFill[K];
  const int power = f.eachPower[K];
  drawBar(s, 2, 291 + 26 * K + (Lower ? 10 : 0), 96, 10, kBeltFrameGrey, fill,
          Lower ? lowerPowerFill(power) : upperPowerFill(power));
}
template <int K, bool Lower>
void setEachPower(int x, int) {
  filter().eachPower[K] = Lower ? powerFromLower(x) : powerFromUpper(x);
  filter().eachPowerMode = K + 1;
}
template <int K, bool Lower>
PanelItem eachPowerBelt() {
  return inStage(kValueStage, customItem(LabelButton{}, drawEachPowerBelt<K, Lower>,
                                         beltZone(291 + 26 * K + (Lower ? 10 : 0)),
                                         kFilterEachPowerTopic, setEachPower<K, Lower>));
}

// Peach and berry: a switch that runs its balance at the next paint; hit on x 5 .. 91.
template <int32_t FilterPageState::*Switch>
PanelItem balanceItem(int y, FilterLabel text) {
  return buttonItem(
      boxAt(4, y, 84, kPowerColour), label(text), zoneIncl(5, 91, y + 1, y + 19),
      kFilterBalanceTopic, [](int, int) { filter().*Switch = 1; },
      [] { return filter().*Switch != 0; });
}

// The step's up-down switch: an arrow of 10 at (79, y), hit on x 75 .. 93 over its rows y + 1 ..
// y + 9.
template <void (*Step)(FilterPageState&)>
PanelItem stepSwitch(int y, void (*draw)(Surface&, const PanelItem&)) {
  return inStage(kValueStage,
                 customItem(boxAt(79, y, 10, kStepColour), draw, zoneIncl(75, 93, y + 1, y + 9),
                            kFilterStepTopic, [](int, int) { Step(filter()); }));
}

PanelItem scaleText(int x, int y, FilterLabel text) {
  return inStage(kValueStage, textItem(smallFont(textAt(x, y, 30)), label(text)));
}

// The light core's belt between its start's and its end's switches; the end's up switch leaves
// the help topic as it stands.
std::array<PanelItem, 5> lightCoreBelt() {
  auto items =
      inStage(kValueStage,
              beltItems({.y = 107, .colour = kLightCoreColour, .topic = kFilterLightCoreTopic},
                        drawLightCoreBelt,
                        {changeLightCore<filterStartDown>, changeLightCore<filterStartUp>,
                         clickBelt, changeLightCore<filterEndDown>, changeLightCore<filterEndUp>}));
  items[4] = withTopic(0, items[4]);
  return items;
}

bool isCalOn() {
  return filter().calIndicator != 0;
}
int32_t& colorPower() {
  return filter().colorPower;
}

// The panel in the order of the page's click table. Within a row that a click selects as a whole
// (color power, each power, color balance), its switches come first and the row's area last.
const auto kPanel = joinItems(
    buttonItem(boxAt(8, 2, 84, kWhite), label(FilterLabel::Heading), zoneIncl(5, 91, 1, 21), 0,
               [](int, int) { ws().pageComment = kTab; }),
    resetItem(darkResetMark<kResetMarks>(kFilterResetTopic, resetPage)),
    lightResetMark<kResetMarks>(kFilterResetTopic, [](int, int) { resetModes(); }),
    buttonItem(boxAt(4, 55, 84, kGetImageButtonFrame), label(FilterLabel::GetImage),
               zoneIncl(5, 91, 56, 74), 0,
               [](int, int) {
                 ws().getImageRequest = 1;
                 ws().callSlot = kTab;
               }),
    // The light core.
    buttonItem(boxAt(4, 85, 88, kWhite), label(FilterLabel::LightCoreHeading),
               zoneIncl(5, 71, 82, 100), kFilterLightCoreTopic),
    buttonItem(
        boxAt(72, 81, 26, kLightCoreColour), label(FilterLabel::SpectrumCore), kBoxInside, 0,
        [](int, int) {
          FilterPageState& f = filter();
          f.spectrumSwitch = f.spectrumSwitch ? 0 : 1;
          if (f.spectrumSwitch) f.helpTopic = kFilterLightCoreTopic;
        },
        [] { return filter().spectrumSwitch != 0; }),
    lightCoreBelt(),
    inStage(kValueStage, valueBoxItem(
                             boxAt(4, 133, 30, kLightCoreColour), label(FilterLabel::FValue),
                             [] { return filter().start; }, kBoxInside, kFilterLightCoreTopic,
                             [](int, int) { toggleValueTarget(kLightCoreStartTarget); },
                             [] { return filter().lightCoreMode == kLightCoreStartTarget; })),
    inStage(kValueStage,
            buttonItem(boxAt(40, 133, 20, kWhite), label(FilterLabel::Separator), kNoHit)),
    inStage(kValueStage, valueBoxItem(
                             boxAt(62, 133, 30, kLightCoreColour), label(FilterLabel::TValue),
                             [] { return filter().end; }, kBoxInside, 0,
                             [](int, int) {
                               toggleValueTarget(kLightCoreEndTarget);
                               if (filter().lightCoreMode == kLightCoreEndTarget) {
                                 filter().helpTopic = kFilterLightCoreTopic;
                               }
                             },
                             [] { return filter().lightCoreMode == kLightCoreEndTarget; })),
    inStage(kActionStage, buttonItem(
                              boxAt(4, 159, 88, kLightCoreColour),
                              label(FilterLabel::LightCoreAction), kBoxInside, 0,
                              [](int, int) {
                                FilterPageState& f = filter();
                                if (f.lightCoreMode != kLightCoreShown) {
                                  lightCoreChanged();
                                  f.helpTopic = kFilterLightCoreTopic;
                                } else {
                                  f.lightCoreMode = kLightCoreOff;
                                }
                              },
                              [] { return filter().lightCoreMode == kLightCoreShown; })),
    // The color power.
    buttonItem(boxAt(4, 185, 84, kWhite), label(FilterLabel::ColorPowerHeading), kNoHit),
    inStage(kValueStage, valueBoxItem(
                             boxAt(30, 205, 44, kPowerColour), label(FilterLabel::ColorPowerValue),
                             [] { return filter().colorPower; }, zoneIncl(30, 74, 206, 224),
                             kFilterColorPowerTopic, toggleColorPowerTarget,
                             [] { return filter().colorPowerTarget != 0; })),
    inStage(kValueStage, diamondPairItems({.x = 78,
                                           .y = 207,
                                           .colour = kBeltFrameGrey,
                                           .down = zoneIncl(78, 87, 206, 224),
                                           .up = zoneIncl(88, 98, 206, 224)},
                                          kFilterColorPowerTopic, stepDownTo<colorPower, 10, 1>,
                                          stepUpTo<colorPower, 10, 1000>)),
    colorPowerBelt<228, false>(), colorPowerBelt<248, true>(),
    // The upper scale stands on the upper belt, as the panel has always drawn it.
    scaleText(2, 228, FilterLabel::PowerScale1), scaleText(42, 228, FilterLabel::PowerScale50),
    scaleText(78, 228, FilterLabel::PowerScale100),
    scaleText(0, 258, FilterLabel::PowerScaleLower100),
    scaleText(38, 258, FilterLabel::PowerScale500), scaleText(72, 258, FilterLabel::PowerScale1000),
    hitOnlyItem(zoneIncl(1, 98, 186, 257), kFilterColorPowerTopic),
    // Each power.
    buttonItem(boxAt(6, 271, 84, kWhite), label(FilterLabel::EachPowerHeading), kNoHit),
    eachPowerBelt<0, false>(), eachPowerBelt<0, true>(), eachPowerBelt<1, false>(),
    eachPowerBelt<1, true>(), eachPowerBelt<2, false>(), eachPowerBelt<2, true>(),
    hitOnlyItem(zoneIncl(1, 98, 272, 362), kFilterEachPowerTopic),
    buttonItem(
        boxAt(4, 369, 84, kPowerColour), label(FilterLabel::ColorPowerAction),
        zoneIncl(5, 91, 368, 386), kFilterActionTopic,
        [](int, int) { filter().colorPowerAction = 1; },
        [] { return filter().colorPowerAction != 0; }),
    // The color balance.
    buttonItem(boxAt(4, 407, 94, kWhite), label(FilterLabel::ColorBalanceHeading), kNoHit),
    balanceItem<&FilterPageState::peach>(427, FilterLabel::Peach),
    balanceItem<&FilterPageState::berry>(453, FilterLabel::Berry),
    hitOnlyItem(zoneIncl(5, 97, 408, 472), kFilterBalanceTopic),
    inStage(kKeepStage, buttonItem(boxAt(4, 479, 84, kKeepButtonFrame),
                                   label(FilterLabel::SetKeep1), zoneIncl(5, 91, 480, 498),
                                   kFilterKeepTopic, [](int, int) { ws().keepRequest = 1; })),
    // The key pad, hit on its keys only; its entry is drawn after the presses are carried out.
    keyPadItem<kPad, isCalOn>(pressKeyPad), inStage(kValueStage, padEntryItem<kPad>()),
    // The step.
    inStage(kValueStage, buttonItem(boxAt(26, 661, 62, kWhite), label(FilterLabel::StepHeading),
                                    zoneIncl(5, 97, 662, 680), kFilterStepTopic)),
    inStage(kValueStage, diamondItem(4, 665, kStepColour, kNoHit)),
    inStage(kValueStage, valueBoxItem(
                             boxAt(26, 681, 44, kStepColour), label(FilterLabel::StepValue),
                             [] { return filter().step; }, kBoxInside, 0, toggleStepTarget,
                             [] { return filter().stepTarget != 0; })),
    stepSwitch<filterStepUp>(681, drawUpArrowItem),
    stepSwitch<filterStepDown>(691, drawDownArrowItem));

bool press(int x, int y) {
  return pressPanel(kPanel, x, y, filter().helpTopic);
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

// The light core shown was kept: its start and end stay, for one click to show it again.
bool switchOffLightCore() {
  if (filter().lightCoreMode != kLightCoreShown) return false;
  filter().lightCoreMode = kLightCoreOff;
  return true;
}

void paint(Surface& s) {
  FilterPageState& f = filter();
  restoreOrCallStep(kTab);
  // The light core writes every byte of the working image from the planes, so the plain copy it
  // would overwrite is left out.
  if (f.lightCoreMode == kLightCoreShown) {
    applyLightCore(workPlanes(), workCanvas(), f.start, f.end);
  } else {
    planesToCanvas();
  }
  drawPanelStage(s, kPanel, kFrameStage);
  if (runCalculator(calculatorTarget())) validateFilterValues(f);
  holdSpectrumCore(f);
  computeChannelStats(workPlanes(), ws().channelStats);
  // The next paint shows the changed planes and measures them again.
  if (runPendingOperation()) platform().invalidate();
  for (uint8_t stage : {kValueStage, kKeepStage, kActionStage}) drawPanelStage(s, kPanel, stage);
  drawTabBar(s);
  commentStep(s, kTab, f.helpTopic);
  showCanvas(s, 0);
  const bool kept = keepStep(kTab);
  const bool saved = saveStep();
  if (kept || saved) endLiveView(switchOffLightCore);
}

}  // namespace

const PageBlock kFilterPage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
