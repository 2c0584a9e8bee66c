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
constexpr Rgb kKeyColour{220, 220, 220};
constexpr Rgb kFlagStripe[3] = {{255, 181, 180}, {180, 255, 180}, {180, 180, 255}};
constexpr Rgb kFlagGrey{128, 128, 128};
constexpr int kBeltLeft = 24;
constexpr int kBeltLength = 52;
constexpr int kPatchSide = 21;
constexpr int kEntryX = 74;  // the calculator entry of one digit; 10 pixels left per digit more
constexpr int kEntryY = 709;

ChangePageState& change() {
  return ws().change;
}

LabelButton plain(int x, int y, int width) {
  return makeButton(x, y, width, kWhite, ButtonLook::Plain);
}
// x0 <= x <= x1 and y0 < y < y1: the hit zone of the wide buttons and of every belt.
HitZone zoneX(int x0, int x1, int y0, int y1) {
  return zone(x0, x1, y0, y1, HitZone::kLeft | HitZone::kRight);
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

void pressCal(int, int) {
  setCal(!change().calIndicator);
  if (change().calIndicator) change().appointOn = 0;
  ws().pageComment = kCalculatorComment;
}
template <PadKey Key, int Digit = 0>
void pressKey(int, int) {
  pressPadKey(PadHit{Key, Digit});
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

void drawDiamond(Surface& s, const PanelItem& item) {
  drawDiamondGlyph(s, item.box.x, item.box.y, 10, item.box.frame);
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

// The diamond switches and the belt of a target row, in the order of the click table.
template <int Row>
std::array<PanelItem, 5> targetBeltRow(int32_t topic) {
  const int y = kTargetBeltY[Row];
  const Rgb colour = kTargetBeltColour[Row];
  return {customItem(makeButton(2, y, 10, colour), drawDiamond, zoneExcl(3, 11, y, y + 20), topic,
                     stepTarget<Row, targetMinDown>),
          customItem(makeButton(12, y, 10, colour), drawDiamond, zoneExcl(13, 21, y, y + 20), topic,
                     stepTarget<Row, targetMinUp>),
          customItem(makeButton(kBeltLeft, y, kBeltLength, colour), drawTargetBelt<Row>,
                     zoneX(25, 75, y, y + 20), topic, clickTargetBeltAt<Row>),
          customItem(makeButton(78, y, 10, colour), drawDiamond, zoneExcl(79, 87, y, y + 20), topic,
                     stepTarget<Row, targetMaxDown>),
          customItem(makeButton(88, y, 10, colour), drawDiamond, zoneExcl(89, 97, y, y + 20), topic,
                     stepTarget<Row, targetMaxUp>)};
}

template <int Channel>
PanelItem valueBox() {
  const int y = kConvertRowY[Channel];
  return PanelItem{.kind = ItemKind::ValueBox,
                   .box = makeButton(2, y, 22, kConvertRowColour[Channel]),
                   .label = &label(ChangeLabel::ConvertValue),
                   .on = [] { return change().calTarget == Channel + 1; },
                   .value = [] { return change().convertColour[Channel]; },
                   .zone = zoneExcl(3, 21, y, y + 20),
                   .action = toggleValueBox<Channel>};
}
template <int Channel>
PanelItem convertBelt() {
  const int y = kConvertRowY[Channel];
  return customItem(makeButton(kBeltLeft, y, kBeltLength, kConvertRowColour[Channel]),
                    drawConvertBelt<Channel>, zoneX(25, 75, y, y + 20), kChangeValueTopic,
                    clickConvertBelt<Channel>);
}
template <int Channel>
std::array<PanelItem, 2> convertDiamonds() {
  const int y = kConvertRowY[Channel];
  const Rgb colour = kConvertRowColour[Channel];
  return {customItem(makeButton(78, y, 10, colour), drawDiamond, zoneExcl(79, 87, y, y + 20),
                     kChangeValueTopic, stepConvert<Channel, -1>),
          customItem(makeButton(88, y, 10, colour), drawDiamond, zoneExcl(89, 97, y, y + 20),
                     kChangeValueTopic, stepConvert<Channel, +1>)};
}

std::array<PanelItem, 1> one(const PanelItem& item) {
  return {item};
}

// The left column in the order of the page's click table; the first hit wins.
const auto kPanel = joinItems(
    one(buttonItem(plain(4, 4, 104), label(ChangeLabel::Heading), zoneExcl(3, 97, 0, 28), 0,
                   showPageComment)),
    one(resetItem(darkResetMark<kResetMarks>(kChangeResetTopic, darkReset))),
    one(lightResetMark<kResetMarks>(kChangeResetTopic, lightReset)),
    one(buttonItem(makeButton(4, 62, 88, kAppointColour), label(ChangeLabel::Appoint),
                   zoneX(5, 91, 62, 82), 0, toggleAppoint,
                   [] { return isOn(change().appointOn); })),
    one(hitOnlyItem(zoneX(5, 8, 88, 108), 0, turnTargetOn)),
    one(buttonItem(makeButton(4, 88, 68, kModeColour), label(ChangeLabel::Target),
                   zoneX(9, 91, 88, 108), 0, toggleTarget, [] { return isOn(change().targetOn); })),
    one(customItem(plain(2, 114, 30), drawFlagLabel, zoneExcl(1, 49, 114, 134), kChangeFlagTopic,
                   stepFlag)),
    one(hitOnlyItem(zoneExcl(75, 97, 114, 134), kChangeFlagTopic, stepFlag)),
    one(hitOnlyItem(zoneExcl(1, 97, 134, 166), kChangeClickImageTopic)),
    targetBeltRow<kRangeRed>(kChangeColourBeltsTopic),
    targetBeltRow<kRangeGreen>(kChangeColourBeltsTopic),
    targetBeltRow<kRangeBlue>(kChangeColourBeltsTopic),
    one(hitOnlyItem(zoneExcl(3, 97, 166, 278), kChangeColourBeltsTopic)),
    targetBeltRow<kRangeGrey>(kChangeGreyBeltTopic),
    one(hitOnlyItem(zoneExcl(1, 97, 298, 324), kChangeGreyBeltTopic)),
    one(buttonItem(makeButton(4, 324, 68, kModeColour), label(ChangeLabel::Convert),
                   zoneX(5, 91, 324, 344), 0, toggleConvert,
                   [] { return isOn(change().convertOn); })),
    one(valueBox<kRangeRed>()), one(valueBox<kRangeGreen>()), one(valueBox<kRangeBlue>()),
    one(convertBelt<kRangeRed>()), one(convertBelt<kRangeGreen>()), one(convertBelt<kRangeBlue>()),
    convertDiamonds<kRangeRed>(), convertDiamonds<kRangeGreen>(), convertDiamonds<kRangeBlue>(),
    one(hitOnlyItem(zoneExcl(3, 97, 422, 459), kChangeValueTopic)),
    one(buttonItem(plain(4, 467, 88), label(ChangeLabel::Act), zoneExcl(9, 91, 467, 487),
                   kChangeActTopic)),
    one(buttonItem(makeButton(8, 487, 24, kWeakMiddleColour), label(ChangeLabel::Weak),
                   zoneExcl(9, 31, 487, 507), kChangeActTopic, chooseActMode<1>,
                   [] { return change().actMode == 1 && isOn(change().convertApply); })),
    one(buttonItem(makeButton(38, 487, 24, kWeakMiddleColour), label(ChangeLabel::Middle),
                   zoneExcl(39, 61, 487, 507), kChangeActTopic, chooseActMode<2>,
                   [] { return change().actMode == 2 && isOn(change().convertApply); })),
    one(buttonItem(makeButton(68, 487, 24, kAllColour), label(ChangeLabel::All),
                   zoneExcl(69, 91, 487, 507), kChangeActTopic, chooseActMode<3>,
                   [] { return change().actMode == 3 && isOn(change().convertApply); })),
    one(customItem(makeButton(8, 513, 84, kIndicatorColour), drawActIndicator,
                   zoneExcl(9, 91, 513, 533), kChangeActTopic)),
    one(buttonItem(plain(4, 546, 88), label(ChangeLabel::Save), zoneX(5, 91, 546, 566),
                   kChangeKeepTopic)),
    one(buttonItem(makeButton(4, 566, 84, kModeColour), label(ChangeLabel::SetKeep4),
                   zoneX(5, 91, 566, 586), kChangeKeepTopic, setKeep4)),
    one(buttonItem(makeButton(8, 623, 42, Rgb{200, 200, 40}), label(FilterLabel::Cal),
                   zoneExcl(9, 49, 623, 643), 0, pressCal,
                   [] { return isOn(change().calIndicator); })),
    one(buttonItem(makeButton(56, 623, 36, Rgb{220, 200, 200}), label(FilterLabel::AllClear),
                   zoneExcl(57, 91, 623, 643), 0, pressKey<PadKey::AllClear>)),
    std::array<PanelItem, 10>{
        buttonItem(makeButton(8, 649, 26, kKeyColour), label(FilterLabel::Digit7),
                   zoneExcl(9, 33, 649, 669), 0, pressKey<PadKey::Digit, 7>),
        buttonItem(makeButton(38, 649, 26, kKeyColour), label(FilterLabel::Digit8),
                   zoneExcl(37, 61, 649, 669), 0, pressKey<PadKey::Digit, 8>),
        buttonItem(makeButton(68, 649, 26, kKeyColour), label(FilterLabel::Digit9),
                   zoneExcl(65, 91, 649, 669), 0, pressKey<PadKey::Digit, 9>),
        buttonItem(makeButton(8, 669, 26, kKeyColour), label(FilterLabel::Digit4),
                   zoneExcl(9, 33, 669, 689), 0, pressKey<PadKey::Digit, 4>),
        buttonItem(makeButton(38, 669, 26, kKeyColour), label(FilterLabel::Digit5),
                   zoneExcl(37, 61, 669, 689), 0, pressKey<PadKey::Digit, 5>),
        buttonItem(makeButton(68, 669, 26, kKeyColour), label(FilterLabel::Digit6),
                   zoneExcl(65, 91, 669, 689), 0, pressKey<PadKey::Digit, 6>),
        buttonItem(makeButton(8, 689, 26, kKeyColour), label(FilterLabel::Digit1),
                   zoneExcl(9, 33, 689, 709), 0, pressKey<PadKey::Digit, 1>),
        buttonItem(makeButton(38, 689, 26, kKeyColour), label(FilterLabel::Digit2),
                   zoneExcl(37, 61, 689, 709), 0, pressKey<PadKey::Digit, 2>),
        buttonItem(makeButton(68, 689, 26, kKeyColour), label(FilterLabel::Digit3),
                   zoneExcl(65, 91, 689, 709), 0, pressKey<PadKey::Digit, 3>),
        buttonItem(makeButton(8, 709, 26, kKeyColour), label(FilterLabel::Digit0),
                   zoneExcl(9, 31, 709, 729), 0, pressKey<PadKey::Digit, 0>)},
    std::array<PanelItem, 3>{
        buttonItem(makeButton(8, 729, 24, Rgb{200, 220, 200}), label(FilterLabel::Plus),
                   zoneExcl(9, 31, 729, 749), 0, pressKey<PadKey::Plus>),
        buttonItem(makeButton(38, 729, 24, Rgb{200, 200, 220}), label(FilterLabel::Minus),
                   zoneExcl(39, 61, 729, 749), 0, pressKey<PadKey::Minus>),
        buttonItem(makeButton(68, 729, 24, Rgb{220, 200, 200}), label(FilterLabel::Clear),
                   zoneExcl(69, 91, 729, 749), 0, pressKey<PadKey::Clear>)});

// Texts, patches and the table: drawn after the belts, never hit.
const PanelItem kLabels[] = {
    customItem(makeButton(76, 88, kPatchSide, kWhite), drawTargetPatch, kNoHit, 0),
    customItem(makeButton(50, 114, 24, kWhite), drawFlagPicture, kNoHit, 0),
    buttonItem(plain(2, 138, 88), label(ChangeLabel::LClickImage), kNoHit, 0),
    buttonItem(plain(2, 151, 88), label(ChangeLabel::ToMinMax), kNoHit, 0),
    buttonItem(plain(2, 188, 96), label(ChangeLabel::TableHeading), kNoHit, 0),
    customItem(plain(2, kTableRowY[kRangeRed], 96), drawTableRow<kRangeRed>, kNoHit, 0),
    customItem(plain(2, kTableRowY[kRangeGreen], 96), drawTableRow<kRangeGreen>, kNoHit, 0),
    customItem(plain(2, kTableRowY[kRangeBlue], 96), drawTableRow<kRangeBlue>, kNoHit, 0),
    customItem(plain(2, kTableRowY[kRangeGrey], 96), drawTableRow<kRangeGrey>, kNoHit, 0),
    customItem(makeButton(76, 324, kPatchSide, kWhite), drawConvertPatch, kNoHit, 0),
    buttonItem(plain(2, 428, 88), label(ChangeLabel::ByOnImage), kNoHit, 0),
    buttonItem(plain(2, 441, 88), label(ChangeLabel::BarGraphCal), kNoHit, 0),
    buttonItem(makeButton(38, 709, 56, kKeyColour), label(FilterLabel::TypedNumber), kNoHit, 0,
               nullptr),
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
  drawPadEntryAt(s, kEntryX, kEntryY);
  const bool saved = saveStep();
  if (kept || saved) endLiveView([] { return std::exchange(change().convertApply, 0) != 0; });
  drawTabBar(s);
  commentStep(s, kTab, c.helpTopic);
  c.beltChanged = 0;
}

}  // namespace

const PageBlock kChangePage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
