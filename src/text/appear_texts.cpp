#include "text/appear_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kAppearLabels[] = {
    {"[ 出現 ]", "[APPEAR]"},              // Heading
    {"A 画像呼出", "get image"},           // GetImageHeading
    {"1)背景画像", "1)back image"},        // BackImage
    {"2)転送画像", "2)trfr image"},        // TransferImage
    {"B 透過窓", "pass zone"},             // PassZoneHeading
    {"真黒", "Black"},                     // Black
    {"真白", "White"},                     // White
    {"３色", "3C"},                        // Condition1
    {"濃淡", "gray"},                      // Condition2
    {"赤", "red"},                         // Condition3
    {"緑", "green"},                       // Condition4
    {"青", "blue"},                        // Condition5
    {"シアン", "cyan"},                    // Condition6
    {"マゼンタ", "magenta"},               // Condition7
    {"イエロー", "yellow"},                // Condition8
    {"%3d", "[%3d"},                       // ZoneStart
    {"-", "-"},                            // ZoneDash
    {"%3d", "%3d]"},                       // ZoneEnd
    {"幽値", "grad"},                      // Gradation
    {"%2d", "%2d"},                        // GradationValue
    {"C 出現", "all appear"},              // AllAppearHeading
    {"3)実体化", "3)real appear"},         // RealAppear
    {"マウス移動", "mouse move"},          // MouseMove
    {"L click + drag", "L click + drag"},  // DragHint
    {"微動", "fine"},                      // Fine
    {"　幅", "pixel"},                     // FinePixel
    {"%3d", "%3d"},                        // FineStepValue
    {"←", "←"},                            // ArrowLeft
    {"↑", "↑"},                            // ArrowUp
    {"↓", "↓"},                            // ArrowDown
    {"→", "→"},                            // ArrowRight
    {"4決定KEEP8", "4)KEEP8"},             // Keep8
    {"D 外部保存", "outer file"},          // OuterFileHeading
    {"5)決定保存", "5)save image"},        // SaveImage
    {"全体視(鳥瞰)", "whole view"},        // WholeViewHeading
    {"キャンパス", "canvas"},              // WholeViewCanvas
    {"全体視終了", "back"},                // WholeViewBack
};
static_assert(std::size(kAppearLabels) == static_cast<std::size_t>(AppearLabel::Count));

// The back-image and transfer-image topics are the comments that the page shows by its
// step while no other topic is asked for.
constexpr TopicComment kAppearTopics[] = {
    {kAppearResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 全て初期値 (+) KEEP8画像を背景画像に;",
       "水色のマーク [→] マウス移動を解除; 次の操作まで表示なし;"},
      {ZC_RESET_EN, "dark blue mark [→] all default (+) KEEP8 image as back image;",
       "light blue mark [→] mouse move off; nothing shown until the next step;"}}},
    {kAppearGetImageTopic,
     {kOperation,
      {"A 画像呼出 [→] 1)背景画像 (+) 2)転送画像 を外部ファイルから;"},
      {"get image [→] 1)back image (+) 2)trfr image from outer files;"}}},
    {kAppearBackImageTopic,
     {kView,
      {"背景画像 [<>] 転送画像の後ろの画像 (0000back.bmp);",
       "2)転送画像 [→] 次に転送画像を呼び出す;"},
      {"back image [<>] image behind the transfer image (0000back.bmp);",
       "2)trfr image [→] call the transfer image next;"}}},
    {kAppearTransferImageTopic,
     {kView,
      {"転送画像 [<>] 背景画像の上の画像 (0000trfr.bmp);",
       "1)背景画像 [→] 背景画像を呼び出す; 3)実体化 [→] 合成;"},
      {"trfr image [<>] transfer image over the back image (0000trfr.bmp);",
       "1)back image [→] call the back image; 3)real appear [→] compose;"}}},
    {kAppearPassZoneTopic,
     {kInfo,
      {"透過窓 [<>] 背景画像が見える転送画像の画素;"},
      {"pass zone [<>] pixels of the trfr image through which the back image shows;"}}},
    {kAppearBlackTopic,
     {kColour,
      {"真黒 [<>] 完全な黒 (0,0,0) を透過窓にする;"},
      {"Black [<>] perfect black (0,0,0) as pass zone;"}}},
    {kAppearWhiteTopic,
     {kColour,
      {"真白 [<>] 完全な白 (255,255,255) を透過窓にする; 標準;"},
      {"White [<>] perfect white (255,255,255) as pass zone; standard;"}}},
    {kAppearZoneFlagTopic,
     {kInfo,
      {"旗 [<>] 透過窓の色条件; 濃淡, ３色, 赤, 緑, 青 など;"},
      {"flag [<>] color condition of pass zone; gray, 3C, red, green, blue etc.;"}}},
    {kAppearZoneRangeTopic,
     {kValue,
      {"[f - t] [<>] 透過窓の始まりと終わり, 0～255;",
       "帯 (+) 菱形スイッチ (+) 電卓 [→] f または t を変える;"},
      {"[f - t] [<>] start and end of the pass zone, 0～255;",
       "belt (+) diamond switch (+) cal [→] change f or t;"}}},
    {kAppearGradationTopic,
     {kValue,
      {"幽値 [<>] 透過窓の境のぼかし; 0～8;"},
      {"grad [<>] gradation at the border of pass zone; 0～8;"}}},
    {kAppearRealAppearTopic,
     {kOperation,
      {"3)実体化 [→] 透過窓を通して背景画像が現れる;", "実体化した転送画像は保存するまで動かせる;"},
      {"3)real appear [→] back image appears through the pass zone;",
       "real appeared transfer(trfr) image can move until it is saved;"}}},
    {kAppearMouseMoveTopic,
     {kOperation,
      {"マウス移動 [→] 画像で L click + drag [→] 転送画像を動かす;"},
      {"mouse move [→] L click + drag on the image [→] move the trfr image;"}}},
    {kAppearFineMoveTopic,
     {kValue,
      {"微動 [<>] ← ↑ ↓ → で少しずつ動かす; 幅 [<>] 動かす幅;"},
      {"fine [<>] fine moving by ← ↑ ↓ →; pixel [<>] step of the move;"}}},
    {kAppearKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("4決定KEEP8", "8")}, {ZC_SET_KEEP_EN("4)KEEP8", "8")}}},
    {kAppearSaveTopic,
     {kKeep,
      {"5)決定保存 [→] 名前をつけて保存する(appear) のダイアログを呼び出す;"},
      {"5)save image [→] call a dialog box of SAVE WITH A NAME(appear);"}}},
    {kAppearWholeViewTopic,
     {kView,
      {ZC_WHOLE_VIEW_JA, "キャンパス [→] キャンパス全体; 全体視終了 [→] 等倍の表示に戻る;"},
      {ZC_WHOLE_VIEW_EN, "canvas [→] whole canvas; back [→] back to the view in pixel size;"}}},
};
static_assert(topicNumbersAscend(kAppearTopics));

}  // namespace

const LabelText kAppearSaveDialogTitle{"名前をつけて保存する(appear)", "SAVE WITH A NAME(appear)"};

const LabelText& label(AppearLabel item) {
  return kAppearLabels[static_cast<int>(item)];
}

const LabelText& zoneConditionLabel(int condition) {
  const int n = (condition >= 1 && condition <= 8) ? condition : 2;
  return kAppearLabels[static_cast<int>(AppearLabel::Condition1) + n - 1];
}

std::span<const TopicComment> appearTopicComments() {
  return kAppearTopics;
}

}  // namespace zc
