#include "pages/top/top_page.h"

#include "core/workspace.h"
#include "text/top_texts.h"
#include "ui/controls.h"
#include "ui/page_contract.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr Rgb kCanvasColour{180, 180, 40};
constexpr Rgb kGetImageColour{80, 160, 240};
constexpr Rgb kKeepColour{0, 220, 220};
constexpr Rgb kLanguageColour{255, 192, 128};
constexpr Rgb kResetTextColour{16, 32, 96};

// Items stand at x = 4 and are 88 wide.
LabelButton item(int y, Rgb frame, ButtonLook look = ButtonLook::Raised, bool greyed = false) {
  LabelButton b = makeButton(4, y, 88, frame, look);
  b.greyed = greyed;
  return b;
}

ButtonLook onWhen(bool on) {
  return on ? ButtonLook::On : ButtonLook::Raised;
}

void drawPanel(Surface& s) {
  const Workspace& w = ws();
  drawButton(s, item(4, kWhite), label(TopLabel::Heading));
  drawResetMark(s, 10, 46, 0);
  drawButton(s, item(89, kWhite, ButtonLook::Plain), label(TopLabel::Canvas));
  drawButton(s, item(109, kGreyedText, ButtonLook::Raised, true), label(TopLabel::Canvas960));
  drawButton(s, item(135, kCanvasColour, onWhen(w.canvasChoice == 2)), label(TopLabel::Canvas1200));
  drawButton(s, item(161, kGreyedText, ButtonLook::Raised, true), label(TopLabel::Canvas1440));
  drawButton(s, item(187, kGreyedText, ButtonLook::Raised, true), label(TopLabel::Canvas1680));
  drawButton(s, item(226, kWhite, ButtonLook::Plain), label(TopLabel::GetImageHeading));
  drawButton(s, item(246, kGetImageColour), label(TopLabel::GetImage));
  drawButton(s, item(285, kWhite, ButtonLook::Plain), label(TopLabel::KeepHeading));
  drawButton(s, item(305, kKeepColour), label(TopLabel::SaveKeep0));
  drawButton(s, item(344, kWhite, ButtonLook::Plain), label(TopLabel::LanguageHeading));
  drawButton(s, item(364, kLanguageColour), label(TopLabel::LanguageSwitch));
  LabelButton heading = item(403, kWhite);
  heading.x = 0;
  heading.width = 96;
  drawButton(s, heading, label(TopLabel::WholeViewHeading));
  drawWholeViewButtons(s, 423,
                       {label(TopLabel::WholeViewImage), label(TopLabel::WholeViewCanvas),
                        label(TopLabel::WholeViewBack)});
  LabelButton noteCode = item(574, kWhite, ButtonLook::Plain);
  noteCode.x = 0;
  noteCode.width = 98;
  drawButton(s, noteCode, label(TopLabel::NoteCode));
}

// The "reset mark" text and the legend of the comment notation, drawn after the tab bar.
void drawLegend(Surface& s) {
  LabelButton resetText = item(30, kWhite, ButtonLook::Plain);
  resetText.textColour = kResetTextColour;
  drawButton(s, resetText, label(TopLabel::ResetMarkText));
  static constexpr TopLabel kLegend[6] = {TopLabel::Legend0, TopLabel::Legend1, TopLabel::Legend2,
                                          TopLabel::Legend3, TopLabel::Legend4, TopLabel::Legend5};
  for (int i = 0; i < 6; ++i) {
    LabelButton line = item(594 + 18 * i, kWhite, ButtonLook::Plain);
    line.x = 0;  // the text stands at x + 2 = 2
    line.textColour = (i % 2 == 0) ? Rgb{200, 100, 100} : Rgb{100, 100, 200};
    drawButton(s, line, label(kLegend[i]));
  }
}

bool press(int x, int y) {
  Workspace& w = ws();
  if (!(x > 4 && x < 92)) return false;
  int32_t& topic = w.top.helpTopic;
  if (y > 0 && y < 24) {
    w.pageComment = 0;
  } else if (y > 30 && y < 46) {
    topic = kTopResetTopic;
  } else if (y > 46 && y < 76) {
    w.newImageFlag = 1;
    topic = kTopResetTopic;
    w.scrollX.position = w.scrollY.position = 0;
    w.scrollX.pixelShift = w.scrollY.pixelShift = 0;
  } else if ((y > 89 && y < 109) || (y > 109 && y < 129) || (y > 161 && y < 181) ||
             (y > 187 && y < 207)) {
    topic = kTopCanvasTopic;
  } else if (y > 135 && y < 155) {
    w.canvasChoice = 2;
    w.canvasSize = Size{1200, 800};
    w.getImageRequest = 1;
    topPageDefaults();
    topic = kTopCanvasTopic;
  } else if (y > 226 && y < 246) {
    topic = kTopGetImageTopic;
  } else if (y > 246 && y < 266) {
    w.getImageRequest = 1;
    topPageDefaults();
  } else if (y > 285 && y < 305) {
    topic = kTopKeepTopic;
  } else if (y > 305 && y < 325) {
    w.keepRequest = 1;
    topic = kTopKeepTopic;
  } else if (y > 344 && y < 364) {
    topic = kTopLanguageTopic;
  } else if (y > 364 && y < 384) {
    w.language = w.language == 1 ? 2 : 1;
    topic = kTopLanguageTopic;
  } else if (y > 403 && y < 423) {
    topic = kTopWholeViewTopic;
  } else if (pressWholeViewButtons(x, y, 423, topic, kTopWholeViewTopic)) {
  } else {
    return false;
  }
  return true;
}

void paint(Surface& s) {
  Workspace& w = ws();
  drawPanel(s);
  restoreOrCallStep(0);
  planesToCanvas();
  showCanvas(s, w.wholeViewMode);
  canvasToPlanes();
  keepStep(0);
  saveStep();
  drawTabBar(s);
  drawLegend(s);
  commentStep(s, 0, w.top.helpTopic);
}

}  // namespace

void topPageDefaults() {
  Workspace& w = ws();
  w.pageId = kPageTop;
  w.newImageFlag = 1;
  w.keepZeroState = 0;
  w.wholeViewMode = 0;
  w.scrollX.position = w.scrollY.position = 0;
  w.scrollX.positionCopy = w.scrollY.positionCopy = 0.0;
  w.scrollX.pixelShift = w.scrollY.pixelShift = 0;
  w.top.helpTopic = 0;
  w.pageComment = 0;
}

const PageBlock kTopPage{.defaults = topPageDefaults, .press = press, .paint = paint};

}  // namespace zc
