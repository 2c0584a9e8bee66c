#include "text/pattern_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kPatternLabels[] = {
    {"[ 型紙化 ]", "[Pattern]"},             // Heading
    {"1)画像呼出", "1)GetShadow"},           // GetShadow
    {"2)領域", "2)Area"},                    // Area
    {"／", "／"},                            // OutlineColour
    {"L click + drag", "L click + drag"},    // DragHint
    {"全", "all"},                           // All
    {"内", "in"},                            // In
    {"外", "out"},                           // Out
    {"3)色の窓", "3)Zone"},                  // Zone
    {"アポイントアイ", "appoint eye"},       // AppointEye
    {"３色", "3C"},                          // ThreeColours
    {"濃淡", "gray"},                        // Grey
    {"%3d   %3d   %3d", "%3d   %3d   %3d"},  // BeltValues
    {"%3d", "%3d"},                          // GreyValue
    {"4)窓色指定", "4)zone color"},          // ZoneColourHeading
    {"黒", "B"},                             // Black
    {" %3d", " %3d"},                        // ZoneColourValue
    {"白", "W"},                             // White
    {"5)窓色描写", "5)draw zone"},           // DrawZone
    {"6)型紙化", "6)Pattern"},               // Pattern
    {"　型反転", "  Reverse"},               // Reverse
    {"(+)ゆる型 %1d", "(+)soft %1d"},        // Soft
    {"%2d", "%2d"},                          // SoftBorder
    {"7)決定保存", "7)Set Save"},            // SetSave
    {"  決定KEEP6", " SetK EEP6"},           // SetKeep6: the English spacing is the label's
};
static_assert(std::size(kPatternLabels) == static_cast<std::size_t>(PatternLabel::Count));

constexpr TopicComment kPatternTopics[] = {
    {kPatternResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 窓は空, 領域は全体 (+) KEEP6画像を呼び出す;",
       "水色のマーク [→] モード解除; 範囲と画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] window empty, whole area (+) call KEEP6 image;",
       "light blue mark [→] modes off; ranges and the image stay;"}}},
    {kPatternAreaTopic,
     {kOperation,
      {"2)領域 [<>] 窓を描く領域; 全 [<>] キャンパス全体;",
       "画像で L click + drag [→] 領域を設定;"},
      {"2)Area [<>] area where the window is drawn; all [<>] whole canvas;",
       "L click + drag on the image [→] set the area;"}}},
    {kPatternAreaFrameTopic,
     {kColour,
      {"／ [<>] 輪郭色; " ZC_OUTLINE_CYCLE_JA ";", "領域の枠は黒で描かれる;"},
      {"／ [<>] outline color; " ZC_OUTLINE_CYCLE_EN ";", "the frame of the area is black;"}}},
    {kPatternAllInOutTopic,
     {kInfo,
      {"全 [<>] 領域全体に窓; 内 (+) 外 [<>] 使用不可;"},
      {"all [<>] window in the whole area; in (+) out [<>] not available;"}}},
    {kPatternZoneTopic,
     {kOperation,
      {"3)色の窓 [→] 画像を左クリック [→] その画素が窓の範囲を広げる;",
       "アポイントアイ [<>] 最後にクリックした画素の色;", "窓 [<>] 濃淡の範囲 from～to の部分;"},
      {"3)Zone [→] L click on the image [→] the pixel widens the window range;",
       "appoint eye [<>] color of the last clicked pixel;",
       "window [<>] part in the gray range from～to;"}}},
    {kPatternGreyValueTopic,
     {kValue,
      {"濃淡値 [<>] 数値枠 (+) 電卓で窓の from～to を設定;",
       "濃淡の帯 [→] from または to を変える;"},
      {"gray value [<>] from～to of the window by value box (+) cal;",
       "gray belt [→] change from or to;"}}},
    {kPatternZoneColourTopic,
     {kColour,
      {"4)窓色指定 [<>] 窓の色; 白 [<>] 255;", "黒 [<>] 使用不可;"},
      {"4)zone color [<>] color of the window; W [<>] white 255;",
       "B [<>] black; not available;"}}},
    {kPatternDrawZoneTopic,
     {kOperation,
      {"5)窓色描写 [→] 窓を窓色で描く;",
       "領域が無効 [→] 紺色のマークでリセット, または L click + drag で設定;"},
      {"5)draw zone [→] draw the window in the zone color;",
       "The Area is off [→] click blue reset mark, or L click + drag on the image;"}}},
    {kPatternPatternTopic,
     {kColour,
      {"6)型紙化 [→] 窓の部分は白 (+) 型の部分は灰色 192;",
       "型反転 [<>] 型の部分は窓色 (+) 窓の部分は灰色 192;",
       "窓がない [→] リセットして 2)3)から やり直す;"},
      {"6)Pattern [→] window part white (+) pattern part gray 192;",
       "Reverse [<>] pattern part in zone color (+) window part gray 192;",
       "no window [→] reset and try again since 2) or 3);"}}},
    {kPatternSoftTopic,
     {kValue,
      {"(+)ゆる型 [<>] ゆるやかな型紙; 窓と型の間の濃淡の段階;", "ゆる型 0 [<>] 二値の型紙;"},
      {"(+)soft [<>] soft pattern; gray steps between window and pattern;",
       "soft 0 [<>] two-tone pattern;"}}},
    {kPatternSetSaveTopic,
     {kKeep,
      {"7)決定保存 [→] 名前をつけて保存する のダイアログを呼び出す;"},
      {"7)Set Save [→] call a dialog box of SAVE WITH A NAME;"}}},
    {kPatternSetKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("決定KEEP6", "6")}, {ZC_SET_KEEP_EN("set KEEP6", "6")}}},
    {kPatternBeltTopic,
     {kInfo,
      {"色条件のフラグ [<>] 濃淡 (３色は使用不可);",
       "R, G, B の帯 [<>] 各色の範囲; 菱形スイッチ [→] 飛値 8;"},
      {"flag of color condition [<>] gray (3C not available);",
       "R, G, B belts [<>] range of each color; diamond switch [→] step 8;"}}},
    {kPatternSoftBorderTopic,
     {kValue,
      {"ゆる型の境 [<>] ゆる型の明るい側と暗い側の限界;"},
      {"soft borders [<>] light and dark limits of the soft pattern;"}}},
};
static_assert(topicNumbersAscend(kPatternTopics));

}  // namespace

const LabelText& label(PatternLabel item) {
  return kPatternLabels[static_cast<int>(item)];
}

const LabelText kAreaOffQuestion{
    "領域が無効になりました。次の1)または2)を実行してください。\n"
    "  1)紺色のマークでリセットしてやり直す。\n"
    "  2)画像で L click + drag して設定する。",
    "The Area is off. Plese do next 1) or 2).\n"
    "  Click blue reset mark and try again.1)\n"
    "  2)Reset an area by L click + drag on the image."};

const LabelText kNoWindowQuestion{
    "この画像には窓が設定されていません\n"
    "紺色マークでリセットして\n"
    "2)3)から やり直してください",
    "There is no window on this image\n"
    "Plese reset to L click on dark blue mark\n"
    "And try again since 2) or 3)"};

std::span<const TopicComment> patternTopicComments() {
  return kPatternTopics;
}

}  // namespace zc
