#include "pages/color/change_page.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <utility>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "pages/color/change_values.h"
#include "pages/color/color_change.h"
#include "text/change_texts.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageChange);
constexpr ResetMarks kResetMarks{
    .y = 28, .darkZone = zoneExcl(3, 49, 28, 58), .lightZone = zoneExcl(51, 97, 28, 58)};
constexpr Rgb kAppointColour{200, 200, 40};
constexpr Rgb kModeColour{20, 240, 200};  // 1)target, 2)convert and set KEEP4
constexpr Rgb kBeltFrame{192, 192, 192};
constexpr Rgb kTargetBeltColour[4] = {
    {226, 222, 222}, {222, 226, 222}, {222, 222, 226}, {180, 180, 180}};
constexpr int kTargetBeltY[4] = {166, 212, 245, 278};
constexpr int kTableRowY[4] = {201, 234, 267, 300};
constexpr Rgb kConvertRowColour[3] = {{255, 200, 200}, {200, 255, 200}, {200, 200, 255}};
constexpr int kConvertRowY[3] = {354, 378, 402};
constexpr Rgb kWeakMiddleColour{220, 220, 220};
constexpr Rgb kAllColour{20, 200, 240};
constexpr Rgb kIndicatorColour{220, 220, 220};
constexpr Rgb kFlagStripe[3] = {{255, 181, 180}, {180, 255, 180}, {180, 180, 255}};
constexpr Rgb kFlagGrey{128, 128, 128};
constexpr int kBeltLeft = 24;
constexpr int kBeltLength = 52;
constexpr int kPatchSide = 21;

ChangePageState& change() {
  return ws().change;
}

void setCal(bool on) {
  change().calIndicator = on ? 1 : 0;
  ws().calculator.switchOn = on ? 1 : 0;
}

int32_t* calculatorTarget() {
  ChangePageState& c = change();
  return c.calTarget >= 1 && c.calTarget <= 3 ? &c.convertColour[c.calTarget - 1] : nullptr;
}

// A belt or diamond click: the appoint and both modes stop, and the calculator rests this paint.
void beltChanged() {
  ChangePageState& c = change();
  c.beltChanged = 1;
  c.appointOn = 0;
  c.targetOn = 0;
  c.convertOn = 0;
}

// ---- Actions -------------------------------------------------------------------------------

void showPageComment(int, int) {
  ws().pageComment = kTab;
}

void darkReset(int, int) {
  Workspace& w = ws();
  w.change = ChangePageState{};
  w.colorCondition = 2;
  w.calculator = CalculatorState{};
  resetToEntryImage(kTab);
}

void lightReset(int, int) {
  change().slotReadRequest = 1;
}

void toggleAppoint(int, int) {
  ChangePageState& c = change();
  if (c.appointOn) {
    c.appointOn = 0;
    return;
  }
  c.appointOn = 1;
  std::fill(std::begin(c.appointed), std::end(c.appointed), 0);
  setCal(false);
  c.helpTopic = kChangeAppointTopic;
}

// The target button's left four columns only turn it on; the rest of it toggles.
void turnTargetOn(int, int) {
  ChangePageState& c = change();
  if (c.targetOn) return;
  c.targetOn = 1;
  c.convertOn = 0;
  c.appointOn = 1;
  setCal(false);
  c.helpTopic = kChangeTargetTopic;
}
void toggleTarget(int x, int y) {
  if (change().targetOn)
    change().targetOn = 0;
  else
    turnTargetOn(x, y);
}

void stepFlag(int, int) {
  ws().colorCondition = nextColorCondition(ws().colorCondition);
}

template <int Row>
void clickTargetBeltAt(int x, int) {
  beltChanged();
  clickTargetBelt(change(), Row, x);
}
template <int Row, void (*Step)(ChangePageState&, int)>
void stepTarget(int, int) {
  beltChanged();
  Step(change(), Row);
}

void toggleConvert(int, int) {
  ChangePageState& c = change();
  if (c.convertOn) {
    c.convertOn = 0;
    return;
  }
  c.convertOn = 1;
  c.targetOn = 0;
  c.appointOn = 1;
  setCal(false);
  c.helpTopic = kChangeConvertTopic;
}

template <int Channel>
void toggleValueBox(int, int) {
  ChangePageState& c = change();
  if (c.calTarget == Channel + 1) {
    c.calTarget = 0;
    return;
  }
  c.calTarget = Channel + 1;
  c.appointOn = 0;
  setCal(true);
  c.helpTopic = kChangeValueTopic;
}

template <int Channel>
void clickConvertBelt(int x, int) {
  ChangePageState& c = change();
  beltChanged();
  c.convertColour[Channel] = changeBeltValue(x);
  if (c.calTarget == Channel + 1) c.calTarget = 0;
}
template <int Channel, int Sign>
void stepConvert(int, int) {
  ChangePageState& c = change();
  beltChanged();
  stepConvertValue(c, Channel, Sign * c.step);
  c.calTarget = 0;
}

// wk, md and all: the conversion is shown from the entry picture of the page.
template <int Mode>
void chooseActMode(int, int) {
  ChangePageState& c = change();
  c.actMode = Mode;
  c.convertApply = 1;
  c.slotReadRequest = 1;
}

void setKeep4(int, int) {
  change().convertApply = 1;
  ws().keepRequest = 1;
}

void pressKeyPad(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kChangeKeyPad);
  if (hit.key != PadKey::Cal) {
    pressPadKey(hit);
    return;
  }
  setCal(!change().calIndicator);
  if (change().calIndicator) change().appointOn = 0;
  ws().pageComment = kCalculatorComment;
}

// ---- Drawing -------------------------------------------------------------------------------

bool isOn(int32_t flag) {
  return flag != 0;
}

void drawPatch(Surface& s, const LabelButton& at, int32_t red, int32_t green, int32_t blue) {
  auto byte = [](int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
  s.fillRect(at.x, at.y, at.x + kPatchSide, at.y + kPatchSide,
             Rgb{byte(red), byte(green), byte(blue)});
}
void drawTargetPatch(Surface& s, const PanelItem& item) {
  const ChangePageState& c = change();
  auto middle = [&](int row) { return (c.rangeMin[row] + c.rangeMax[row]) / 2; };
  drawPatch(s, item.box, middle(kRangeRed), middle(kRangeGreen), middle(kRangeBlue));
}
void drawConvertPatch(Surface& s, const PanelItem& item) {
  const ChangePageState& c = change();
  drawPatch(s, item.box, c.convertColour[kRangeRed], c.convertColour[kRangeGreen],
            c.convertColour[kRangeBlue]);
}

void drawFlagLabel(Surface& s, const PanelItem& item) {
  drawButton(s, item.box, colorConditionLabel(ws().colorCondition));
}
// Three colour stripes of 7 rows for 3C, grey for gray, one stripe's colour for R, G or B.
void drawFlagPicture(Surface& s, const PanelItem& item) {
  const int x = item.box.x, y = item.box.y, x1 = x + item.box.width;
  const int condition = ws().colorCondition;
  if (condition == 1) {
    for (int k = 0; k < 3; ++k) s.fillRect(x, y + 7 * k, x1, y + 7 * (k + 1), kFlagStripe[k]);
  } else if (condition >= 3 && condition <= 5) {
    s.fillRect(x, y, x1, y + 21, kFlagStripe[condition - 3]);
  } else {
    s.fillRect(x, y, x1, y + 21, kFlagGrey);
  }
}

int beltColumn(int32_t value) {
  return kBeltLeft + std::clamp(value, 0, 255) * kBeltLength / 256;
}
// A target belt: filled from its min to its Max.
template <int Row>
void drawTargetBelt(Surface& s, const PanelItem& item) {
  const ChangePageState& c = change();
  const int y = item.box.y;
  for (int x = beltColumn(c.rangeMin[Row]); x <= beltColumn(c.rangeMax[Row]); ++x) {
    s.line(x, y + 1, x, y + 20, item.box.frame);
  }
  s.rectangleOutline(kBeltLeft, y, kBeltLeft + kBeltLength, y + 20, kBeltFrame);
}
// A convert belt: filled up to its value.
template <int Channel>
void drawConvertBelt(Surface& s, const PanelItem& item) {
  drawBar(s, kBeltLeft, item.box.y, kBeltLength, 20, kBeltFrame, item.box.frame,
          std::clamp(change().convertColour[Channel], 0, 255) * kBeltLength / 256);
}

template <int Row>
void drawTableRow(Surface& s, const PanelItem& item) {
  const ChangePageState& c = change();
  const LabelText& format = label(ChangeLabel::TableRow);
  char text[1032];
  std::snprintf(text, sizeof text, tr(format.japanese, format.english), c.rangeMin[Row],
                c.appointed[Row], c.rangeMax[Row]);
  drawButton(s, item.box, text);
}

// The act indicator: its divider stands at the share of the convert colour in the last
// conversion's weights.
void drawActIndicator(Surface& s, const PanelItem& item) {
  const int x = item.box.x, y = item.box.y, width = item.box.width;
  const ActWeights weights = actWeights(change().shownActMode);
  const int divider = x + width * weights.convert / (weights.pixel + weights.convert);
  s.rectangleOutline(x, y, x + width, y + 21, kIndicatorColour, 3);
  s.line(divider, y, divider, y + 21, kIndicatorColour, 3);
}

// ---- The panel -----------------------------------------------------------------------------

// A target row: its min's and Max's diamond switches around the belt.
template <int Row>
std::array<PanelItem, 5> targetBeltRow(int32_t topic) {
  return beltItems(
      {.y = kTargetBeltY[Row],
       .colour = kTargetBeltColour[Row],
       .switchEdgesHit = false,
       .topic = topic},
      drawTargetBelt<Row>,
      {stepTarget<Row, targetMinDown>, stepTarget<Row, targetMinUp>, clickTargetBeltAt<Row>,
       stepTarget<Row, targetMaxDown>, stepTarget<Row, targetMaxUp>});
}

template <int Channel>
PanelItem valueBox() {
  const int y = kConvertRowY[Channel];
  return valueBoxItem(
      boxAt(2, y, 22, kConvertRowColour[Channel]), label(ChangeLabel::ConvertValue),
      [] { return change().convertColour[Channel]; }, zoneExcl(3, 21, y, y + 20), 0,
      toggleValueBox<Channel>, [] { return change().calTarget == Channel + 1; });
}
template <int Channel>
PanelItem convertBelt() {
  const int y = kConvertRowY[Channel];
  return customItem(boxAt(kBeltLeft, y, kBeltLength, kConvertRowColour[Channel]),
                    drawConvertBelt<Channel>, zoneInclX(25, 75, y, y + 20), kChangeValueTopic,
                    clickConvertBelt<Channel>);
}
template <int Channel>
std::array<PanelItem, 2> convertDiamonds() {
  const int y = kConvertRowY[Channel];
  return diamondPairItems({.x = 78,
                           .y = y,
                           .colour = kConvertRowColour[Channel],
                           .down = zoneExcl(79, 87, y, y + 20),
                           .up = zoneExcl(89, 97, y, y + 20)},
                          kChangeValueTopic, stepConvert<Channel, -1>, stepConvert<Channel, +1>);
}

// The left column in the order of the page's click table; the first hit wins.
const auto kPanel = joinItems(
    buttonItem(textAt(4, 4, 104), label(ChangeLabel::Heading), zoneExcl(3, 97, 0, 28), 0,
               showPageComment),
    resetItem(darkResetMark<kResetMarks>(kChangeResetTopic, darkReset)),
    lightResetMark<kResetMarks>(kChangeResetTopic, lightReset),
    buttonItem(boxAt(4, 62, 88, kAppointColour), label(ChangeLabel::Appoint),
               zoneInclX(5, 91, 62, 82), 0, toggleAppoint, [] { return isOn(change().appointOn); }),
    hitOnlyItem(zoneInclX(5, 8, 88, 108), 0, turnTargetOn),
    buttonItem(boxAt(4, 88, 68, kModeColour), label(ChangeLabel::Target), zoneInclX(9, 91, 88, 108),
               0, toggleTarget, [] { return isOn(change().targetOn); }),
    customItem(textAt(2, 114, 30), drawFlagLabel, zoneExcl(1, 49, 114, 134), kChangeFlagTopic,
               stepFlag),
    hitOnlyItem(zoneExcl(75, 97, 114, 134), kChangeFlagTopic, stepFlag),
    hitOnlyItem(zoneExcl(1, 97, 134, 166), kChangeClickImageTopic),
    targetBeltRow<kRangeRed>(kChangeColourBeltsTopic),
    targetBeltRow<kRangeGreen>(kChangeColourBeltsTopic),
    targetBeltRow<kRangeBlue>(kChangeColourBeltsTopic),
    hitOnlyItem(zoneExcl(3, 97, 166, 278), kChangeColourBeltsTopic),
    targetBeltRow<kRangeGrey>(kChangeGreyBeltTopic),
    hitOnlyItem(zoneExcl(1, 97, 298, 324), kChangeGreyBeltTopic),
    buttonItem(boxAt(4, 324, 68, kModeColour), label(ChangeLabel::Convert),
               zoneInclX(5, 91, 324, 344), 0, toggleConvert,
               [] { return isOn(change().convertOn); }),
    valueBox<kRangeRed>(), valueBox<kRangeGreen>(), valueBox<kRangeBlue>(),
    convertBelt<kRangeRed>(), convertBelt<kRangeGreen>(), convertBelt<kRangeBlue>(),
    convertDiamonds<kRangeRed>(), convertDiamonds<kRangeGreen>(), convertDiamonds<kRangeBlue>(),
    hitOnlyItem(zoneExcl(3, 97, 422, 459), kChangeValueTopic),
    buttonItem(textAt(4, 467, 88), label(ChangeLabel::Act), zoneExcl(9, 91, 467, 487),
               kChangeActTopic),
    buttonItem(boxAt(8, 487, 24, kWeakMiddleColour), label(ChangeLabel::Weak),
               zoneExcl(9, 31, 487, 507), kChangeActTopic, chooseActMode<1>,
               [] { return change().actMode == 1 && isOn(change().convertApply); }),
    buttonItem(boxAt(38, 487, 24, kWeakMiddleColour), label(ChangeLabel::Middle),
               zoneExcl(39, 61, 487, 507), kChangeActTopic, chooseActMode<2>,
               [] { return change().actMode == 2 && isOn(change().convertApply); }),
    buttonItem(boxAt(68, 487, 24, kAllColour), label(ChangeLabel::All), zoneExcl(69, 91, 487, 507),
               kChangeActTopic, chooseActMode<3>,
               [] { return change().actMode == 3 && isOn(change().convertApply); }),
    customItem(boxAt(8, 513, 84, kIndicatorColour), drawActIndicator, zoneExcl(9, 91, 513, 533),
               kChangeActTopic),
    buttonItem(textAt(4, 546, 88), label(ChangeLabel::Save), zoneInclX(5, 91, 546, 566),
               kChangeKeepTopic),
    buttonItem(boxAt(4, 566, 84, kModeColour), label(ChangeLabel::SetKeep4),
               zoneInclX(5, 91, 566, 586), kChangeKeepTopic, setKeep4),
    keyPadItem<kChangeKeyPad, [] { return isOn(change().calIndicator); }>(pressKeyPad));

// Texts, patches and the table: drawn after the belts, never hit; last the pad's entry.
const PanelItem kLabels[] = {
    customItem(boxAt(76, 88, kPatchSide, kWhite), drawTargetPatch, kNoHit),
    customItem(boxAt(50, 114, 24, kWhite), drawFlagPicture, kNoHit),
    textItem(textAt(2, 138, 88), label(ChangeLabel::LClickImage)),
    textItem(textAt(2, 151, 88), label(ChangeLabel::ToMinMax)),
    textItem(textAt(2, 188, 96), label(ChangeLabel::TableHeading)),
    customItem(textAt(2, kTableRowY[kRangeRed], 96), drawTableRow<kRangeRed>, kNoHit),
    customItem(textAt(2, kTableRowY[kRangeGreen], 96), drawTableRow<kRangeGreen>, kNoHit),
    customItem(textAt(2, kTableRowY[kRangeBlue], 96), drawTableRow<kRangeBlue>, kNoHit),
    customItem(textAt(2, kTableRowY[kRangeGrey], 96), drawTableRow<kRangeGrey>, kNoHit),
    customItem(boxAt(76, 324, kPatchSide, kWhite), drawConvertPatch, kNoHit),
    textItem(textAt(2, 428, 88), label(ChangeLabel::ByOnImage)),
    textItem(textAt(2, 441, 88), label(ChangeLabel::BarGraphCal)),
    padEntryItem<kChangeKeyPad>(),
};

// ---- Page hooks ----------------------------------------------------------------------------

// Entering the page: an empty target range, the gray flag, act mode all, step 8 and a white
// convert colour. The key pad is shared, so a number half typed on another page is dropped.
void defaults() {
  Workspace& w = ws();
  ChangePageState& c = w.change;
  const ChangePageState start;
  std::copy(std::begin(start.rangeMin), std::end(start.rangeMin), c.rangeMin);
  std::copy(std::begin(start.rangeMax), std::end(start.rangeMax), c.rangeMax);
  std::copy(std::begin(start.convertColour), std::end(start.convertColour), c.convertColour);
  c.actMode = start.actMode;
  c.step = start.step;
  c.calIndicator = 0;
  c.calTarget = 0;
  c.clickX = c.clickY = 0;
  c.helpTopic = 0;
  w.calculator = CalculatorState{};
  w.colorCondition = 2;
  w.pageComment = kTab;
}

bool press(int x, int y) {
  if (insideImageArea(x, y)) {
    change().clickX = x;
    change().clickY = y;
  }
  return pressPanel(kPanel, x, y, change().helpTopic);
}

// The pixel under the last click in the image area, on the scrolled view; pointer moves and
// clicks elsewhere leave it. The lowest 32 rows of the area are not read, nor a cell off the
// canvas.
void appointRead() {
  const Workspace& w = ws();
  const int x = change().clickX, y = change().clickY;
  if (x <= kAreaLeft || x > kAreaLeft + w.viewSize.width) return;
  if (y <= kAreaTop || y > w.viewSize.height) return;
  const CanvasCell cell = canvasCellAt(x, y);
  if (!onWorkCanvas(cell)) return;
  const PlaneView planes = workPlanes();
  const long i = planes.index(cell.column, cell.row);
  appointPixel(change(), planes.plane[2][i], planes.plane[1][i], planes.plane[0][i]);
}

bool isBlack(const int32_t (&colour)[3]) {
  return colour[0] == 0 && colour[1] == 0 && colour[2] == 0;
}

void paint(Surface& s) {
  ChangePageState& c = change();
  if (c.appointOn) appointRead();
  if (c.calIndicator && !c.beltChanged && runCalculator(calculatorTarget())) {
    clampConvertColour(c);
    greyRangeFromBounds(c, true);
  }

  restoreOrCallStep(kTab);
  if (c.slotReadRequest) {
    readSlotFile(kTab, planesTarget());
    c.slotReadRequest = 0;
  }
  // The conversion and the pseudocolour copy every pixel they leave unchanged from the planes
  // themselves; otherwise the planes are copied as they are.
  if (isBlack(c.convertColour) || isBlack(c.targetColour)) c.convertApply = 0;
  if (c.convertApply) {
    convertColors(workPlanes(), workCanvas(), ws().colorCondition, targetRange(c), convertColour(c),
                  c.actMode);
    c.shownActMode = c.actMode;
  } else if (c.targetOn) {
    showTargetPseudocolor(workPlanes(), workCanvas(), ws().colorCondition, targetRange(c));
  } else {
    planesToCanvas();
  }
  showCanvas(s, 0);
  // The white of the target range is a highlight: a keep or save stores the planes as they are.
  const bool highlightShown = !c.convertApply && c.targetOn;
  if (highlightShown && (ws().keepRequest == 1 || ws().saveAsRequest)) planesToCanvas();
  const bool kept = keepStep(kTab);

  if (!c.beltChanged) greyRangeFromBounds(c, false);
  drawPanel(s, kPanel);
  drawPanel(s, kLabels);
  const bool saved = saveStep();
  if (kept || saved) endLiveView([] { return std::exchange(change().convertApply, 0) != 0; });
  drawTabBar(s);
  commentStep(s, kTab, c.helpTopic);
  c.beltChanged = 0;
}

}  // namespace

const PageBlock kChangePage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
