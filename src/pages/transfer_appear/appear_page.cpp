#include "pages/transfer_appear/appear_page.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "pages/transfer_appear/compose.h"
#include "pages/transfer_appear/move_transfer.h"
#include "pages/transfer_appear/pass_zone.h"
#include "text/appear_texts.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageAppear);

enum DisplayMode : int32_t {
  kShowPlanes = 0,
  kShowTransfer = 2,
  kShowBack = 3,
  kRealAppear = 5,
};
enum ZoneMode : int32_t {
  kPerfectBlack = 1,
  kPerfectWhite = 2,
  kEditStart = 3,
  kEditEnd = 4,
};
constexpr int32_t kApplyDrag = 5;

constexpr Rgb kZoneGreen{160, 220, 180};
constexpr Rgb kBeltFrame{192, 192, 192};
constexpr Rgb kWholeViewColour{80, 220, 180};
constexpr Rgb kFineColour{200, 200, 220};
constexpr BeltGeometry kZoneBelt{24, 52};
constexpr int kBeltTop = 202;
constexpr KeyPadLayout kPad{.top = 524, .firstRow = 24, .pitch = 20};

AppearPageState& appear() {
  return ws().appear;
}

void setCalculator(bool on) {
  appear().calculatorOn = on ? 1 : 0;
  ws().calculator.switchOn = on ? 1 : 0;
}

void defaults() {
  Workspace& w = ws();
  AppearPageState& a = w.appear;
  const int32_t condition = a.zoneCondition;
  const Size canvas = a.canvasSize;
  a = AppearPageState{};
  a.zoneCondition = condition;
  a.canvasSize = canvas;
  w.calculator = CalculatorState{};
  w.pageComment = kTab;
}

// Entering the page writes its working files from the planes: coming from the Top page the planes
// become the back image; from the Outline, Pattern or Transfer page they become the transfer
// image; from any other page both slot 8 and the back image.
void enter(int32_t from) {
  AppearPageState& a = appear();
  if (from == kPageTop) {
    writeWorkingFile(kBackFile, planesTarget());
    a.displayMode = kShowBack;
  } else if (from == kPageOutline || from == kPagePattern || from == kPageTransfer) {
    writeSlotFile(8, planesTarget());
    writeWorkingFile(kTransferFile, planesTarget());
    a.displayMode = kShowTransfer;
  } else {
    writeSlotFile(8, planesTarget());
    if (from != kPageAppear) {
      writeWorkingFile(kBackFile, planesTarget());
      a.displayMode = kShowBack;
    }
  }
}

// ---- actions of the panel ------------------------------------------------------------------

// The dark mark: every entry value, the offset and the scroll back to 0, and slot 8 as the back
// image.
void darkReset(int, int) {
  Workspace& w = ws();
  const int32_t topic = w.appear.helpTopic;
  defaults();
  w.appear.helpTopic = topic;
  w.pageComment = kCommentShown;
  w.keepRequest = 0;
  resetToEntryImage(kTab);
  writeWorkingFile(kBackFile, planesTarget());
  w.appear.displayMode = kShowBack;
}

// The light mark: modes and switches off, every number kept.
void lightReset(int, int) {
  AppearPageState& a = appear();
  a.displayMode = kShowPlanes;
  a.moveOn = 0;
  a.moveRequest = 0;
  a.dragActive = 0;
  a.pendingDx = a.pendingDy = 0;
  ws().keepRequest = 0;
  setCalculator(false);
}

// "1)back image" and "2)trfr image": the open dialog's picture becomes that working file only.
void getImageAs(WorkingFile file) {
  AppearPageState& a = appear();
  ws().getImageRequest = 1;
  a.pendingFile = file;
  a.displayMode = file == kBackFile ? kShowBack : kShowTransfer;
  resetScrollPositions();
}

void selectStart() {
  appear().zoneMode = kEditStart;
  setCalculator(true);
}
void selectEnd() {
  appear().zoneMode = kEditEnd;
  setCalculator(true);
}

void clickZoneBelt(int x, int) {
  AppearPageState& a = appear();
  const bool start = x < beltMiddle(kZoneBelt, a.zoneStart, a.zoneEnd);
  clickDoubleBelt(kZoneBelt, a.zoneStart, a.zoneEnd, x, false);
  start ? selectStart() : selectEnd();
}

void stepStart(int delta) {
  AppearPageState& a = appear();
  stepBeltStart(a.zoneStart, a.zoneEnd, delta);
  a.zoneMode = kEditStart;
}
void stepEnd(int delta) {
  AppearPageState& a = appear();
  stepBeltEnd(a.zoneStart, a.zoneEnd, delta);
  a.zoneMode = kEditEnd;
}

// An arrow moves the transfer image by the fine step as a drag in its direction would; dx and dy
// count as in a pending drag (dx = start x - end x, dy = end y - start y).
void fineMove(int dx, int dy) {
  AppearPageState& a = appear();
  a.moveOn = 1;
  a.pendingDx += dx * a.fineStep;
  a.pendingDy += dy * a.fineStep;
  a.moveRequest = kApplyDrag;
  a.displayMode = kRealAppear;
}

void toggleMouseMove(int, int) {
  AppearPageState& a = appear();
  a.moveOn = a.moveOn ? 0 : 1;
  a.moveRequest = a.moveOn ? kApplyDrag : 0;
  a.displayMode = kRealAppear;
}

void pressKeyPad(int x, int y) {
  const PadHit hit = keyPadHit(x, y, kPad);
  if (hit.key == PadKey::Cal) {
    setCalculator(!appear().calculatorOn);
    ws().pageComment = kCalculatorComment;
    return;
  }
  pressPadKey(hit);
}

// ---- drawing -------------------------------------------------------------------------------

void drawZoneCondition(Surface& s, const PanelItem& item) {
  const int condition = appear().zoneCondition;
  drawButton(s, item.box, zoneConditionLabel(condition));
  // The flag icon, 20 x 21: three bands of 7 lines for "3C", one colour for the others.
  static constexpr Rgb kBands[3] = {{255, 180, 180}, {180, 255, 180}, {180, 180, 255}};
  static constexpr Rgb kFlags[8] = {{255, 180, 180}, {128, 128, 128}, {255, 180, 180},
                                    {180, 255, 180}, {180, 180, 255}, {60, 255, 255},
                                    {255, 60, 255},  {255, 255, 60}};
  const Rgb flag = kFlags[std::clamp(condition, 1, 8) - 1];
  for (int i = 0; i < 21; ++i)
    s.line(60, 176 + i, 80, 176 + i, condition == 1 ? kBands[i / 7] : flag);
}

// The zone belt: the range between start and end filled.
void drawZoneBelt(Surface& s, const PanelItem&) {
  const AppearPageState& a = appear();
  const int from = kZoneBelt.left + a.zoneStart * kZoneBelt.length / 256;
  const int to = kZoneBelt.left + a.zoneEnd * kZoneBelt.length / 256;
  for (int x = from; x <= to; ++x) s.line(x, kBeltTop + 1, x, kBeltTop + 20, kZoneGreen);
  s.rectangleOutline(kZoneBelt.left, kBeltTop, kZoneBelt.left + kZoneBelt.length, kBeltTop + 20,
                     kBeltFrame);
}

bool isCalculatorOn() {
  return appear().calculatorOn != 0;
}
int32_t& gradation() {
  return appear().gradation;
}
int32_t& fineStep() {
  return appear().fineStep;
}

constexpr ResetMarks kResetMarks{
    .y = 26, .darkZone = zoneIncl(3, 49, 26, 54), .lightZone = zoneIncl(51, 97, 26, 54)};

// ---- the panel -----------------------------------------------------------------------------

PanelItem arrow(int k, AppearLabel text, void (*action)(int, int)) {
  return buttonItem(boxAt(4 + 23 * k, 417, 23, kFineColour), label(text),
                    zoneIncl(5 + 23 * k, 3 + 23 * (k + 1), 418, 436), kAppearFineMoveTopic, action);
}

// The left column in the order of the page's click table; the first hit wins, so each switch
// comes before the row it sits in.
const auto kPanel = joinItems(
    buttonItem(boxAt(4, 4, 84, kWhite), label(AppearLabel::Heading), zoneIncl(5, 91, 1, 24), 0,
               [](int, int) { ws().pageComment = kTab; }),
    darkResetMark<kResetMarks>(kAppearResetTopic, darkReset),
    lightResetMark<kResetMarks>(kAppearResetTopic, lightReset),
    buttonItem(boxAt(4, 61, 94, kWhite), label(AppearLabel::GetImageHeading),
               zoneIncl(5, 97, 56, 80), kAppearGetImageTopic),
    buttonItem(
        boxAt(4, 81, 94, Rgb{80, 160, 240}), label(AppearLabel::BackImage),
        zoneIncl(5, 97, 82, 100), 0, [](int, int) { getImageAs(kBackFile); },
        [] { return appear().displayMode == kShowBack; }),
    buttonItem(
        boxAt(4, 107, 94, Rgb{120, 160, 240}), label(AppearLabel::TransferImage),
        zoneIncl(5, 97, 108, 126), 0, [](int, int) { getImageAs(kTransferFile); },
        [] { return appear().displayMode == kShowTransfer; }),
    buttonItem(boxAt(4, 130, 94, kWhite), label(AppearLabel::PassZoneHeading),
               zoneIncl(5, 97, 128, 149), kAppearPassZoneTopic),
    buttonItem(
        boxAt(4, 150, 44, Rgb{220, 220, 220}), label(AppearLabel::Black), zoneIncl(5, 47, 151, 169),
        kAppearBlackTopic, [](int, int) { appear().zoneMode = kPerfectBlack; },
        [] { return appear().zoneMode == kPerfectBlack; }),
    buttonItem(
        boxAt(54, 150, 44, kZoneGreen), label(AppearLabel::White), zoneIncl(55, 97, 151, 169),
        kAppearWhiteTopic,
        [](int, int) {
          AppearPageState& a = appear();
          a.zoneMode = kPerfectWhite;
          a.zoneStart = a.zoneEnd = 255;
          a.zoneCondition = 2;
        },
        [] { return appear().zoneMode == kPerfectWhite; }),
    customItem(boxAt(2, 176, 50, kWhite), drawZoneCondition, zoneIncl(5, 97, 177, 195),
               kAppearZoneFlagTopic,
               [](int, int) {
                 AppearPageState& a = appear();
                 a.zoneCondition = a.zoneCondition % 8 + 1;
                 a.zoneMode = kEditStart;
               }),
    beltItems({.y = kBeltTop, .colour = kZoneGreen, .glyphDy = 5, .topic = kAppearZoneRangeTopic},
              drawZoneBelt,
              {[](int, int) { stepStart(-appear().beltStep); },
               [](int, int) { stepStart(appear().beltStep); }, clickZoneBelt,
               [](int, int) { stepEnd(-appear().beltStep); },
               [](int, int) { stepEnd(appear().beltStep); }}),
    valueBoxItem(
        boxAt(4, 228, 40, kZoneGreen), label(AppearLabel::ZoneStart),
        [] { return appear().zoneStart; }, zoneIncl(5, 43, 229, 247), kAppearZoneRangeTopic,
        [](int, int) { selectStart(); },
        [] { return appear().calculatorOn && appear().zoneMode == kEditStart; }),
    textItem(textAt(46, 228, 10), label(AppearLabel::ZoneDash)),
    valueBoxItem(
        boxAt(58, 228, 40, kZoneGreen), label(AppearLabel::ZoneEnd),
        [] { return appear().zoneEnd; }, zoneIncl(59, 97, 229, 247), kAppearZoneRangeTopic,
        [](int, int) { selectEnd(); },
        [] { return appear().calculatorOn && appear().zoneMode == kEditEnd; }),
    diamondPairItems(diamondPairAt(78, 259, kZoneGreen, 255, 273), kAppearGradationTopic,
                     stepDownTo<gradation, 2, 0>, stepUpTo<gradation, 2, 8>),
    buttonItem(boxAt(4, 254, 40, kWhite), label(AppearLabel::Gradation), zoneIncl(5, 97, 255, 273),
               kAppearGradationTopic),
    valueBoxItem(
        boxAt(50, 254, 22, kZoneGreen), label(AppearLabel::GradationValue),
        [] { return appear().gradation; }, kNoHit),
    buttonItem(boxAt(4, 280, 94, kWhite), label(AppearLabel::AllAppearHeading),
               zoneIncl(5, 97, 275, 299), kAppearRealAppearTopic),
    buttonItem(
        boxAt(4, 300, 94, Rgb{255, 180, 180}), label(AppearLabel::RealAppear),
        zoneIncl(5, 97, 301, 319), kAppearRealAppearTopic,
        [](int, int) {
          appear().displayMode = kRealAppear;
          setCalculator(false);
        },
        [] { return appear().displayMode == kRealAppear; }),
    buttonItem(boxAt(2, 326, 96, Rgb{220, 200, 200}), label(AppearLabel::MouseMove),
               zoneIncl(3, 97, 327, 345), kAppearMouseMoveTopic, toggleMouseMove,
               [] { return appear().moveOn != 0; }),
    buttonItem(smallFont(boxAt(0, 350, 94, kWhite)), label(AppearLabel::DragHint),
               zoneIncl(5, 97, 347, 358), kAppearMouseMoveTopic),
    diamondPairItems(diamondPairAt(78, 396, kFineColour, 392, 410), kAppearFineMoveTopic,
                     stepDownTo<fineStep, 1, 1>, stepUpTo<fineStep, 1, 99>),
    arrow(0, AppearLabel::ArrowLeft, [](int, int) { fineMove(1, 0); }),
    arrow(1, AppearLabel::ArrowUp, [](int, int) { fineMove(0, -1); }),
    arrow(2, AppearLabel::ArrowDown, [](int, int) { fineMove(0, 1); }),
    arrow(3, AppearLabel::ArrowRight, [](int, int) { fineMove(-1, 0); }),
    buttonItem(textAt(2, 365, 36), label(AppearLabel::Fine), zoneIncl(5, 97, 366, 436),
               kAppearFineMoveTopic),
    textItem(textAt(2, 391, 36), label(AppearLabel::FinePixel)),
    valueBoxItem(
        boxAt(40, 391, 32, kFineColour), label(AppearLabel::FineStepValue),
        [] { return appear().fineStep; }, kNoHit),
    buttonItem(boxAt(4, 444, 94, Rgb{0, 220, 220}), label(AppearLabel::Keep8),
               zoneIncl(5, 97, 445, 463), kAppearKeepTopic, [](int, int) { ws().keepRequest = 1; }),
    buttonItem(boxAt(4, 470, 94, Rgb{200, 200, 100}), label(AppearLabel::OuterFileHeading),
               zoneIncl(5, 97, 465, 489), kAppearSaveTopic),
    buttonItem(boxAt(4, 490, 94, Rgb{200, 200, 100}), label(AppearLabel::SaveImage),
               zoneIncl(5, 97, 491, 509), kAppearSaveTopic,
               [](int, int) { ws().saveAsRequest = 1; }),
    // The pad takes every press in its rectangle, between its keys too.
    keyPadItem<kPad, isCalculatorOn>(
        pressKeyPad, zoneExcl(8, 92, kPad.top, kPad.top + kPad.firstRow + 4 * kPad.pitch + 20)),
    padEntryItem<kPad>(),
    buttonItem(boxAt(0, 660, 96, kWhite), label(AppearLabel::WholeViewHeading),
               zoneIncl(5, 91, 661, 679), kAppearWholeViewTopic),
    buttonItem(
        boxAt(4, 680, 88, kWholeViewColour), label(AppearLabel::WholeViewCanvas),
        zoneIncl(5, 91, 681, 699), kAppearWholeViewTopic, [](int, int) { ws().wholeViewMode = 2; },
        [] { return ws().wholeViewMode == 2; }),
    buttonItem(boxAt(4, 706, 88, kWholeViewColour), label(AppearLabel::WholeViewBack),
               zoneIncl(5, 91, 707, 725), 0, [](int, int) { ws().wholeViewMode = 0; }));

// ---- input in the image area ---------------------------------------------------------------

// In real appear a left press in the image area starts a drag of the transfer image; the release
// sets the pending drag, which the next paint adds to the offset.
bool press(int x, int y) {
  AppearPageState& a = appear();
  if (pressPanel(kPanel, x, y, a.helpTopic)) return true;
  if (a.displayMode == kRealAppear && insideImageArea(x, y)) {
    a.moveOn = 1;
    a.moveRequest = kApplyDrag;
    a.dragActive = 1;
    a.dragStartX = x - kAreaLeft;
    a.dragStartY = y - kAreaTop;
    return true;
  }
  return false;
}

void leftRelease(int x, int y) {
  AppearPageState& a = appear();
  if (!a.dragActive) return;
  a.dragActive = 0;
  const Size view = ws().viewSize;
  const int endX = std::clamp(x, kAreaLeft + 1, kAreaLeft + view.width - 1) - kAreaLeft;
  const int endY = std::clamp(y, kAreaTop + 1, kAreaTop + view.height - 1) - kAreaTop;
  a.pendingDx = a.dragStartX - endX;
  a.pendingDy = endY - a.dragStartY;
  a.moveRequest = kApplyDrag;
}

// ---- the paint -----------------------------------------------------------------------------

int32_t* calculatorTarget() {
  AppearPageState& a = appear();
  if (!a.calculatorOn) return nullptr;
  if (a.zoneMode == kEditStart) return &a.zoneStart;
  if (a.zoneMode == kEditEnd) return &a.zoneEnd;
  return nullptr;
}

void validateZoneRange() {
  AppearPageState& a = appear();
  a.zoneStart = std::clamp(a.zoneStart, 0, 255);
  a.zoneEnd = std::clamp(a.zoneEnd, 0, 255);
  if (a.zoneMode == kEditEnd && a.zoneEnd < a.zoneStart) a.zoneEnd = a.zoneStart;
  if (a.zoneMode == kEditStart && a.zoneStart > a.zoneEnd) a.zoneStart = a.zoneEnd;
}

// The picture the open dialog brought is in the canvas: it becomes the asked working file.
void writePendingFile() {
  Workspace& w = ws();
  AppearPageState& a = w.appear;
  if (a.pendingFile == kBackFile) {
    writeWorkingFile(kBackFile, canvasTarget());
    w.backImageSize = w.imageSize;
  } else if (a.pendingFile == kTransferFile) {
    writeWorkingFile(kTransferFile, canvasTarget());
  }
  a.pendingFile = 0;
}

// Restore and Call read slot 8 into the planes; they then become the back image.
void restoreOrCall() {
  const Workspace& w = ws();
  const bool reload = w.restoreRequest == 1 || w.callSlot == kTab;
  restoreOrCallStep(kTab);
  if (!reload) return;
  writeWorkingFile(kBackFile, planesTarget());
  appear().displayMode = kShowBack;
}

// The transfer image as read from its file and as moved, at the work size.
struct WorkingPictures {
  std::vector<uint8_t> transfer, moved;
};

// A failed read of either picture is followed by a copy over the whole of it.
PixelTarget pixelTarget(const PixelView& picture) {
  PixelTarget t;
  t.form = PixelForm::Pixels;
  t.pixels = picture.bytes;
  t.rowLength = picture.width;
  t.scratch = true;
  return t;
}

// Real appear: the transfer image, moved by the offset while move is on, composed over the back
// image through the pass zone; the composition ends in the canvas and the planes. Each working
// file is read as the planes would take it: a read that fails leaves what the planes held, the
// planes' own picture for the transfer image and the transfer image for the back image. The back
// image is read into the canvas itself, where the compose turns it into the composition.
void realAppear() {
  AppearPageState& a = appear();
  const PixelView canvas = workCanvas();
  const size_t bytes = static_cast<size_t>(canvas.width) * canvas.height * 3;
  static WorkingPictures pictures;
  pictures.transfer.resize(bytes);
  const PixelView transfer{pictures.transfer.data(), canvas.width, canvas.height};

  if (!readWorkingFile(kTransferFile, pixelTarget(transfer))) {
    copyPlanesToPixels(workPlanes(), transfer);
  }
  PixelView shown = transfer;
  if (a.moveOn) {
    if (a.moveRequest == kApplyDrag) {
      a.offsetX += a.pendingDx;
      a.offsetY += a.pendingDy;
      a.pendingDx = a.pendingDy = 0;
      a.moveRequest = 0;
    }
    pictures.moved.resize(bytes);
    shown = PixelView{pictures.moved.data(), canvas.width, canvas.height};
    moveTransferImage(transfer, shown, a.offsetX, a.offsetY);
  }
  if (!readWorkingFile(kBackFile, pixelTarget(canvas))) {
    std::memcpy(canvas.bytes, transfer.bytes, bytes);
  }
  const PassZone zone{a.zoneMode, a.zoneCondition, a.zoneStart, a.zoneEnd};
  composeThroughPassZone(shown, canvas, zone, a.gradation);
  canvasToPlanes();
}

void showWorkingImages() {
  switch (appear().displayMode) {
    case kShowBack:
      readWorkingFile(kBackFile, canvasTarget());
      break;
    case kShowTransfer:
      readWorkingFile(kTransferFile, canvasTarget());
      break;
    case kRealAppear:
      realAppear();
      break;
    default:
      break;
  }
}

void saveStep() {
  Workspace& w = ws();
  if (!w.saveAsRequest) return;
  canvasToPlanes();
  w.saveAsRequest = 0;
  runSaveAsDialog(kAppearSaveDialogTitle);
}

// The main, restore and calculator comments end what the page showed (display mode 0); while no
// topic is asked for, the back and transfer images show their own topics.
void commentsStep(Surface& s) {
  Workspace& w = ws();
  AppearPageState& a = w.appear;
  const bool pageComment = w.pageComment == kTab || w.pageComment == kRestoreComment ||
                           w.pageComment == kCalculatorComment;
  if (!pageComment && a.helpTopic == 0) {
    if (a.displayMode == kShowBack) a.helpTopic = kAppearBackImageTopic;
    if (a.displayMode == kShowTransfer) a.helpTopic = kAppearTransferImageTopic;
  }
  commentStep(s, kTab, a.helpTopic);
  if (pageComment) a.displayMode = kShowPlanes;
}

void paint(Surface& s) {
  Workspace& w = ws();
  writePendingFile();
  restoreOrCall();
  // Real appear writes every canvas pixel itself.
  if (w.appear.displayMode != kRealAppear) planesToCanvas();
  if (runCalculator(calculatorTarget())) validateZoneRange();
  drawPanel(s, kPanel);
  showWorkingImages();
  showCanvas(s, w.wholeViewMode == 2 ? 2 : 0);
  keepStep(kTab);
  saveStep();
  drawTabBar(s);
  commentsStep(s);
}

}  // namespace

const PageBlock kAppearPage{.defaults = defaults,
                            .enter = enter,
                            .press = press,
                            .leftRelease = leftRelease,
                            .paint = paint};

}  // namespace zc
