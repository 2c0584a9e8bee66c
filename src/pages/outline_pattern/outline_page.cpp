#include "pages/outline_pattern/outline_page.h"

#include <cmath>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/brush_dab.h"
#include "pages/outline_pattern/brush_marks.h"
#include "pages/outline_pattern/fine_outline.h"
#include "pages/outline_pattern/local_contrast.h"
#include "pages/outline_pattern/outline_colour.h"
#include "platform/platform.h"
#include "text/outline_texts.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageOutline);

constexpr Rgb kGetImageColour{80, 160, 240};
constexpr Rgb kContrastColour{160, 160, 160};
constexpr Rgb kOutlineColour{240, 240, 20};
constexpr Rgb kGreyedColour{222, 222, 222};  // frames and texts of the items that only explain
constexpr Rgb kBrushColour{200, 240, 110};
constexpr Rgb kSaveColour{240, 200, 220};
constexpr Rgb kKeepColour{20, 240, 200};
constexpr Rgb kDarkBlueText{16, 32, 160};
constexpr Rgb kDarkRedText{160, 16, 32};
constexpr Rgb kSetColourFill[3] = {{226, 222, 222}, {222, 226, 222}, {222, 222, 226}};
// The dark mark in (16, 32, 192), the light one in (16, 192, 192).
constexpr ResetMarks kResetMarks{
    .y = 28, .darkZone = zoneIncl(3, 49, 26, 55), .lightZone = zoneIncl(51, 97, 26, 55)};

OutlinePageState& page() {
  return ws().outline;
}

// ---- Modes ------------------------------------------------------------------------------------

void calculatorOff() {
  ws().calculator.switchOn = 0;
}

// Both reset marks: the calculator and every mode off; the numbers stay.
void modesOff() {
  OutlinePageState& o = page();
  calculatorOff();
  o.contrastMode = 0;
  o.outlineMode = 0;
  o.outlineWidth = 0;
  o.brushMode = 0;
  o.brushWidth = 0;
}

void defaults() {
  Workspace& w = ws();
  const int32_t scale = w.outline.brushScale;  // the brush scale outlives the page's reset
  w.outline = OutlinePageState{};
  w.outline.brushScale = scale;
  w.brushDragActive = 0;
  // The brush shows and commits only its own strokes, never marks another page left.
  w.outline.markClearRequest = 1;
  calculatorOff();
  w.pageComment = kTab;
}

// Contrast, outline drawing and the brush exclude each other.
void contrastOn() {
  OutlinePageState& o = page();
  o.contrastMode = 1;
  o.outlineMode = 0;
  o.brushMode = 0;
}
void outlineOn() {
  OutlinePageState& o = page();
  o.outlineMode = 1;
  o.contrastMode = 0;
  o.brushMode = 0;
  o.markClearRequest = 1;
}
void brushOn() {
  OutlinePageState& o = page();
  o.brushMode = 1;
  o.contrastMode = 0;
  o.outlineMode = 0;
  o.brushColorSource = 1;
}

// ---- The brush --------------------------------------------------------------------------------

Rgb brushColour() {
  const OutlinePageState& o = page();
  if (o.brushColorSource == 1) return ws().outlineRgb;
  if (o.brushColorSource == 2) return o.setColor;
  return Rgb{0, 0, 0};
}

// Inverts the disc of radius d inscribed in the box (x - d, y - d) - (x + d, y + d): the pixels
// whose centres lie within d of the box's centre.
void invertDisc(Surface& s, int x, int y, int d) {
  for (int py = y - d; py < y + d; ++py) {
    const double dy = py + 0.5 - y;
    const double half = std::sqrt(static_cast<double>(d) * d - dy * dy);
    const int from = static_cast<int>(std::ceil(x - half - 0.5));
    const int to = static_cast<int>(std::floor(x + half - 0.5));
    if (from <= to) s.xorLine(from, py, to + 1, py);
  }
}

// The marks of one dab around a canvas cell.
void stampDab(CanvasCell centre) {
  const Workspace& w = ws();
  const BrushDisc disc = brushDisc(w.outline.brushSize, w.outline.brushScale);
  const MarkView marks = workMarks();
  stampBrushDisc(marks, centre.column, centre.row, disc);
  claimMarkPlane(kPageOutline);
}

// A dab of the pointer at a window point: the inverted disc on the window at once (outside a
// paint), and its marks at the canvas cell the point shows.
void brushDab(BrushPoint at, CanvasCell centre) {
  const OutlinePageState& o = page();
  invertDisc(platform().surface(), at.x, at.y, brushDisc(o.brushSize, o.brushScale).radius);
  platform().present();
  stampDab(centre);
}
void brushDab(BrushPoint at) {
  brushDab(at, canvasCellAt(at.x, at.y));
}

BrushPoint pointAt(int x, int y) {
  return BrushPoint{static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// A left click in the panel column ends a stroke and measures the next from the area's corner.
void endStroke() {
  ws().brushDragActive = 0;
  page().strokeReference = BrushPoint{};
}

void brushPress(int x, int y) {
  ws().brushDragActive = 1;
  page().brushLast = pointAt(x, y);
  brushDab(page().brushLast);
}

// The next dabs are thinner the farther this release lies from the previous one.
void updateBrushScale() {
  OutlinePageState& o = page();
  // A release without a move since a clear has no current position: its press point stands in.
  const BrushPoint end = o.brushHasCurrent ? o.brushCurrent : o.brushLast;
  const BrushPoint p = pointAt(end.x - kAreaLeft, end.y - kAreaTop);
  o.brushScale =
      brushScaleForDistance(strokeDistance(o.strokeReference.x - p.x, o.strokeReference.y - p.y));
  o.strokeReference = p;
}

// The marks go, and with them the current position: nothing is left to stamp again.
void forgetMarks() {
  clearMarkPlane();
  page().brushHasCurrent = 0;
}

// The brush's part of the paint: a dab at the current position, the lines shown in the brush
// colour, and the commit a right click asked for.
void brushPaintStep() {
  OutlinePageState& o = page();
  // At the cell the position pointed at when it was reported: a view scrolled since then does
  // not move the dab.
  if (o.brushHasCurrent && insideImageArea(o.brushCurrent.x, o.brushCurrent.y)) {
    stampDab(o.brushCurrentCell);
  }
  const Rgb colour = brushColour();
  paintMarkedCells(workMarks(), workCanvas(), colour);
  if (o.brushFixRequest == 1) {
    writeMarkedCells(workMarks(), workPlanes(), colour);
    // Fixed lines leave no mark behind, not even the dab of the stroke's end.
    forgetMarks();
    planesToCanvas();
    o.brushFixRequest = 0;
  }
}

// ---- Page block, step 3 -----------------------------------------------------------------------

void runOperations() {
  Workspace& w = ws();
  OutlinePageState& o = w.outline;
  if (o.outlineMode == 1 && o.outlineWidth == 1) {
    w.outlineRgb = outlineColorOf(w.outlineColorIndex);
    fineOutline(workPlanes(), workCanvas(), o.judgeValue, w.colorCondition, w.outlineRgb);
  }
  if (o.contrastMode == 1) {
    const bool point = o.contrastColumn != 0;
    if (point) localContrast(workPlanes(), workCanvas(), o.contrastColumn, o.contrastRow, false);
    if (o.contrastFixRequest == 1) {
      // Without a point there is nothing to fix.
      if (point) localContrast(workPlanes(), workCanvas(), o.contrastColumn, o.contrastRow, true);
      o.contrastFixRequest = 0;
    }
  }
  if (o.markClearRequest == 1) {
    forgetMarks();
    o.markClearRequest = 0;
  }
  if (o.brushClearRequest == 1) {
    forgetMarks();
    o.brushClearRequest = 0;
  }
  if (o.brushMode == 1) brushPaintStep();
}

// ---- Panel ------------------------------------------------------------------------------------

// The items that only explain: frame and text in the light grey.
constexpr LabelButton greyedBox(int x, int y, int width) {
  return boxAt(x, y, width, kGreyedColour, kGreyedColour);
}

void drawNextColour(Surface& s, const PanelItem& item) {
  LabelButton b = item.box;
  b.textColour = ws().outlineRgb;
  drawButton(s, b, label(OutlineLabel::NextColour));
}

// The set colour's swatch and its red, green and blue bars.
void drawSetColour(Surface& s, const PanelItem&) {
  const Rgb c = page().setColor;
  s.fillRect(78, 451, 99, 471, c);
  const int values[3] = {c.r, c.g, c.b};
  for (int i = 0; i < 3; ++i) {
    drawBar(s, 2, 477 + 22 * i, 70, 20, kGreyedColour, kSetColourFill[i], values[i] * 70 / 255);
  }
}

bool isCalculatorOn() {
  return ws().calculator.switchOn != 0;
}

// The key pad stands in the column only to be explained: its keys are greyed and a click on any
// of them shows the calculator comment. Its rows are those of the Pattern page's pad.
constexpr KeyPadLayout kPad{.top = 614, .firstRow = 20, .pitch = 20};

// The panel in the order of the page's click table; the first hit wins.
const auto kPanel = joinItems(
    buttonItem(boxAt(2, 4, 94, kWhite), label(OutlineLabel::Heading), zoneIncl(5, 91, 1, 24), 0,
               [](int, int) { ws().pageComment = kTab; }),
    darkResetMark<kResetMarks>(kOutlineResetTopic,
                               [](int, int) {
                                 modesOff();
                                 page().judgeValue = 8;
                                 resetToEntryImage(kTab);
                               }),
    lightResetMark<kResetMarks>(kOutlineResetTopic, [](int, int) { modesOff(); }),
    buttonItem(boxAt(2, 66, 94, kGetImageColour), label(OutlineLabel::GetImage),
               zoneIncl(3, 97, 67, 85), 0,
               [](int, int) {
                 ws().getImageRequest = 1;
                 ws().callSlot = kTab;
                 defaults();
               }),
    buttonItem(
        boxAt(2, 92, 94, kContrastColour), label(OutlineLabel::LocalContrast),
        zoneIncl(3, 97, 93, 111), 0,
        [](int, int) {
          if (page().contrastMode == 0) {
            contrastOn();
            page().helpTopic = kOutlineContrastTopic;
          } else {
            page().contrastMode = 0;
          }
        },
        [] { return page().contrastMode == 1; }),
    textItem(textAt(0, 116, 98, kDarkBlueText), label(OutlineLabel::ContrastLeftClick)),
    textItem(textAt(0, 129, 98, kDarkRedText), label(OutlineLabel::ContrastRightClick)),
    hitOnlyItem(zoneIncl(3, 97, 113, 156), kOutlineContrastTopic),
    buttonItem(
        boxAt(2, 157, 94, kOutlineColour), label(OutlineLabel::Outline), zoneIncl(3, 97, 158, 176), 0,
        [](int, int) {
          if (page().outlineMode == 0) {
            outlineOn();
            calculatorOff();
            page().helpTopic = kOutlineDrawingTopic;
          } else {
            page().outlineMode = 0;
          }
        },
        [] { return page().outlineMode == 1; }),
    buttonItem(
        boxAt(2, 183, 45, kOutlineColour), label(OutlineLabel::Fine), zoneIncl(3, 46, 184, 202),
        kOutlineDrawingTopic,
        [](int, int) {
          page().outlineWidth = 1;
          outlineOn();
        },
        [] { return page().outlineWidth == 1; }),
    buttonItem(greyedBox(53, 183, 45), label(OutlineLabel::Middle), zoneIncl(54, 97, 184, 202),
               kOutlineDrawingTopic),
    buttonItem(greyedBox(2, 209, 45), label(OutlineLabel::Fat), zoneIncl(3, 46, 210, 228),
               kOutlineDrawingTopic),
    buttonItem(boxAt(53, 209, 45, kOutlineColour), label(OutlineLabel::Clear),
               zoneIncl(54, 97, 210, 228), kOutlineDrawingTopic,
               [](int, int) {
                 page().outlineWidth = 0;
                 page().outlineMode = 0;
                 page().markClearRequest = 0;
               }),
    buttonItem(greyedBox(2, 235, 94), label(OutlineLabel::JudgeHeading), zoneIncl(3, 97, 236, 254),
               kOutlineJudgeTopic),
    valueBoxItem(greyedBox(2, 261, 70), label(OutlineLabel::JudgeValue),
                 [] { return page().judgeValue; }, kNoHit),
    diamondPairItems({.x = 78, .y = 261, .colour = kGreyedColour}),
    hitOnlyItem(zoneIncl(3, 97, 262, 280), kOutlineJudgeTopic),
    // The brush rows, down to the set colour belts.
    buttonItem(
        boxAt(2, 300, 94, kBrushColour), label(OutlineLabel::Brush), zoneIncl(3, 97, 301, 319), 0,
        [](int, int) {
          if (page().brushMode == 0) {
            brushOn();
            page().helpTopic = kOutlineBrushTopic;
          } else {
            page().brushMode = 0;
          }
        },
        [] { return page().brushMode == 1; }),
    buttonItem(greyedBox(2, 326, 45), label(OutlineLabel::Fine), zoneIncl(3, 46, 327, 345),
               kOutlineBrushTopic),
    buttonItem(greyedBox(53, 326, 45), label(OutlineLabel::Middle), zoneIncl(54, 97, 327, 345),
               kOutlineBrushTopic),
    buttonItem(
        boxAt(2, 352, 45, kBrushColour), label(OutlineLabel::Fat), zoneIncl(3, 46, 353, 371),
        kOutlineBrushTopic,
        [](int, int) {
          page().brushWidth = 3;
          brushOn();
        },
        [] { return page().brushWidth == 3; }),
    buttonItem(boxAt(53, 352, 45, kBrushColour), label(OutlineLabel::Clear),
               zoneIncl(54, 97, 353, 371), kOutlineBrushTopic,
               [](int, int) {
                 page().brushWidth = 0;
                 page().brushMode = 0;
                 page().brushClearRequest = 1;
               }),
    textItem(textAt(0, 376, 98, kDarkBlueText), label(OutlineLabel::BrushLeftClick)),
    textItem(textAt(0, 389, 98, kDarkBlueText), label(OutlineLabel::BrushDrag)),
    textItem(textAt(0, 402, 98, kDarkRedText), label(OutlineLabel::BrushRightClick)),
    hitOnlyItem(zoneIncl(3, 97, 373, 424), kOutlineBrushTopic),
    buttonItem(
        boxAt(2, 425, 64, kBrushColour), label(OutlineLabel::OutlineColour),
        zoneIncl(3, 65, 426, 444), kOutlineColourTopic,
        [](int, int) { page().brushColorSource = 1; }, [] { return page().brushColorSource == 1; }),
    customItem(boxAt(72, 425, 20, kBrushColour), drawNextColour, zoneIncl(73, 91, 426, 444),
               kOutlineColourTopic,
               [](int, int) {
                 ws().outlineColorIndex = nextOutlineColorIndex(ws().outlineColorIndex);
                 page().brushColorSource = 1;
               }),
    textItem(greyedBox(2, 451, 64), label(OutlineLabel::SetColour)),
    customItem(LabelButton{}, drawSetColour, zoneIncl(3, 97, 452, 540), kOutlineSetColourTopic),
    diamondPairItems({.x = 78, .y = 477, .colour = kGreyedColour}),
    diamondPairItems({.x = 78, .y = 499, .colour = kGreyedColour}),
    diamondPairItems({.x = 78, .y = 521, .colour = kGreyedColour}),
    hitOnlyItem(zoneIncl(3, 97, 301, 540), 0),  // the rest of the brush rows
    buttonItem(boxAt(2, 554, 94, kSaveColour), label(OutlineLabel::Save), zoneIncl(3, 97, 555, 573),
               kOutlineKeepTopic),
    buttonItem(boxAt(2, 574, 94, kKeepColour), label(OutlineLabel::SetKeep5),
               zoneIncl(3, 97, 575, 593), kOutlineKeepTopic,
               [](int, int) { ws().keepRequest = 1; }),
    keyPadItem<kPad, isCalculatorOn, true>([](int, int) { ws().pageComment = kCalculatorComment; },
                                           zoneIncl(9, 91, 615, 735)));

// ---- Input ------------------------------------------------------------------------------------

bool press(int x, int y) {
  OutlinePageState& o = page();
  if (x <= kAreaLeft) endStroke();
  if (pressPanel(kPanel, x, y, o.helpTopic)) return true;
  if (!insideImageArea(x, y)) return false;
  if (o.brushMode == 1) {
    brushPress(x, y);
    return true;
  }
  if (o.contrastMode == 1) {
    const CanvasCell cell = canvasCellAt(x, y);
    o.contrastColumn = cell.column;
    o.contrastRow = cell.row;
  }
  return false;
}

void pointerMove(int x, int y) {
  OutlinePageState& o = page();
  if (!ws().brushDragActive || !insideImageArea(x, y)) return;
  o.brushCurrent = pointAt(x, y);
  o.brushCurrentCell = canvasCellAt(x, y);
  o.brushHasCurrent = 1;
  brushDab(o.brushLast);
  o.brushLast = o.brushCurrent;
}

// A release outside the image area leaves the stroke going: later moves inside it go on
// stamping until a release inside the area or a click in the panel column.
void leftRelease(int x, int y) {
  OutlinePageState& o = page();
  if (!ws().brushDragActive || !insideImageArea(x, y)) return;
  if (o.brushHasCurrent) brushDab(o.brushCurrent, o.brushCurrentCell);
  if (o.brushMode == 1) updateBrushScale();
  ws().brushDragActive = 0;
}

void rightPress(int x, int y) {
  OutlinePageState& o = page();
  if (!insideImageArea(x, y)) return;
  if (o.contrastMode == 1) o.contrastFixRequest = 1;
  if (o.brushMode == 1) o.brushFixRequest = 1;
}

// ---- Paint ------------------------------------------------------------------------------------

// Outline drawing and the contrast preview, once kept; the judge value and the contrast point
// stay, so switching either on shows it again. The brush's strokes paint their own colour, so
// showing them on their kept result changes nothing.
bool switchOffPreviews() {
  OutlinePageState& o = page();
  const bool outlineShown = o.outlineMode == 1 && o.outlineWidth == 1;
  const bool contrastShown = o.contrastMode == 1 && o.contrastColumn != 0;
  if (outlineShown) o.outlineMode = 0;
  if (contrastShown) o.contrastMode = 0;
  return outlineShown || contrastShown;
}

void paint(Surface& s) {
  Workspace& w = ws();
  OutlinePageState& o = w.outline;
  w.outlineRgb = outlineColorOf(w.outlineColorIndex);
  o.brushSize = o.brushWidth == 3 ? 6 : (o.brushWidth == 2 ? 4 : 2);
  restoreOrCallStep(kTab);
  planesToCanvas();
  runOperations();
  drawPanel(s, kPanel);
  showCanvas(s, 0);
  const bool kept = keepStep(kTab);
  const bool saved = saveStep();
  if (kept || saved) endLiveView(switchOffPreviews);
  drawTabBar(s);
  commentStep(s, kTab, o.helpTopic);
}

}  // namespace

const PageBlock kOutlinePage{.defaults = defaults,
                             .press = press,
                             .rightPress = rightPress,
                             .pointerMove = pointerMove,
                             .leftRelease = leftRelease,
                             .paint = paint};

}  // namespace zc
