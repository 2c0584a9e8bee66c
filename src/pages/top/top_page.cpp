#include "pages/top/top_page.h"

#include "core/workspace.h"
#include "text/top_texts.h"
#include "ui/controls.h"
#include "ui/page_contract.h"
#include "ui/panel.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageTop);
constexpr Rgb kCanvasColour{180, 180, 40};
constexpr Rgb kLanguageColour{255, 192, 128};
constexpr Rgb kResetTextColour{16, 32, 96};
constexpr Rgb kFitColour{120, 180, 240};

// The panel is drawn in two steps: its items before the picture is shown, the reset mark's text
// and the legend of the comment notation after the tab bar.
constexpr uint8_t kItemStage = 0;
constexpr uint8_t kLegendStage = 1;

// Items stand at x = 4 and are 88 wide.
LabelButton item(int y, Rgb frame, ButtonLook look = ButtonLook::Raised) {
  return makeButton(4, y, 88, frame, look);
}
LabelButton heading(int y) {
  return item(y, kWhite, ButtonLook::Plain);
}
// The canvas sizes that cannot be chosen.
LabelButton greyedSize(int y) {
  LabelButton b = item(y, kGreyedText);
  b.greyed = true;
  return b;
}
LabelButton at(int x, int y, int width, ButtonLook look, Rgb text = kLabelText) {
  LabelButton b = makeButton(x, y, width, kWhite, look);
  b.textColour = text;
  return b;
}
// The note-code legend's lines, alternately red and blue, at x = 0, drawn after the tab bar.
PanelItem legendItem(int i) {
  return PanelItem{.box = at(0, 594 + 18 * i, 88, ButtonLook::Plain,
                             i % 2 == 0 ? Rgb{200, 100, 100} : Rgb{100, 100, 200}),
                   .label = labelOf(static_cast<TopLabel>(static_cast<int>(TopLabel::Legend0) + i)),
                   .zone = kNoHit,
                   .stage = kLegendStage};
}
// Every press of the panel lies in the column x 5 .. 91.
constexpr HitZone rows(int y0, int y1) {
  return zoneIncl(5, 91, y0, y1);
}

void drawResetMarkItem(Surface& s, const PanelItem&) {
  drawResetMark(s, 10, 46, 0);
}

// The reset mark: the view goes back to the picture's top-left and the picture counts as new.
void resetView(int, int) {
  Workspace& w = ws();
  w.newImageFlag = 1;
  w.scrollX.position = w.scrollY.position = 0;
  w.scrollX.pixelShift = w.scrollY.pixelShift = 0;
}

void chooseCanvas1200(int, int) {
  Workspace& w = ws();
  w.canvasChoice = 2;
  w.canvasSize = Size{1200, 800};
  w.getImageRequest = 1;
  topPageDefaults();
}

// The panel in the order of the page's click table.
const PanelItem kPanel[] = {
    {.box = item(4, kWhite),
     .label = labelOf(TopLabel::Heading),
     .zone = rows(1, 23),
     .action = [](int, int) { ws().pageComment = kTab; }},
    {.box = at(4, 30, 88, ButtonLook::Plain, kResetTextColour),
     .label = labelOf(TopLabel::ResetMarkText),
     .zone = rows(31, 45),
     .topic = kTopResetTopic,
     .stage = kLegendStage},
    {.kind = ItemKind::Custom,
     .draw = drawResetMarkItem,
     .zone = rows(47, 75),
     .topic = kTopResetTopic,
     .action = resetView},
    {.box = heading(89), .label = labelOf(TopLabel::Canvas), .topic = kTopCanvasTopic},
    {.box = greyedSize(109), .label = labelOf(TopLabel::Canvas960), .topic = kTopCanvasTopic},
    resetItem({.box = item(135, kCanvasColour),
               .label = labelOf(TopLabel::Canvas1200),
               .on = [] { return ws().canvasChoice == 2; },
               .topic = kTopCanvasTopic,
               .action = chooseCanvas1200}),
    {.box = greyedSize(161), .label = labelOf(TopLabel::Canvas1440), .topic = kTopCanvasTopic},
    {.box = greyedSize(187), .label = labelOf(TopLabel::Canvas1680), .topic = kTopCanvasTopic},
    {.box = heading(226), .label = labelOf(TopLabel::GetImageHeading), .topic = kTopGetImageTopic},
    {.box = item(246, kGetImageButtonFrame),
     .label = labelOf(TopLabel::GetImage),
     .action =
         [](int, int) {
           ws().getImageRequest = 1;
           topPageDefaults();
         }},
    {.box = heading(285), .label = labelOf(TopLabel::KeepHeading), .topic = kTopKeepTopic},
    {.box = item(305, kKeepButtonFrame),
     .label = labelOf(TopLabel::SaveKeep0),
     .topic = kTopKeepTopic,
     .action = [](int, int) { ws().keepRequest = 1; }},
    {.box = heading(344), .label = labelOf(TopLabel::LanguageHeading), .topic = kTopLanguageTopic},
    {.box = item(364, kLanguageColour),
     .label = labelOf(TopLabel::LanguageSwitch),
     .topic = kTopLanguageTopic,
     .action = [](int, int) { ws().language = ws().language == 1 ? 2 : 1; }},
    {.box = at(0, 403, 96, ButtonLook::Raised),
     .label = labelOf(TopLabel::WholeViewHeading),
     .zone = rows(404, 422),
     .topic = kTopWholeViewTopic},
    wholeViewItem(1, 423, label(TopLabel::WholeViewImage), kTopWholeViewTopic),
    wholeViewItem(2, 423, label(TopLabel::WholeViewCanvas), kTopWholeViewTopic),
    wholeViewItem(0, 423, label(TopLabel::WholeViewBack), kTopWholeViewTopic),
    {.box = item(520, kFitColour),
     .label = labelOf(TopLabel::Fit),
     .on = [] { return ws().top.fitToCanvas != 0; },
     .topic = kTopFitTopic,
     .action = [](int, int) { ws().top.fitToCanvas = ws().top.fitToCanvas ? 0 : 1; }},
    {.box = at(0, 574, 98, ButtonLook::Plain),
     .label = labelOf(TopLabel::NoteCode),
     .zone = kNoHit},
    legendItem(0),
    legendItem(1),
    legendItem(2),
    legendItem(3),
    legendItem(4),
    legendItem(5),
};

bool press(int x, int y) {
  return pressPanel(kPanel, x, y, ws().top.helpTopic);
}

void paint(Surface& s) {
  Workspace& w = ws();
  drawPanelStage(s, kPanel, kItemStage);
  restoreOrCallStep(kTab);
  // The planes go into the canvas and come back from it unchanged (showing reads the canvas
  // only), so one pass makes both copies.
  planesToCanvasAndBack();
  showCanvas(s, w.wholeViewMode);
  keepStep(kTab);
  saveStep();
  drawTabBar(s);
  drawPanelStage(s, kPanel, kLegendStage);
  commentStep(s, kTab, w.top.helpTopic);
}

}  // namespace

void topPageDefaults() {
  Workspace& w = ws();
  w.pageId = kPageTop;
  w.newImageFlag = 1;
  w.keepZeroState = 0;
  w.wholeViewMode = 0;
  w.scrollX.position = w.scrollY.position = 0;
  w.scrollX.pixelShift = w.scrollY.pixelShift = 0;
  w.top.helpTopic = 0;
  w.pageComment = kTab;
}

const PageBlock kTopPage{.defaults = topPageDefaults, .press = press, .paint = paint};

}  // namespace zc
