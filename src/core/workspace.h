#pragma once
#include <cstdint>

#include "core/channel_stats_state.h"
#include "core/page_ids.h"
#include "core/page_states.h"
#include "core/size.h"
#include "platform/rgb.h"

namespace zc {

// Canvas limits: every store holds the largest canvas and is addressed with the row length of the
// current work width.
constexpr int kMaxCanvasWidth = 1680;
constexpr int kMaxCanvasHeight = 1120;
constexpr int kPlaneCells = kMaxCanvasWidth * kMaxCanvasHeight;  // 1,881,600

// What the comment strip shows at the next paint (Workspace::pageComment): the main comment of
// the page at tab 0 .. 8, or one of these.
enum CommentRequest : int32_t {
  kRestoreComment = 10,     // the Restore tab's comment
  kCalculatorComment = 11,  // the key pad's comment
  kCommentShown = 99,       // nothing new to show
};

// The slot that Call asked for (Workspace::callSlot), or none.
constexpr int32_t kNoSlot = 99;

// The scroll-bar press the next paint carries out (Workspace::scrollCommand).
enum ScrollCommand : int32_t {
  kScrollNone = 0,
  kScrollArrowUp = 1,
  kScrollTrackVertical = 2,
  kScrollArrowDown = 3,
  kScrollArrowLeft = 4,
  kScrollTrackHorizontal = 5,
  kScrollArrowRight = 6,
};

// One axis of the image frame's scroll bars.
struct ScrollAxis {
  int32_t position = 0;  // pixels from the start of the track
  int32_t thumbLength = 0;
  double range = 0.0;
  int32_t pixelShift = 0;  // canvas column (row) shown at the frame's left (top) edge
  int32_t dragActive = 0;
  int32_t dragStart = 0;
  int32_t dragCurrent = 0;
};

struct RubberBandState {
  int32_t active = 0;
  int16_t startX = 0, startY = 0;
  int16_t currentX = 0, currentY = 0;
};

// The shared key pad's state; the page owning the pad decides what its target is.
struct CalculatorState {
  int32_t digitCount = 0;
  int32_t lastDigit = 0;
  int32_t entry = 0;
  int32_t amount = 0;
  int32_t operation = 0;      // 0 none, 1 plus, 2 minus
  int32_t clearKey = 0;       // 0 none, 1 C, 2 AC
  int32_t switchOn = 0;       // the "cal" key
  int32_t enteredDigits = 0;  // digits already taken into the entry
};

// Where a pending open file came from: a start file that does not load is followed by the open
// dialog, a dropped one is refused as a file chosen in the dialog would be.
constexpr int32_t kPendingStartFile = 1;
constexpr int32_t kPendingDroppedFile = 2;

// Every field of the program with its start value. One static instance; resetWorkspace() puts
// every field back.
constexpr int32_t kNoMarkOwner = -1;

struct Workspace {
  int32_t pageId = kPageTop;
  int32_t language = 1;  // 1 Japanese, 2 English
  int32_t pointerX = 0, pointerY = 0;

  int32_t getImageRequest = 1;
  int32_t saveAsRequest = 0;
  int32_t restoreRequest = 0;
  int32_t keepRequest = 0;
  int32_t callSlot = kNoSlot;
  int32_t newImageFlag = 1;
  int32_t keepZeroState = 0;
  int32_t pageComment = tabIndexOf(kPageTop);
  int32_t deleteKeepAnswer = 0;

  Size canvasSize{1440, 960};
  int32_t canvasChoice = 2;
  Size workSize{1440, 960};
  Size imageSize{0, 0};
  Size shownSizeRemembered{2000, 1000};
  Size viewSize{960, 640};
  Size wholeViewSize{960, 640};
  Size backImageSize{1680, 1120};
  int32_t wholeViewMode = 0;

  ScrollAxis scrollX{.thumbLength = 920};
  ScrollAxis scrollY{.thumbLength = 600};
  int32_t scrollCommand = kScrollNone;
  int32_t scrollClickX = 0, scrollClickY = 0;

  RubberBandState rubberBand;
  int32_t brushDragActive = 0;

  char currentImagePath[260] = {};
  char currentImageTitle[260] = {};
  // A file that answers the next open dialog instead of the user: the start argument or a file
  // dropped on the window. Empty when none.
  char pendingOpenFile[4096] = {};
  int32_t pendingOpenKind = 0;  // kPendingStartFile or kPendingDroppedFile
  // How the current picture was got: 1 reduced to fit the canvas, 0 its top-left part kept.
  int32_t pictureFit = 0;
  Size pictureFullSize{0, 0};  // the picture's own size, the right way up
  int32_t partShownNote = 0;   // 1: the next paint says that only the top-left part is shown

  CalculatorState calculator;
  ChannelStatsState channelStats;
  ZindleEyeRequestState zindleEyeRequest;
  int32_t colorCondition = 2;     // 1 all three colours, 2 grey, 3 red, 4 green, 5 blue
  int32_t outlineColorIndex = 0;  // 0 .. 5, cycled by the pages' outline colour buttons
  Rgb outlineRgb{0, 0, 0};
  int32_t zoneColor = 255;  // the grey level painted on zone pixels
  // The page whose marks the mark plane holds (brush strokes, a pattern mask, polygon sides), or
  // kNoMarkOwner: a page never reads marks that another page left.
  int32_t markPlaneOwner = kNoMarkOwner;

  TopPageState top;
  FilterPageState filter;
  SwapPageState swap;
  ZindleEyePageState zindleEye;
  ChangePageState change;
  OutlinePageState outline;
  PatternPageState pattern;
  TransferPageState transfer;
  AppearPageState appear;
};

// The image stores: three colour planes and the mark plane, then the canvas buffer.
struct ImageStores {
  int32_t planes[4][kPlaneCells];   // blue, green, red, marks
  uint8_t canvas[kPlaneCells * 3];  // the paint's back buffer, blue green red, bottom-up
};

Workspace& ws();
ImageStores& stores();
void resetWorkspace();

// An input that raises the open dialog first remembers the Workspace as it stood before the input;
// a dialog that is cancelled (or whose choice cannot be read) puts it back, so the slots, working
// files and page state stay as they were. Only the record is remembered: no input that raises the
// dialog touches the image stores. resetWorkspace forgets it.
void rememberBeforeOpen(const Workspace& before);
// Puts the remembered record back and forgets it; false when nothing was remembered.
bool restoreBeforeOpen();
// Forgets the remembered record (the dialog was confirmed).
void forgetBeforeOpen();

inline int32_t* plane(int k) {
  return stores().planes[k];
}
inline uint8_t* canvasBuffer() {
  return stores().canvas;
}

// Sets every cell of the mark plane to 0, over the whole allocated size; no page owns it then.
void clearMarkPlane();
// Records that a page has written its marks into the mark plane.
inline void claimMarkPlane(int32_t pageId) {
  ws().markPlaneOwner = pageId;
}
// The outline colour of an outline colour index: black, white, cyan, grey 128, blue, red.
Rgb outlineColorOf(int index);

inline bool english() {
  return ws().language == 2;
}
// Picks the text of the current language.
inline const char* tr(const char* japanese, const char* english_) {
  return english() ? english_ : japanese;
}

}  // namespace zc
