#include "pages/color/filter_page.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <thread>
#include <utility>

#include "core/image_buffers.h"
#include "core/row_bands.h"
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
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageFilter);
constexpr Rgb kLightCoreColour{128, 180, 192};
constexpr Rgb kPowerColour{220, 220, 220};
constexpr Rgb kPowerFill{170, 170, 170};
constexpr Rgb kEachPowerFill[3] = {{230, 200, 200}, {200, 230, 200}, {200, 200, 230}};
constexpr Rgb kStepColour{220, 220, 100};

constexpr int kPadTop = 505;

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
  const PadHit hit = keyPadHit(x, y, kPadTop);
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
  return PanelItem{.kind = ItemKind::Custom,
                   .draw = drawColorPowerBelt<Y, Lower>,
                   .zone = beltZone(Y),
                   .topic = kFilterColorPowerTopic,
                   .action = setColorPower<Lower>,
                   .stage = kValueStage};
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
  return PanelItem{.kind = ItemKind::Custom,
                   .draw = drawEachPowerBelt<K, Lower>,
                   .zone = beltZone(291 + 26 * K + (Lower ? 10 : 0)),
                   .topic = kFilterEachPowerTopic,
                   .action = setEachPower<K, Lower>,
                   .stage = kValueStage};
}

// Peach and berry: a switch that runs its balance at the next paint; hit on x 5 .. 91.
template <int32_t FilterPageState::*Switch>
PanelItem balanceItem(int y, FilterLabel label) {
  return PanelItem{.box = makeButton(4, y, 84, kPowerColour),
                   .label = labelOf(label),
                   .on = [] { return filter().*Switch != 0; },
                   .zone = zoneIncl(5, 91, y + 1, y + 19),
                   .topic = kFilterBalanceTopic,
                   .action = [](int, int) { filter().*Switch = 1; }};
}

// The step's up-down switch: an arrow of 10 at (79, y), hit on x 75 .. 93 over its rows y + 1 ..
// y + 9.
template <void (*Step)(FilterPageState&)>
PanelItem stepSwitch(int y, void (*draw)(Surface&, const PanelItem&)) {
  return PanelItem{.kind = ItemKind::Custom,
                   .box = makeButton(79, y, 10, kStepColour),
                   .draw = draw,
                   .zone = zoneIncl(75, 93, y + 1, y + 9),
                   .topic = kFilterStepTopic,
                   .action = [](int, int) { Step(filter()); },
                   .stage = kValueStage};
}

PanelItem scaleText(int x, int y, FilterLabel label) {
  LabelButton b = makeButton(x, y, 30, kWhite, ButtonLook::Plain);
  b.fontHeight = 10;
  return PanelItem{.box = b, .label = labelOf(label), .zone = kNoHit, .stage = kValueStage};
}

PanelItem diamond(int x, int y, Rgb colour, HitZone zone, int32_t topic, void (*action)(int, int),
                  uint8_t stage = kValueStage) {
  return PanelItem{.kind = ItemKind::Custom,
                   .box = makeButton(x, y, 10, colour),
                   .draw = drawDiamondItem,
                   .zone = zone,
                   .topic = topic,
                   .action = action,
                   .stage = stage};
}

// The panel in the order of the page's click table. Within a row that a click selects as a whole
// (color power, each power, color balance), its switches come first and the row's area last.
const auto kPanel = std::to_array<PanelItem>({
    {.box = makeButton(8, 2, 84, kWhite),
     .label = labelOf(FilterLabel::Heading),
     .zone = zoneIncl(5, 91, 1, 21),
     .action = [](int, int) { ws().pageComment = kTab; }},
    resetItem(darkResetMark<kResetMarks>(kFilterResetTopic, resetPage)),
    lightResetMark<kResetMarks>(kFilterResetTopic, [](int, int) { resetModes(); }),
    {.box = makeButton(4, 55, 84, kGetImageButtonFrame),
     .label = labelOf(FilterLabel::GetImage),
     .zone = zoneIncl(5, 91, 56, 74),
     .action =
         [](int, int) {
           ws().getImageRequest = 1;
           ws().callSlot = kTab;
         }},
    // The light core.
    {.box = makeButton(4, 85, 88, kWhite),
     .label = labelOf(FilterLabel::LightCoreHeading),
     .zone = zoneIncl(5, 71, 82, 100),
     .topic = kFilterLightCoreTopic},
    {.box = makeButton(72, 81, 26, kLightCoreColour),
     .label = labelOf(FilterLabel::SpectrumCore),
     .on = [] { return filter().spectrumSwitch != 0; },
     .action =
         [](int, int) {
           FilterPageState& f = filter();
           f.spectrumSwitch = f.spectrumSwitch ? 0 : 1;
           if (f.spectrumSwitch) f.helpTopic = kFilterLightCoreTopic;
         }},
    diamond(2, 107, kLightCoreColour, zoneIncl(3, 11, 108, 126), kFilterLightCoreTopic,
            changeLightCore<filterStartDown>),
    diamond(12, 107, kLightCoreColour, zoneIncl(13, 21, 108, 126), kFilterLightCoreTopic,
            changeLightCore<filterStartUp>),
    {.kind = ItemKind::Custom,
     .draw = drawLightCoreBelt,
     .zone = zoneExcl(kLightCoreBelt.left, kLightCoreBelt.left + kLightCoreBelt.length, 107, 127),
     .topic = kFilterLightCoreTopic,
     .action = clickBelt,
     .stage = kValueStage},
    diamond(78, 107, kLightCoreColour, zoneIncl(79, 87, 108, 126), kFilterLightCoreTopic,
            changeLightCore<filterEndDown>),
    diamond(88, 107, kLightCoreColour, zoneIncl(89, 97, 108, 126), 0, changeLightCore<filterEndUp>),
    {.kind = ItemKind::ValueBox,
     .box = makeButton(4, 133, 30, kLightCoreColour),
     .label = labelOf(FilterLabel::FValue),
     .on = [] { return filter().lightCoreMode == kLightCoreStartTarget; },
     .value = [] { return filter().start; },
     .topic = kFilterLightCoreTopic,
     .action = [](int, int) { toggleValueTarget(kLightCoreStartTarget); },
     .stage = kValueStage},
    {.box = makeButton(40, 133, 20, kWhite),
     .label = labelOf(FilterLabel::Separator),
     .zone = kNoHit,
     .stage = kValueStage},
    {.kind = ItemKind::ValueBox,
     .box = makeButton(62, 133, 30, kLightCoreColour),
     .label = labelOf(FilterLabel::TValue),
     .on = [] { return filter().lightCoreMode == kLightCoreEndTarget; },
     .value = [] { return filter().end; },
     .action =
         [](int, int) {
           toggleValueTarget(kLightCoreEndTarget);
           if (filter().lightCoreMode == kLightCoreEndTarget) {
             filter().helpTopic = kFilterLightCoreTopic;
           }
         },
     .stage = kValueStage},
    {.box = makeButton(4, 159, 88, kLightCoreColour),
     .label = labelOf(FilterLabel::LightCoreAction),
     .on = [] { return filter().lightCoreMode == kLightCoreShown; },
     .action =
         [](int, int) {
           FilterPageState& f = filter();
           if (f.lightCoreMode != kLightCoreShown) {
             lightCoreChanged();
             f.helpTopic = kFilterLightCoreTopic;
           } else {
             f.lightCoreMode = kLightCoreOff;
           }
         },
     .stage = kActionStage},
    // The color power.
    {.box = makeButton(4, 185, 84, kWhite),
     .label = labelOf(FilterLabel::ColorPowerHeading),
     .zone = kNoHit},
    {.kind = ItemKind::ValueBox,
     .box = makeButton(30, 205, 44, kPowerColour),
     .label = labelOf(FilterLabel::ColorPowerValue),
     .on = [] { return filter().colorPowerTarget != 0; },
     .value = [] { return filter().colorPower; },
     .zone = zoneIncl(30, 74, 206, 224),
     .topic = kFilterColorPowerTopic,
     .action = toggleColorPowerTarget,
     .stage = kValueStage},
    diamond(78, 207, kBeltFrameGrey, zoneIncl(78, 87, 206, 224), kFilterColorPowerTopic,
            [](int, int) { filter().colorPower = std::max(1, filter().colorPower - 10); }),
    diamond(88, 207, kBeltFrameGrey, zoneIncl(88, 98, 206, 224), kFilterColorPowerTopic,
            [](int, int) { filter().colorPower = std::min(1000, filter().colorPower + 10); }),
    colorPowerBelt<228, false>(),
    colorPowerBelt<248, true>(),
    // The upper scale stands on the upper belt, as the panel has always drawn it.
    scaleText(2, 228, FilterLabel::PowerScale1),
    scaleText(42, 228, FilterLabel::PowerScale50),
    scaleText(78, 228, FilterLabel::PowerScale100),
    scaleText(0, 258, FilterLabel::PowerScaleLower100),
    scaleText(38, 258, FilterLabel::PowerScale500),
    scaleText(72, 258, FilterLabel::PowerScale1000),
    {.kind = ItemKind::HitOnly, .zone = zoneIncl(1, 98, 186, 257), .topic = kFilterColorPowerTopic},
    // Each power.
    {.box = makeButton(6, 271, 84, kWhite),
     .label = labelOf(FilterLabel::EachPowerHeading),
     .zone = kNoHit},
    eachPowerBelt<0, false>(),
    eachPowerBelt<0, true>(),
    eachPowerBelt<1, false>(),
    eachPowerBelt<1, true>(),
    eachPowerBelt<2, false>(),
    eachPowerBelt<2, true>(),
    {.kind = ItemKind::HitOnly, .zone = zoneIncl(1, 98, 272, 362), .topic = kFilterEachPowerTopic},
    {.box = makeButton(4, 369, 84, kPowerColour),
     .label = labelOf(FilterLabel::ColorPowerAction),
     .on = [] { return filter().colorPowerAction != 0; },
     .zone = zoneIncl(5, 91, 368, 386),
     .topic = kFilterActionTopic,
     .action = [](int, int) { filter().colorPowerAction = 1; }},
    // The color balance.
    {.box = makeButton(4, 407, 94, kWhite),
     .label = labelOf(FilterLabel::ColorBalanceHeading),
     .zone = kNoHit},
    balanceItem<&FilterPageState::peach>(427, FilterLabel::Peach),
    balanceItem<&FilterPageState::berry>(453, FilterLabel::Berry),
    {.kind = ItemKind::HitOnly, .zone = zoneIncl(5, 97, 408, 472), .topic = kFilterBalanceTopic},
    {.box = makeButton(4, 479, 84, kKeepButtonFrame),
     .label = labelOf(FilterLabel::SetKeep1),
     .zone = zoneIncl(5, 91, 480, 498),
     .topic = kFilterKeepTopic,
     .action = [](int, int) { ws().keepRequest = 1; },
     .stage = kKeepStage},
    // The key pad, hit on its keys only; its entry is drawn after the presses are carried out.
    {.kind = ItemKind::Custom,
     .draw = [](Surface& s,
                const PanelItem&) { drawKeyPad(s, kPadTop, filter().calIndicator != 0); },
     .action = pressKeyPad,
     .hits = [](int x, int y) { return keyPadHit(x, y, kPadTop).key != PadKey::None; }},
    {.kind = ItemKind::Custom,
     .draw = [](Surface& s, const PanelItem&) { drawPadEntry(s, kPadTop); },
     .zone = kNoHit,
     .stage = kValueStage},
    // The step.
    {.box = makeButton(26, 661, 62, kWhite),
     .label = labelOf(FilterLabel::StepHeading),
     .zone = zoneIncl(5, 97, 662, 680),
     .topic = kFilterStepTopic,
     .stage = kValueStage},
    diamond(4, 665, kStepColour, kNoHit, 0, nullptr),
    {.kind = ItemKind::ValueBox,
     .box = makeButton(26, 681, 44, kStepColour),
     .label = labelOf(FilterLabel::StepValue),
     .on = [] { return filter().stepTarget != 0; },
     .value = [] { return filter().step; },
     .action = toggleStepTarget,
     .stage = kValueStage},
    stepSwitch<filterStepUp>(681, drawUpArrowItem),
    stepSwitch<filterStepDown>(691, drawDownArrowItem),
});

bool press(int x, int y) {
  return pressPanel(kPanel, x, y, filter().helpTopic);
}

// The channel points of the planes, counted on a second thread while this one shows the light
// core and draws the panel: the planes stay as they are until finish(), which is called before
// anything reads the points or changes the planes. Without a second core they are counted at
// once, and so are those of a picture too small to share.
struct StatsMeanwhile {
  ChannelStatsState counted;  // the points the count keeps where it finds none
  std::thread helper;
  bool counting = false;

  void start(const PlaneView& planes) {
    counted = ws().channelStats;
    counting = true;
    if (rowBandCount(planes.height, 0) >= 2) {
      try {
        helper = std::thread([this, planes] {
          computeChannelStats(planes, counted, ChannelStatsTuning{.bands = 1});
        });
        return;
      } catch (const std::system_error&) {
      }
    }
    computeChannelStats(planes, counted);
  }
  bool helped() const { return helper.joinable(); }
  void finish() {
    if (helper.joinable()) helper.join();
    if (counting) ws().channelStats = counted;
    counting = false;
  }
  ~StatsMeanwhile() { finish(); }
};

bool operationPending() {
  const FilterPageState& f = filter();
  return f.colorPowerAction || f.peach || f.berry;
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
  StatsMeanwhile stats;
  stats.start(workPlanes());
  // The light core writes every byte of the working image from the planes, so the plain copy it
  // would overwrite is left out. While the points are counted beside it, it keeps to this thread.
  if (f.lightCoreMode == kLightCoreShown) {
    applyLightCore(workPlanes(), workCanvas(), f.start, f.end,
                   LightCoreTuning{.bands = stats.helped() ? 1 : 0});
  } else {
    planesToCanvas();
  }
  drawPanelStage(s, kPanel, kFrameStage);
  if (runCalculator(calculatorTarget())) validateFilterValues(f);
  holdSpectrumCore(f);
  // The next paint shows the changed planes and measures them again.
  if (operationPending()) stats.finish();
  if (runPendingOperation()) platform().invalidate();
  for (uint8_t stage : {kValueStage, kKeepStage, kActionStage}) drawPanelStage(s, kPanel, stage);
  drawTabBar(s);
  commentStep(s, kTab, f.helpTopic);
  showCanvas(s, 0);
  stats.finish();
  const bool kept = keepStep(kTab);
  const bool saved = saveStep();
  if (kept || saved) endLiveView(switchOffLightCore);
}

}  // namespace

const PageBlock kFilterPage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
