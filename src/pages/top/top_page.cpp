#include "pages/top/top_page.h"

#include "core/workspace.h"
#include "text/top_texts.h"
#include "ui/controls.h"
#include "ui/page_contract.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
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
constexpr LabelButton item(int y, Rgb frame) {
  return boxAt(4, y, 88, frame);
}
constexpr LabelButton heading(int y) {
  return textAt(4, y, 88);
}
// The canvas sizes that cannot be chosen.
constexpr LabelButton greyedSize(int y) {
  return greyed(item(y, kGreyedText));
}
// The note-code legend's lines, alternately red and blue, at x = 0, drawn after the tab bar.
PanelItem legendItem(int i) {
  return inStage(
      kLegendStage,
      textItem(textAt(0, 594 + 18 * i, 88, i % 2 == 0 ? Rgb{200, 100, 100} : Rgb{100, 100, 200}),
               label(static_cast<TopLabel>(static_cast<int>(TopLabel::Legend0) + i))));
}
// Every press of the panel lies in the column x 5 .. 91.
constexpr HitZone rows(int y0, int y1) {
  return zoneIncl(5, 91, y0, y1);
}

constexpr ResetMarks kResetMark{.y = 46, .darkX = 10, .darkColour = 0, .darkZone = rows(47, 75)};

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
    buttonItem(item(4, kWhite), label(TopLabel::Heading), rows(1, 23), 0,
               [](int, int) { ws().pageComment = kTab; }),
    inStage(kLegendStage, buttonItem(textAt(4, 30, 88, kResetTextColour),
                                     label(TopLabel::ResetMarkText), rows(31, 45), kTopResetTopic)),
    darkResetMark<kResetMark>(kTopResetTopic, resetView),
    buttonItem(heading(89), label(TopLabel::Canvas), kBoxInside, kTopCanvasTopic),
    buttonItem(greyedSize(109), label(TopLabel::Canvas960), kBoxInside, kTopCanvasTopic),
    resetItem(buttonItem(item(135, kCanvasColour), label(TopLabel::Canvas1200), kBoxInside,
                         kTopCanvasTopic, chooseCanvas1200, [] { return ws().canvasChoice == 2; })),
    buttonItem(greyedSize(161), label(TopLabel::Canvas1440), kBoxInside, kTopCanvasTopic),
    buttonItem(greyedSize(187), label(TopLabel::Canvas1680), kBoxInside, kTopCanvasTopic),
    buttonItem(heading(226), label(TopLabel::GetImageHeading), kBoxInside, kTopGetImageTopic),
    buttonItem(item(246, kGetImageButtonFrame), label(TopLabel::GetImage), kBoxInside, 0,
               [](int, int) {
                 ws().getImageRequest = 1;
                 topPageDefaults();
               }),
    buttonItem(heading(285), label(TopLabel::KeepHeading), kBoxInside, kTopKeepTopic),
    buttonItem(item(305, kKeepButtonFrame), label(TopLabel::SaveKeep0), kBoxInside, kTopKeepTopic,
               [](int, int) { ws().keepRequest = 1; }),
    buttonItem(heading(344), label(TopLabel::LanguageHeading), kBoxInside, kTopLanguageTopic),
    buttonItem(item(364, kLanguageColour), label(TopLabel::LanguageSwitch), kBoxInside,
               kTopLanguageTopic, [](int, int) { ws().language = ws().language == 1 ? 2 : 1; }),
    buttonItem(boxAt(0, 403, 96, kWhite), label(TopLabel::WholeViewHeading), rows(404, 422),
               kTopWholeViewTopic),
    wholeViewItem(1, 423, label(TopLabel::WholeViewImage), kTopWholeViewTopic),
    wholeViewItem(2, 423, label(TopLabel::WholeViewCanvas), kTopWholeViewTopic),
    wholeViewItem(0, 423, label(TopLabel::WholeViewBack), kTopWholeViewTopic),
    buttonItem(
        item(520, kFitColour), label(TopLabel::Fit), kBoxInside, kTopFitTopic,
        [](int, int) { ws().top.fitToCanvas = ws().top.fitToCanvas ? 0 : 1; },
        [] { return ws().top.fitToCanvas != 0; }),
    textItem(textAt(0, 574, 98), label(TopLabel::NoteCode)),
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
