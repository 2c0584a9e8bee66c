#include "text/filter_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kFilterLabels[] = {
    {"[フィルタ]", "[FILTER]"},           // Heading
    {"画像呼出", "get image"},            // GetImage
    {"光　核", "light core"},             // LightCoreHeading
    {">|<", ">|<"},                       // SpectrumCore
    {"%3d", "%3d"},                       // FValue
    {"～", "～"},                         // Separator
    {"%3d", "%3d"},                       // TValue
    {"　実　行", "　action"},             // LightCoreAction
    {"色の強弱", "color power"},          // ColorPowerHeading
    {"%4d", "%4d"},                       // ColorPowerValue
    {"1", "1"},                           // PowerScale1
    {"50", "50"},                         // PowerScale50
    {"100", "100"},                       // PowerScale100
    {"100", "100"},                       // PowerScaleLower100
    {"500", "500"},                       // PowerScale500
    {"1000", "1000"},                     // PowerScale1000
    {"各色の強弱", "each power"},         // EachPowerHeading
    {"　実　行", "  action"},             // ColorPowerAction
    {"色バランス回復", "color balance"},  // ColorBalanceHeading
    {"ピーチ", " peach"},                 // Peach
    {"ベリー", " berry"},                 // Berry
    {"決定 KEEP1", "set KEEP1"},          // SetKeep1
    {"電卓", "cal"},                      // Cal
    {"ＡＣ", "ＡＣ"},                     // AllClear
    {"０", "０"},                         // Digit0
    {"１", "１"},                         // Digit1
    {"２", "２"},                         // Digit2
    {"３", "３"},                         // Digit3
    {"４", "４"},                         // Digit4
    {"５", "５"},                         // Digit5
    {"６", "６"},                         // Digit6
    {"７", "７"},                         // Digit7
    {"８", "８"},                         // Digit8
    {"９", "９"},                         // Digit9
    {"    ", "    "},                     // TypedNumber
    {" ＋", " ＋"},                       // Plus
    {" －", " －"},                       // Minus
    {"Ｃ", "Ｃ"},                         // Clear
    {"飛値", "step"},                     // StepHeading
    {" %2d", " %2d"},                     // StepValue
};
static_assert(std::size(kFilterLabels) == static_cast<std::size_t>(FilterLabel::Count));
static_assert(std::size(kFilterLabels) == static_cast<std::size_t>(FilterLabel::Count));

constexpr TopicComment kFilterTopics[] = {
    {kFilterLightCoreTopic,
     {kOperation,
      {"光核 [<>] 色の値 0～255---範囲>開始(f)～終了(t)---表示>;",
       "0～t(0近く) [<>] 暗核; f(255近く)～255 [<>] 光核;",
       ">|< [→] スペクトル核; 終了(t) = 開始(f) + 1 [→] f で二値化;",
       "帯 (+) 菱形スイッチ (+) 数値枠 [→] 開始(f) と 終了(t) を設定;",
       "[　実　行] [→] 光核を画像に表示;"},
      {"light core [<>] color value 0～255---limit>start(f)～end(t)---display>; 0～t(near0) "
       "[<>] dark core; f(near255)～255 [<>] light core;",
       ">|< [→] spectrum core; end(t) = start(f) + 1 [→] threshold at f;",
       "belt (+) diamond switch (+) value box [→] set start(f) and end(t);",
       "[action] [→] show the light core on the image;"}}},
    {kFilterColorPowerTopic,
     {kValue,
      {"色の強弱 [<>] (赤, 緑, 青すべて) 100 を標準として 1～1000 で変える;",
       "上の帯 [<>] 1～100; 下の帯 [<>] 100～1000;"},
      {"color power [<>] (all of red, green, & blue) 100 as standerd, change in 1～1000;",
       "upper belt [<>] 1～100; lower belt [<>] 100～1000;"}}},
    {kFilterBalanceTopic,
     {kColour,
      {"色バランス回復 [<>] 色の偏った画像を整った画像に戻す;", "ピーチ [<>] 色の偏りを強く補正;",
       "ベリー [<>] 色の偏りを柔らかく補正;"},
      {"color balance [<>] restore color unbalanced image to balanced one;",
       "peach [<>] correct the color unbalance strongly;",
       "berry [<>] correct the color unbalance softly;"}}},
    {kFilterEachPowerTopic,
     {kValue,
      {"各色の強弱 [<>] 赤, 緑, 青それぞれ, 100 を標準として 1～1000 で変える;",
       "赤, 緑, 青の帯 [<>] 上半分 1～100, 下半分 100～1000;"},
      {"each color power [<>] each other on red, green, & blue, 100 as standerd, change in "
       "1～1000;",
       "red, green, blue belts [<>] upper half 1～100, lower half 100～1000;"}}},
    {kFilterActionTopic,
     {kOperation,
      {"[　実　行] [<>] 色の強弱 (+) 各色の強弱 の共通スイッチ;",
       "[　実　行] を左クリック [→] 画像に作用する;"},
      {"[action] [<>] common switch of color power & each color power;",
       "Left click on [action] [→] act on the image;"}}},
    {kFilterStepTopic,
     {kValue,
      {"(菱形スイッチ) 飛値 [<>] 光核の (f) や (t) を微調整する飛値;",
       "飛値 [<>] 2～98; 標準 <> 8; 上下スイッチ [→] +4 または -4;"},
      {"(diamond switch) step [<>] step value of diamond switch on fine control about (f) or "
       "(t) of light core;",
       "step [<>] 2～98; standard <> 8; up-down switch [→] +4 or -4;"}}},
    {kFilterResetTopic,
     {kReset,
      {ZC_RESET_JA, "濃い赤のマーク [→] 全ての値を初期値 (+) KEEP1画像を呼び出す;",
       "薄いピンクのマーク [→] モードだけ解除, 値はそのまま;"},
      {ZC_RESET_EN, "dark red mark [→] all values default (+) call KEEP1 image;",
       "light pink mark [→] modes off, values kept;"}}},
    {kFilterKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("決定 KEEP1", "1")}, {ZC_SET_KEEP_EN("set KEEP1", "1")}}},
};
static_assert(topicNumbersAscend(kFilterTopics));

}  // namespace

const LabelText& label(FilterLabel item) {
  return pickLabel(kFilterLabels, item);
}

std::span<const TopicComment> filterTopicComments() {
  return kFilterTopics;
}

}  // namespace zc
