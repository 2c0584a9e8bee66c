#include "pages/transfer_appear/transfer_page.h"

#include <algorithm>
#include <vector>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "pages/outline_pattern/outline_colour.h"
#include "pages/outline_pattern/pattern_image.h"
#include "pages/transfer_appear/even_odd_fill.h"
#include "pages/transfer_appear/outline_snap.h"
#include "pages/transfer_appear/outline_trace.h"
#include "pages/transfer_appear/pattern_save_levels.h"
#include "pages/transfer_appear/polygon_marks.h"
#include "pages/transfer_appear/polygon_side.h"
#include "pages/transfer_appear/shot_pattern.h"
#include "text/comments.h"
#include "text/labels.h"
#include "text/transfer_texts.h"
#include "ui/calculator.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageTransfer);
constexpr int kDefaultGray = 192;
constexpr int kDefaultSealWidth = 32;
constexpr int kPolygonShape = 99;
constexpr int kSquareAreaShape = 7;
constexpr int kVertexSnapRadius = 16;
constexpr KeyPadLayout kPad{.top = 619};

constexpr Rgb kValueFrame{220, 220, 220};
constexpr Rgb kModeText{160, 160, 40};  // "cut", "start", "close", "delete"
constexpr Rgb kRuleColour{160, 192, 255};
constexpr Rgb kFlagLines{160, 160, 40};
constexpr Rgb kFlagFrame{200, 200, 200};

TransferPageState& transfer() {
  return ws().transfer;
}

// ---- page state ----

// The traced lines belong to the polygon under way: a new polygon starts without them.
void emptyTraceLists() {
  for (TraceList& list : transfer().trace) list.length = list.jumps = 0;
}

void stopPolygon() {
  TransferPageState& t = transfer();
  t.polygonStarted = 0;
  t.vertexCount = -1;
  t.vertexRequest = 0;
  t.closeRequest = 0;
  t.shape = 0;
  emptyTraceLists();
}

// The modes and one-shot requests back to their defaults; the polygon, if started, stays started
// with no vertex and no traced line.
void resetModes() {
  TransferPageState& t = transfer();
  t.shape = 0;
  t.vertexCount = -1;
  t.vertexRequest = 0;
  t.closeRequest = 0;
  t.fillRequest = 0;
  t.fillWithFlag = 0;
  t.patternRequest = 0;
  t.patternSaveRequest = 0;
  t.shotRequest = 0;
  emptyTraceLists();
  ws().calculator = CalculatorState{};
}

// Page entry and GetShadow: the values too, and the page comment.
void entryReset() {
  resetModes();
  transfer().grayValue = kDefaultGray;
  transfer().sealWidth = kDefaultSealWidth;
  ws().pageComment = kTab;
}

// Fill, shot and pattern save read the marks of this page's last polygon or pattern; strokes or a
// mask that another page left there are not this page's and go.
void defaults() {
  transfer().helpTopic = 0;
  if (ws().markPlaneOwner != kPageTransfer) clearMarkPlane();
  entryReset();
}

// ---- panel actions ----

void showPageComment(int, int) {
  ws().pageComment = kTab;
}
void darkReset(int, int) {
  resetModes();
  transfer().grayValue = kDefaultGray;
  transfer().sealWidth = kDefaultSealWidth;
  resetToEntryImage(kTab);
}
void lightReset(int, int) {
  resetModes();
}
void getShadow(int, int) {
  ws().getImageRequest = 1;
  ws().callSlot = kTab;
  entryReset();
}
void cycleOutlineColour(int, int) {
  ws().outlineColorIndex = nextOutlineColorIndex(ws().outlineColorIndex);
}
void cutByRows(int, int) {
  transfer().cutMode = kCutByRows;
}
void cutByColumns(int, int) {
  transfer().cutMode = kCutByColumns;
}
void toggleTrace(int, int) {
  TransferPageState& t = transfer();
  t.traceOn = t.traceOn ? 0 : 1;
  t.helpTopic = t.traceOn ? kTransferTraceTopic : 0;
}
void toggleStart(int, int) {
  TransferPageState& t = transfer();
  if (t.polygonStarted) {
    stopPolygon();
    return;
  }
  t.polygonStarted = 1;
  t.vertexCount = -1;
  t.vertexRequest = 0;
  t.shape = kPolygonShape;
  t.closeRequest = 0;
  t.currentPoint = CanvasCell{};
  emptyTraceLists();
  t.helpTopic = kTransferStartTopic;
}
void requestClose(int, int) {
  transfer().closeRequest = 1;
}
void fillWhite(int, int) {
  transfer().fillRequest = 1;
  transfer().fillWithFlag = 0;
  stopPolygon();
}
void fillWithGray(int, int) {
  transfer().fillRequest = 1;
  transfer().fillWithFlag = 1;
  stopPolygon();
}
void requestKeep(int, int) {
  ws().keepRequest = 1;
}
void requestPattern(int, int) {
  transfer().patternRequest = 1;
}
void requestPatternSave(int, int) {
  transfer().patternSaveRequest = 1;
}
void callReal(int, int) {
  ws().getImageRequest = 1;
  ws().callSlot = kTab;
}
void requestShot(int, int) {
  transfer().shotRequest = 1;
}
void requestTransferSave(int, int) {
  ws().saveAsRequest = 1;
}
void pressCalculator(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kPad);
  if (hit.key == PadKey::Cal) calculatorToggleSwitch();
  pressPadKey(hit);
  ws().pageComment = kCalculatorComment;
}

// ---- panel drawing ----

Rgb graySwatch(int value) {
  const uint8_t v = static_cast<uint8_t>(std::clamp(value, 0, 255));
  return Rgb{v, v, v};
}

// A flag box of 20 x 20: the gray flag filled with the gray value.
void drawGrayFlag(Surface& s, int x, int y) {
  s.fillRect(x + 1, y + 1, x + 20, y + 20, graySwatch(transfer().grayValue));
  s.rectangleOutline(x, y, x + 20, y + 20, kFlagFrame);
}

// The cut-mode flags: three level or upright lines in a box that is lit (the "on" frame) while
// its mode is chosen.
void drawCutFlag(Surface& s, int x, int y, bool upright, bool lit) {
  if (lit) {
    s.rectangleOutline(x, y, x + 20, y + 20, kOnFrame, 2);
  } else {
    s.rectangleOutline(x, y, x + 20, y + 20, kFlagFrame);
  }
  for (int k = 0; k < 3; ++k) {
    const int at = 6 + 4 * k;
    if (upright) {
      s.line(x + at, y + 4, x + at, y + 17, kFlagLines);
    } else {
      s.line(x + 4, y + at, x + 17, y + at, kFlagLines);
    }
  }
}

void drawShapeGroup(Surface& s, const PanelItem&) {
  drawButton(s, greyed(boxAt(4, 113, 42, kValueFrame)), label(TransferLabel::Shape));
  constexpr int kKeys[6][2] = {{52, 113}, {78, 113}, {3, 139}, {28, 139}, {53, 139}, {78, 139}};
  for (const auto& k : kKeys) drawButton(s, greyed(boxAt(k[0], k[1], 20, kValueFrame)), "");
  const Rgb c = kGreyedText;
  // The seals: a disc, a square and four triangles pointing up, down, left and right.
  s.ellipse(55, 116, 69, 130, c);
  s.rectangleOutline(81, 116, 95, 130, c);
  auto triangle = [&](int x0, int y0, int x1, int y1, int x2, int y2) {
    s.line(x0, y0, x1, y1, c);
    s.line(x1, y1, x2, y2, c);
    s.line(x2, y2, x0, y0, c);
  };
  triangle(6, 156, 13, 142, 20, 156);
  triangle(31, 142, 38, 156, 45, 142);
  triangle(70, 142, 56, 149, 70, 156);
  triangle(81, 142, 95, 149, 81, 156);
}

void drawDashedRule(Surface& s, int x, int y) {
  for (int from = x; from < 98; from += 6) s.line(from, y, std::min(from + 4, 98), y, kRuleColour);
}

void drawFixRule(Surface& s, const PanelItem&) {
  drawDashedRule(s, 2, 205);
}

void drawAreaGroup(Surface& s, const PanelItem&) {
  drawButton(s, greyed(textAt(2, 217, 38)), label(TransferLabel::Area));
  drawButton(s, greyed(boxAt(42, 217, 30, kValueFrame)), "");
  s.rectangleOutline(52, 222, 62, 232, kGreyedText);  // the centre box
  drawGrayFlag(s, 78, 217);
  drawButton(s, greyed(smallFont(textAt(4, 239, 94))), label(TransferLabel::LeftClickDrag));
  drawButton(s, greyed(smallFont(textAt(4, 253, 94))), label(TransferLabel::RightClickCut));
}

void drawOutlineColourKey(Surface& s, const PanelItem& item) {
  const Rgb colour = outlineColorOf(ws().outlineColorIndex);
  LabelButton b = item.box;
  b.frame = colour;
  b.textColour = colour;
  drawButton(s, b, label(TransferLabel::OutlineColour));
}

void drawLevelLineFlag(Surface& s, const PanelItem& item) {
  drawCutFlag(s, item.box.x, item.box.y, false, transfer().cutMode == kCutByRows);
}
void drawVerticalLineFlag(Surface& s, const PanelItem& item) {
  drawCutFlag(s, item.box.x, item.box.y, true, transfer().cutMode == kCutByColumns);
}

// "trace outline" has the comment-type baseline, 4 pixels below the key's top.
void drawTraceKey(Surface& s, const PanelItem& item) {
  LabelButton b = item.box;
  if (transfer().traceOn) b.look = ButtonLook::On;
  drawButton(s, b, "");
  s.text(
      b.x + 2, b.y + 4,
      tr(label(TransferLabel::TraceOutline).japanese, label(TransferLabel::TraceOutline).english),
      b.textColour, b.fontHeight);
}

void drawFillFlag(Surface& s, const PanelItem& item) {
  drawGrayFlag(s, item.box.x, item.box.y);
}

bool isCalculatorOn() {
  return ws().calculator.switchOn != 0;
}

bool polygonStarted() {
  return transfer().polygonStarted != 0;
}

// The column in the order of its click table: the first hit wins.
constexpr ResetMarks kResetMarks{
    .y = 25, .darkZone = zoneIncl(3, 49, 26, 55), .lightZone = zoneIncl(51, 97, 26, 55)};

const auto kPanel = joinItems(
    buttonItem(boxAt(4, 5, 104, kWhite), label(TransferLabel::Heading), zoneIncl(5, 91, 1, 24), 0,
               showPageComment),
    darkResetMark<kResetMarks>(kTransferResetTopic, darkReset),
    lightResetMark<kResetMarks>(kTransferResetTopic, lightReset),
    buttonItem(boxAt(4, 61, 94, Rgb{80, 160, 240}), label(TransferLabel::GetShadow),
               zoneIncl(5, 97, 62, 80), 0, getShadow),
    // The unused value groups: drawn greyed, each row showing its topic.
    textItem(greyed(textAt(2, 87, 38)), label(TransferLabel::Gray)),
    valueBoxItem(
        greyed(boxAt(42, 87, 30, kValueFrame)), label(TransferLabel::GrayValue),
        [] { return transfer().grayValue; }, kNoHit),
    diamondPairItems({.x = 78, .y = 92, .colour = kValueFrame}),
    hitOnlyItem(zoneIncl(5, 97, 88, 106), kTransferGrayTopic),
    customItem(LabelButton{}, drawShapeGroup, zoneIncl(5, 97, 114, 158), kTransferShapeTopic),
    textItem(greyed(boxAt(4, 165, 32, kValueFrame)), label(TransferLabel::Width)),
    valueBoxItem(
        greyed(boxAt(42, 165, 32, kValueFrame)), label(TransferLabel::WidthValue),
        [] { return transfer().sealWidth; }, kNoHit),
    diamondPairItems({.x = 78, .y = 170, .colour = kValueFrame}),
    hitOnlyItem(zoneIncl(5, 97, 166, 184), kTransferWidthTopic),
    textItem(greyed(smallFont(textAt(4, 191, 94))), label(TransferLabel::RightClickFix)),
    customItem(LabelButton{}, drawFixRule, zoneIncl(5, 97, 186, 208), kTransferShapeTopic),
    customItem(LabelButton{}, drawAreaGroup, zoneIncl(5, 97, 218, 270), kTransferAreaTopic),
    buttonItem(textAt(2, 279, 50, Rgb{96, 164, 255}), label(TransferLabel::Polygon),
               zoneIncl(5, 71, 272, 298), kTransferPolygonTopic),
    customItem(boxAt(72, 279, 20, kWhite), drawOutlineColourKey, zoneIncl(73, 91, 280, 298),
               kTransferOutlineColourTopic, cycleOutlineColour),
    buttonItem(textAt(2, 305, 36, kModeText), label(TransferLabel::Cut), zoneIncl(5, 45, 306, 324),
               kTransferCutTopic),
    customItem(boxAt(46, 305, 20, kFlagFrame), drawLevelLineFlag, zoneIncl(47, 65, 306, 324),
               kTransferLevelLineTopic, cutByRows),
    customItem(boxAt(72, 305, 20, kFlagFrame), drawVerticalLineFlag, zoneIncl(73, 91, 306, 324),
               kTransferVerticalLineTopic, cutByColumns),
    customItem(boxAt(2, 331, 96, Rgb{140, 220, 240}, Rgb{40, 200, 200}), drawTraceKey,
               zoneIncl(3, 91, 332, 350), 0, toggleTrace),
    buttonItem(boxAt(4, 357, 44, Rgb{240, 200, 140}, kModeText), label(TransferLabel::Start),
               zoneIncl(5, 47, 358, 376), 0, toggleStart, polygonStarted),
    buttonItem(boxAt(54, 357, 44, Rgb{140, 200, 240}, kModeText), label(TransferLabel::Close),
               zoneIncl(55, 97, 358, 376), kTransferCloseTopic, requestClose),
    // Two pixels above its row, so the "delete" key's frame just below leaves its glyphs whole.
    buttonItem(smallFont(textAt(4, 381, 94, Rgb{128, 128, 128})),
               label(TransferLabel::RightClickSet), zoneIncl(5, 97, 378, 395), kTransferCloseTopic),
    buttonItem(boxAt(4, 396, 68, Rgb{240, 200, 200}, kModeText), label(TransferLabel::Delete),
               zoneIncl(5, 71, 397, 415), kTransferDeleteTopic, fillWhite),
    customItem(boxAt(78, 396, 20, kFlagFrame), drawFillFlag, zoneIncl(79, 97, 397, 415),
               kTransferDeleteTopic, fillWithGray),
    buttonItem(boxAt(4, 437, 94, Rgb{20, 240, 200}), label(TransferLabel::Keep7),
               zoneIncl(5, 97, 438, 456), kTransferKeepTopic, requestKeep),
    buttonItem(boxAt(4, 463, 94, Rgb{240, 200, 220}), label(TransferLabel::Pattern),
               zoneIncl(5, 97, 464, 482), kTransferPatternTopic, requestPattern),
    buttonItem(greyed(boxAt(4, 489, 94, Rgb{220, 220, 220})), label(TransferLabel::Reverse),
               zoneIncl(5, 97, 490, 508), kTransferReverseTopic),
    buttonItem(boxAt(4, 515, 94, Rgb{240, 200, 220}), label(TransferLabel::SavePattern),
               zoneIncl(5, 97, 516, 534), kTransferSavePatternTopic, requestPatternSave),
    buttonItem(boxAt(4, 541, 94, Rgb{160, 192, 255}), label(TransferLabel::CallReal),
               zoneIncl(5, 97, 542, 560), kTransferCallRealTopic, callReal),
    buttonItem(boxAt(4, 567, 94, Rgb{240, 200, 220}), label(TransferLabel::ShotPattern),
               zoneIncl(5, 97, 568, 586), kTransferShotTopic, requestShot),
    buttonItem(boxAt(4, 593, 94, Rgb{160, 192, 255}), label(TransferLabel::SaveTransfer),
               zoneIncl(5, 97, 594, 612), kTransferSaveTopic, requestTransferSave),
    // The pad takes every press in its rectangle, between its keys too.
    keyPadItem<kPad, isCalculatorOn, true>(pressCalculator, zoneIncl(9, 91, 620, 740)),
    padEntryItem<kPad>());

// ---- image area input ----

// Left and right presses add or close only inside the picture shown: never on a scroll bar, the
// tab bar or below the frame.
bool insidePicture(int x, int y) {
  const Size view = ws().viewSize;
  return x >= kAreaLeft + 1 && x <= view.width + kAreaLeft - 1 && y >= kAreaTop + 1 &&
         y <= view.height + kAreaTop - 1;
}

// The pixel under the pointer on the scrolled view, kept on the canvas.
CanvasCell cellUnderPointer(int x, int y) {
  CanvasCell c = canvasCellUnder(x, y);
  c.column = std::clamp(c.column, 0, ws().workSize.width - 1);
  c.row = std::clamp(c.row, 0, ws().workSize.height - 1);
  return c;
}

bool press(int x, int y) {
  TransferPageState& t = transfer();
  if (pressPanel(kPanel, x, y, t.helpTopic)) return true;
  if (insidePicture(x, y) && t.shape != kSquareAreaShape) {
    if (t.polygonStarted) {
      t.currentPoint = cellUnderPointer(x, y);
      t.vertexRequest = 1;
    } else {
      t.sealPoint = cellUnderPointer(x, y);
    }
  }
  return false;
}

void rightPress(int x, int y) {
  if (insidePicture(x, y) && transfer().polygonStarted) transfer().closeRequest = 1;
}

// ---- paint ----

OutlineColour outlineColour() {
  const Rgb c = ws().outlineRgb;
  return OutlineColour{c.b, c.g, c.r};
}

MarkColour markerColour(const OutlineLines& lines, const CanvasCell& vertex) {
  return lines.outlineAt(vertex) ? kOnOutlineGreen : kSideRed;
}

// Places the clicked vertex (snapped onto the outline in trace mode) or the closing vertex 0, and
// marks the side that ends there.
void placeVertex(const OutlineLines& lines, bool closing) {
  TransferPageState& t = transfer();
  const MarkView marks = workMarks();
  t.vertexCount = std::min(t.vertexCount + 1, kMaxVertexIndex);
  if (t.vertexCount == 0) clearMarkPlane();
  if (closing) {
    t.currentPoint = t.vertex[0];
  } else if (t.traceOn) {
    const int line = lines.lineOf(t.currentPoint);
    t.currentPoint = lines.cellAt(
        line, snapToOutline(lines, line, lines.positionOf(t.currentPoint), kVertexSnapRadius));
  }
  t.vertex[t.vertexCount] = t.currentPoint;
  markBoundaryCell(marks, t.currentPoint);
  claimMarkPlane(kPageTransfer);
  if (t.vertexCount == 0) return;
  const CanvasCell& from = t.vertex[t.vertexCount - 1];
  if (t.traceOn) {
    traceSide(lines, marks, from, t.currentPoint, t.trace);
  } else {
    markStraightSide(marks, from, t.currentPoint, t.cutMode);
  }
}

void polygonStep(const OutlineLines& lines) {
  TransferPageState& t = transfer();
  if (t.vertexRequest) {
    t.vertexRequest = 0;
    placeVertex(lines, false);
  }
  if (t.closeRequest) {
    t.closeRequest = 0;
    // Closing needs a first vertex to close on.
    if (t.vertexCount >= 0) placeVertex(lines, true);
  }
  if (t.vertexCount < 0) return;
  drawMarkedCells(workCanvas(), workMarks(), kSideRed);
  if (!t.traceOn) {
    drawVertexMarker(workCanvas(), t.vertex[t.vertexCount],
                     markerColour(lines, t.vertex[t.vertexCount]));
  }
}

void traceMarks(const OutlineLines& lines) {
  const TransferPageState& t = transfer();
  if (!t.polygonStarted || t.vertexCount < 0) return;
  const PixelView canvas = workCanvas();
  for (int k = std::max(0, t.vertexCount - 1); k <= t.vertexCount; ++k) {
    drawVertexMarker(canvas, t.vertex[k], markerColour(lines, t.vertex[k]));
  }
  if (t.trace[0].jumps == 0) drawTracePoints(canvas, t.trace[0], kTraceCyan);
  if (t.trace[1].jumps == 0) drawTracePoints(canvas, t.trace[1], kOnOutlineGreen);
}

void fillStep() {
  TransferPageState& t = transfer();
  evenOddFill(workCanvas(), workMarks(), t.cutMode,
              t.fillWithFlag ? std::clamp(t.grayValue, 0, 255) : 255);
  canvasToPlanes();
  writeWorkingFile(kIsoFile, canvasTarget());  // the canvas just committed: the same picture
  t.fillRequest = 0;
  t.fillWithFlag = 0;
  stopPolygon();
}

// Commits the shown picture, turns the planes into the pattern and saves its two grey levels.
void patternSaveStep() {
  const Size size = ws().workSize;
  canvasToPlanes();
  patternImage(workCanvas(), workMarks(), ws().zoneColor);
  claimMarkPlane(kPageTransfer);
  canvasToPlanes();
  std::vector<uint8_t> levels(static_cast<size_t>(size.width) * size.height * 3);
  patternSaveLevels(workMarks(), PixelView{levels.data(), size.width, size.height});
  PixelTarget source;
  source.form = PixelForm::Pixels;
  source.pixels = levels.data();
  source.rowLength = size.width;
  runSaveAsDialog(kSaveDialogTitle, source);
}

// Topic 9 shows its second form, the trace start, while a polygon is under way.
void comments(Surface& s) {
  TransferPageState& t = transfer();
  const int32_t pending = ws().pageComment;
  const bool otherComment =
      pending == kTab || pending == kRestoreComment || pending == kCalculatorComment;
  if (t.helpTopic == kTransferTraceTopic && t.polygonStarted && !otherComment) {
    drawComment(s, traceStartComment());
    t.helpTopic = 0;
  }
  commentStep(s, kTab, t.helpTopic);
}

void paint(Surface& s) {
  Workspace& w = ws();
  TransferPageState& t = w.transfer;
  runCalculator(nullptr);  // no value box of this page takes the pad's amount
  drawPanel(s, kPanel);
  restoreOrCallStep(kTab);
  planesToCanvas();
  const OutlineLines lines = outlineLines(workPlanes(), outlineColour(), t.cutMode);
  if (t.fillRequest) fillStep();
  if (t.polygonStarted) polygonStep(lines);
  if (t.patternRequest) {
    patternImage(workCanvas(), workMarks(), w.zoneColor);
    claimMarkPlane(kPageTransfer);
    canvasToPlanes();
  }
  if (t.shotRequest) {
    shotPattern(workPlanes(), workMarks(), w.zoneColor);
    planesToCanvas();
  }
  keepStep(kTab);
  if (t.traceOn) traceMarks(lines);
  showCanvas(s, 0);
  if (t.patternSaveRequest) {
    t.patternSaveRequest = 0;
    patternSaveStep();
  }
  saveStep();
  drawTabBar(s);
  comments(s);
  t.patternRequest = 0;
  t.shotRequest = 0;
}

}  // namespace

const PageBlock kTransferPage{
    .defaults = defaults, .press = press, .rightPress = rightPress, .paint = paint};

}  // namespace zc
