#include "pages/outline_pattern/pattern_page.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/outline_colour.h"
#include "pages/outline_pattern/pattern_image.h"
#include "pages/outline_pattern/pattern_page_belts.h"
#include "pages/outline_pattern/zone_draw.h"
#include "pages/outline_pattern/zone_pattern.h"
#include "pages/outline_pattern/zone_pick.h"
#include "platform/platform.h"
#include "text/pattern_texts.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPagePattern);
// The key pad: "cal" and ＡＣ at y 614, then rows every 20 pixels down to the signs at 714.
constexpr KeyPadLayout kPad{614, 20, 20};

constexpr Rgb kGetShadowColour{80, 160, 240};
constexpr Rgb kAreaColour{200, 250, 40};
constexpr Rgb kAreaPickingFrame{128, 128, 128};
constexpr Rgb kAllColour{200, 250, 0};
constexpr Rgb kUnusableColour{220, 220, 220};
constexpr Rgb kZoneButtonColour{20, 255, 200};
constexpr Rgb kAppointEyeText{100, 100, 40};
constexpr Rgb kHintText{128, 128, 128};
constexpr Rgb kGreyedItemText{222, 222, 222};
constexpr Rgb kGreyValueColour{200, 200, 200};
constexpr Rgb kWhiteButtonColour{240, 240, 240};
constexpr Rgb kPatternButtonColour{240, 200, 220};
constexpr Rgb kKeepColour{20, 240, 200};
constexpr Rgb kConditionGrey{128, 128, 128};
constexpr Rgb kConditionStripes[3] = {{255, 180, 180}, {180, 255, 180}, {180, 180, 255}};
constexpr Rgb kAreaFrame{0, 0, 0};

PatternPageState& page() {
  return ws().pattern;
}

// ---- settings --------------------------------------------------------------------------------

AreaRect wholeCanvasArea() {
  const Size work = ws().workSize;
  return AreaRect{0, kAreaTop, work.width, work.height + kAreaTop};
}

void emptyRanges(PatternPageState& p) {
  for (int c = 0; c < kZoneChannelCount; ++c) p.ranges[c] = p.beltCopies[c] = ZoneRange{};
}

void calculatorOff() {
  ws().calculator.switchOn = 0;
}

// This page shows no outlines: outline drawing off and the contrast point cleared; the judge
// value back to 16 where asked.
void stopOutlines(bool judgeToo) {
  OutlinePageState& o = ws().outline;
  o.outlineMode = 0;
  o.contrastColumn = 0;
  o.contrastRow = 0;
  if (judgeToo) o.judgeValue = 16;
}

void defaults() {
  Workspace& w = ws();
  PatternPageState& p = w.pattern;
  // The belts keep leading or following as they did; their copies start empty like the ranges.
  const int32_t beltsLead = p.beltsLead;
  p = PatternPageState{};
  p.beltsLead = beltsLead;
  p.area = wholeCanvasArea();
  w.zoneColor = 255;
  w.calculator = CalculatorState{};
  w.colorCondition = 2;
  stopOutlines(true);
  w.pageComment = kTab;
}

// The settings both reset marks return to.
void resetModes(PatternPageState& p) {
  p.zoneMode = 0;
  calculatorOff();
  p.patternRequest = 0;
  p.zoneValueTarget = 0;
  p.zoneButton = 0;
  p.areaMode = 0;
  p.drawZoneRequest = 0;
  p.softLevel = 0;
  ws().colorCondition = 2;
  stopOutlines(false);
}

// ---- panel actions ---------------------------------------------------------------------------

void showPageComment(int, int) {
  ws().pageComment = kTab;
}

void darkReset(int, int) {
  PatternPageState& p = page();
  resetModes(p);
  p.appoint = AppointColour{};
  p.area = wholeCanvasArea();
  p.areaKind = 3;
  ws().zoneColor = 255;
  p.whiteChosen = 1;
  emptyRanges(p);
  ws().outline.judgeValue = 16;
  resetToEntryImage(kTab);
}

void lightReset(int, int) {
  PatternPageState& p = page();
  resetModes(p);
  p.areaKind = 0;
  p.whiteChosen = 0;
}

void getShadow(int, int) {
  ws().getImageRequest = 1;
  ws().callSlot = kTab;
  defaults();
}

void toggleArea(int, int) {
  PatternPageState& p = page();
  if (p.areaMode != 1) {
    p.areaMode = 1;
    p.zoneValueTarget = 0;
    p.areaKind = 3;
    p.helpTopic = kPatternAreaTopic;
  } else {
    p.areaMode = 0;
    calculatorOff();
  }
}

void cycleOutlineColour(int, int) {
  ws().outlineColorIndex = nextOutlineColorIndex(ws().outlineColorIndex);
}

void chooseAll(int, int) {
  page().areaKind = 3;
  page().areaMode = 1;
}

void toggleZone(int, int) {
  PatternPageState& p = page();
  if (p.zoneButton == 0 && p.zoneMode == 0) {
    p.zoneButton = 1;
    p.zoneMode = 1;
    p.areaMode = 2;
    p.beltsLead = 0;
    calculatorOff();
    ws().zoneColor = 255;
    p.whiteChosen = 1;
    emptyRanges(p);
    p.appoint = AppointColour{};
    p.helpTopic = kPatternZoneTopic;
  } else {
    // Also when only the picking is on (the draw-zone button turned the button state off), so
    // the button shown on always turns off.
    p.zoneButton = 0;
    p.zoneMode = 0;
    p.drawZoneRequest = 0;
    p.areaMode = 0;
  }
}

void editGreyBound(int32_t target) {
  PatternPageState& p = page();
  p.zoneValueTarget = target;
  p.zoneButton = 1;
  ws().calculator.switchOn = 1;
  p.whiteChosen = 0;
}
void editGreyFrom(int, int) {
  editGreyBound(1);
}
void editGreyTo(int, int) {
  editGreyBound(2);
}

void chooseWhite(int, int) {
  ws().zoneColor = 255;
  calculatorOff();
  page().whiteChosen = 1;
}

void toggleDrawZone(int, int) {
  PatternPageState& p = page();
  if (p.drawZoneRequest == 0) {
    p.drawZoneRequest = 1;
    p.drawZoneAsked = 0;
    p.zoneButton = 1;
    p.areaMode = 1;
    p.helpTopic = kPatternDrawZoneTopic;
  } else {
    p.drawZoneRequest = 0;
    p.zoneButton = 0;
    p.areaMode = 0;
  }
}

void makePattern(int, int) {
  page().patternRequest = 1;
  page().patternAsked = 0;
}

void askSaveAs(int, int) {
  ws().saveAsRequest = 1;
}

void askKeep(int, int) {
  ws().keepRequest = 1;
}

void padPress(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kPad);
  if (hit.key == PadKey::Cal) calculatorToggleSwitch();
  pressPadKey(hit);
  ws().pageComment = kCalculatorComment;
}

// ---- drawing of the custom items -------------------------------------------------------------

constexpr ResetMarks kResetMarks{
    .y = 25, .darkZone = zoneIncl(3, 49, 26, 55), .lightZone = zoneIncl(51, 97, 26, 55)};

// "2)Area": on while dragging areas, framed in grey while the zone is only picked.
void drawAreaButton(Surface& s, const PanelItem& item) {
  LabelButton box = item.box;
  if (page().areaMode == 1) box.look = ButtonLook::On;
  if (page().areaMode == 2) box.frame = kAreaPickingFrame;
  drawButton(s, box, label(PatternLabel::Area));
}

void drawOutlineColourButton(Surface& s, const PanelItem& item) {
  LabelButton box = item.box;
  box.frame = ws().outlineRgb;
  drawButton(s, box, label(PatternLabel::OutlineColour));
}

// The colour condition: "3C" greyed, the swatch and "gray" in its own small font.
void drawCondition(Surface& s, const PanelItem&) {
  drawButton(s, textAt(2, 191, 30, kGreyedItemText), label(PatternLabel::ThreeColours));
  if (ws().colorCondition == 1) {
    for (int k = 0; k < 3; ++k) s.fillRect(40 + 7 * k, 191, 47 + 7 * k, 212, kConditionStripes[k]);
  } else {
    s.fillRect(40, 191, 61, 212, kConditionGrey);
  }
  drawButton(s, smallFont(textAt(62, 191, 30, kConditionGrey)), label(PatternLabel::Grey));
}

bool isCalculatorOn() {
  return ws().calculator.switchOn != 0;
}

// ---- the panel -------------------------------------------------------------------------------

// An item drawn but not usable on this page: only its topic is shown.
constexpr LabelButton greyedAt(int x, int y, int width, Rgb frame) {
  return boxAt(x, y, width, frame, kGreyedItemText);
}

int32_t greyFromValue() {
  return page().ranges[kZoneGrey].from;
}
int32_t greyToValue() {
  return page().ranges[kZoneGrey].to;
}

// In the order of the page's click table; the first hit wins. The four zone belts come between
// kAboveBelts and kBelowBelts.
const PanelItem kAboveBelts[] = {
    buttonItem(boxAt(4, 5, 104, kWhite), label(PatternLabel::Heading), zoneIncl(5, 91, 1, 24), 0,
               showPageComment),
    darkResetMark<kResetMarks>(kPatternResetTopic, darkReset),
    lightResetMark<kResetMarks>(kPatternResetTopic, lightReset),
    buttonItem(boxAt(4, 61, 94, kGetShadowColour), label(PatternLabel::GetShadow),
               zoneIncl(5, 97, 62, 80), 0, getShadow),
    customItem(boxAt(4, 87, 62, kAreaColour), drawAreaButton, zoneIncl(5, 65, 88, 106), 0,
               toggleArea),
    customItem(boxAt(72, 87, 20, kWhite), drawOutlineColourButton, zoneIncl(73, 91, 88, 106),
               kPatternAreaFrameTopic, cycleOutlineColour),
    buttonItem(textAt(4, 111, 94, kHintText), label(PatternLabel::DragHint),
               zoneIncl(5, 97, 108, 125), kPatternAreaTopic),
    buttonItem(boxAt(2, 126, 28, kAllColour), label(PatternLabel::All), zoneIncl(3, 29, 127, 145),
               kPatternAllInOutTopic, chooseAll, [] { return page().areaKind == 3; }),
    buttonItem(greyedAt(36, 126, 28, kUnusableColour), label(PatternLabel::In),
               zoneIncl(37, 63, 127, 145), kPatternAllInOutTopic),
    buttonItem(greyedAt(70, 126, 28, kUnusableColour), label(PatternLabel::Out),
               zoneIncl(71, 97, 127, 145), kPatternAllInOutTopic),
    buttonItem(boxAt(4, 152, 94, kZoneButtonColour), label(PatternLabel::Zone),
               zoneIncl(5, 97, 153, 171), 0, toggleZone, [] { return page().zoneMode == 1; }),
    buttonItem(textAt(2, 177, 92, kAppointEyeText), label(PatternLabel::AppointEye),
               zoneIncl(5, 97, 173, 190), kPatternZoneTopic),
    customItem(textAt(2, 191, 90), drawCondition, zoneIncl(5, 91, 192, 210), kPatternBeltTopic),
};
const auto kBelowBelts = joinItems(
    valueBoxItem(boxAt(2, 360, 32, kGreyValueColour), label(PatternLabel::GreyValue), greyFromValue,
                 zoneIncl(3, 33, 361, 379), kPatternGreyValueTopic, editGreyFrom,
                 [] { return page().zoneValueTarget == 1; }),
    valueBoxItem(boxAt(66, 360, 32, kGreyValueColour), label(PatternLabel::GreyValue), greyToValue,
                 zoneIncl(67, 97, 361, 379), kPatternGreyValueTopic, editGreyTo,
                 [] { return page().zoneValueTarget == 2; }),
    buttonItem(textAt(4, 386, 84), label(PatternLabel::ZoneColourHeading),
               zoneIncl(5, 97, 387, 405), kPatternZoneColourTopic),
    buttonItem(greyedAt(4, 406, 20, kUnusableColour), label(PatternLabel::Black),
               zoneIncl(5, 23, 407, 425), kPatternZoneColourTopic),
    valueBoxItem(
        greyedAt(30, 406, 42, kUnusableColour), label(PatternLabel::ZoneColourValue),
        [] { return ws().zoneColor; }, zoneIncl(31, 71, 407, 425), kPatternZoneColourTopic),
    buttonItem(boxAt(78, 406, 20, kWhiteButtonColour), label(PatternLabel::White),
               zoneIncl(79, 97, 407, 425), kPatternZoneColourTopic, chooseWhite,
               [] { return page().whiteChosen != 0; }),
    buttonItem(boxAt(4, 432, 94, kZoneButtonColour), label(PatternLabel::DrawZone),
               zoneIncl(5, 97, 433, 451), 0, toggleDrawZone,
               [] { return page().drawZoneRequest == 1; }),
    buttonItem(boxAt(4, 458, 94, kPatternButtonColour), label(PatternLabel::Pattern),
               zoneIncl(5, 97, 459, 477), kPatternPatternTopic, makePattern),
    buttonItem(greyedAt(4, 484, 94, kUnusableColour), label(PatternLabel::Reverse),
               zoneIncl(5, 97, 485, 503), kPatternPatternTopic),
    valueBoxItem(
        greyedAt(4, 510, 94, kUnusableColour), label(PatternLabel::Soft),
        [] { return page().softLevel; }, zoneIncl(5, 97, 511, 529), kPatternSoftTopic),
    // The soft borders of light and dark with their switch pairs, unused.
    valueBoxItem(
        greyedAt(2, 536, 22, kUnusableColour), label(PatternLabel::SoftBorder),
        [] { return page().softLight; }, kNoHit),
    valueBoxItem(
        greyedAt(52, 536, 22, kUnusableColour), label(PatternLabel::SoftBorder),
        [] { return page().softDark; }, kNoHit),
    diamondPairItems({.x = 28, .y = 541, .colour = kUnusableColour}),
    diamondPairItems({.x = 78, .y = 541, .colour = kUnusableColour}),
    hitOnlyItem(zoneIncl(5, 97, 537, 555), kPatternSoftBorderTopic),
    buttonItem(boxAt(4, 562, 94, kPatternButtonColour), label(PatternLabel::SetSave),
               zoneIncl(5, 97, 563, 581), kPatternSetSaveTopic, askSaveAs),
    buttonItem(boxAt(4, 588, 94, kKeepColour), label(PatternLabel::SetKeep6),
               zoneIncl(5, 97, 589, 607), kPatternSetKeepTopic, askKeep),
    // The pad takes every press in its rectangle, between its keys too.
    keyPadItem<kPad, isCalculatorOn>(padPress, zoneIncl(9, 91, 615, 735)));
// The belts are drawn after the canvas is shown (their values settle at the paint's end).
const auto kPanel = joinItems(std::to_array(kAboveBelts), zoneBeltItems(), kBelowBelts);

// The picked grey between the two grey value boxes.
void drawAppointGrey(Surface& s) {
  LabelButton box = boxAt(40, 360, 20, kWhite);
  box.textColour = kHintText;
  drawValueBox(s, box, label(PatternLabel::GreyValue), page().appoint.grey);
}

// ---- the area drag ---------------------------------------------------------------------------

// Calls dot(x, y) once for every other pixel of the rectangle's edges, corners included.
template <typename Dot>
void forEachFrameDot(int x0, int y0, int x1, int y1, Dot dot) {
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  for (int x = x0; x <= x1; x += 2) {
    dot(x, y0);
    if (y1 != y0) dot(x, y1);
  }
  for (int y = y0 + 2; y < y1; y += 2) {
    dot(x0, y);
    if (x1 != x0) dot(x1, y);
  }
}

// The live frame while dragging: inverted dots, so drawing it again takes it away.
void invertAreaFrame(const RubberBandState& band) {
  Surface& s = platform().surface();
  forEachFrameDot(band.startX, band.startY, band.currentX, band.currentY,
                  [&](int x, int y) { s.xorLine(x, y, x + 1, y); });
}

void startAreaDrag(int x, int y) {
  RubberBandState& band = ws().rubberBand;
  band.active = 1;
  band.startX = band.currentX = static_cast<int16_t>(x);
  band.startY = band.currentY = static_cast<int16_t>(y);
  page().areaFrameShown = 0;
}

void pointerMove(int x, int y) {
  RubberBandState& band = ws().rubberBand;
  if (!band.active || !insideImageArea(x, y)) return;
  if (page().areaFrameShown) invertAreaFrame(band);
  band.currentX = static_cast<int16_t>(x);
  band.currentY = static_cast<int16_t>(y);
  invertAreaFrame(band);
  page().areaFrameShown = 1;
  platform().present();
}

void leftRelease(int x, int y) {
  RubberBandState& band = ws().rubberBand;
  if (!band.active) return;
  band.active = 0;
  page().areaFrameShown = 0;
  if (!insideImageArea(x, y)) return;
  // The corners as dragged, from the press to the last pointer position of the drag.
  page().area =
      AreaRect{band.startX - kAreaLeft, band.startY, band.currentX - kAreaLeft, band.currentY};
  ws().outlineRgb = Rgb{0, 0, 0};
  Surface& s = platform().surface();
  forEachFrameDot(band.startX, band.startY, band.currentX, band.currentY,
                  [&](int px, int py) { s.fillRect(px, py, px + 1, py + 1, kAreaFrame); });
  platform().present();
}

bool press(int x, int y) {
  if (pressPanel(kPanel, x, y, page().helpTopic)) return true;
  if (page().areaMode == 1 && insideImageArea(x, y)) {
    startAreaDrag(x, y);
    return true;
  }
  // Any other click on the image only moves the pointer that the next paint's pick reads.
  return false;
}

// ---- the paint -------------------------------------------------------------------------------

void ask(const LabelText& question) {
  platform().messageBox(tr(kMessageTitle.japanese, kMessageTitle.english),
                        tr(question.japanese, question.english), MessageBoxKind::YesNoQuestion);
}

// The pixel under the last pointer position widens the ranges, read before anything is drawn.
void pickStep() {
  Workspace& w = ws();
  PatternPageState& p = w.pattern;
  if (p.zoneMode != 1 || w.calculator.switchOn != 0) return;
  if (!insideImageArea(w.pointerX, w.pointerY)) return;
  const CanvasCell cell = canvasCellAt(w.pointerX, w.pointerY);
  if (!onWorkCanvas(cell)) return;
  p.appoint = zonePick(workCanvas(), cell.column, cell.row, p.ranges);
}

// A number typed on the key pad moves the chosen grey bound; the typed value holds on the belt.
void greyBoundCalculatorStep() {
  PatternPageState& p = page();
  ZoneRange& grey = p.ranges[kZoneGrey];
  int32_t* target = p.zoneValueTarget == 1   ? &grey.from
                    : p.zoneValueTarget == 2 ? &grey.to
                                             : nullptr;
  if (!runCalculator(target)) return;
  grey.from = std::clamp(grey.from, 0, 255);
  grey.to = std::clamp(grey.to, 0, 255);
  if (p.zoneValueTarget == 1 && grey.from > grey.to) grey.from = grey.to;
  if (p.zoneValueTarget == 2 && grey.to < grey.from) grey.to = grey.from;
  p.beltCopies[kZoneGrey] = grey;
}

// The draw-zone question, once per raising of the request.
void askAboutZone(long examined, long matched) {
  PatternPageState& p = page();
  p.patternWarning = zoneCoversAll(examined, matched) ? 1 : 0;
  if (p.patternWarning == 1 && p.drawZoneAsked == 0) {
    ask(kAreaOffQuestion);
    p.drawZoneAsked = 1;
  }
  p.patternWarning = 0;
}

// The no-window question, once per "6)Pattern" click.
void askAboutPattern(long zoneCount) {
  PatternPageState& p = page();
  p.patternWarning = zoneCount <= kPatternWarningZoneCount ? 1 : 0;
  if (p.patternWarning == 1 && p.patternAsked == 0) {
    ask(kNoWindowQuestion);
    p.patternAsked = 1;
  }
  p.patternWarning = 0;
}

// Draw zone (only with the area on and "all") and then the pattern, each with its question.
void zoneAndPatternStep() {
  PatternPageState& p = page();
  const PixelView canvas = workCanvas();
  const long cells = static_cast<long>(canvas.width) * canvas.height;
  const ZoneRange& grey = p.ranges[kZoneGrey];
  const int32_t zoneColor = ws().zoneColor;
  const bool areaOn = p.areaMode == 1 && p.areaKind == 3;
  if (p.drawZoneRequest == 1 && areaOn && p.patternRequest == 1) {
    // Both at once in one pass over the canvas.
    const ZonePatternCounts counts =
        zoneAndPattern(canvas, workMarks(), grey.from, grey.to, zoneColor);
    claimMarkPlane(kPagePattern);
    askAboutZone(cells, counts.matched);
    askAboutPattern(counts.zoneCount);
    return;
  }
  if (p.drawZoneRequest == 1) {
    const long matched = areaOn ? zoneDraw(canvas, grey.from, grey.to, zoneColor) : 0;
    askAboutZone(areaOn ? cells : 0, matched);
  }
  if (p.patternRequest == 1) {
    askAboutPattern(patternImage(canvas, workMarks(), zoneColor));
    claimMarkPlane(kPagePattern);
  }
}

void paint(Surface& s) {
  PatternPageState& p = page();
  restoreOrCallStep(kTab);
  planesToCanvas();
  // A belt edited since the last paint reaches the ranges before the zone is drawn from them.
  synchroniseBelts(p);
  pickStep();
  greyBoundCalculatorStep();
  zoneAndPatternStep();
  drawPanelStage(s, kPanel, 0);
  drawAppointGrey(s);
  drawPadEntry(s, kPad);
  showCanvas(s, 0);
  const bool kept = keepStep(kTab);
  synchroniseBelts(p);
  drawPanelStage(s, kPanel, kZoneBeltStage);
  const bool saved = saveStep();
  // The zone and the pattern, once kept, are not made again from their own result; the ranges
  // stay, so one click shows them again.
  if (kept || saved) {
    endLiveView([] {
      const bool on = page().drawZoneRequest != 0 || page().patternRequest != 0;
      page().drawZoneRequest = 0;
      page().patternRequest = 0;
      return on;
    });
  }
  drawTabBar(s);
  commentStep(s, kTab, p.helpTopic);
}

}  // namespace

const PageBlock kPatternPage{.defaults = defaults,
                             .press = press,
                             .pointerMove = pointerMove,
                             .leftRelease = leftRelease,
                             .paint = paint};

}  // namespace zc
