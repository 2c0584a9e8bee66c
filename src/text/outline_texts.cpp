#include "text/outline_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kOutlineLabels[] = {
    {"[ 輪郭線 ]", "[Outline]"},          // Heading
    {"1)画像呼出", "Get Image"},          // GetImage
    {"2)局所対照", "2)L Contrast"},       // LocalContrast
    {"左 click→変化", "L click→change"},  // ContrastLeftClick
    {"右 click→固定", "R click→fixed"},   // ContrastRightClick
    {"3)輪郭線", "3)Outline"},            // Outline
    {"細", "fine"},                       // Fine
    {"中", "middle"},                     // Middle
    {"太", "fat"},                        // Fat
    {"消去", "clear"},                    // Clear
    {"輪郭線判断値", "judge value"},      // JudgeHeading
    {"%2d", "%2d"},                       // JudgeValue
    {"4)筆", "4)Brush"},                  // Brush
    {"左 click", "L click"},              // BrushLeftClick
    {"(+)drag →描画", "(+)drag→draw"},    // BrushDrag
    {"右 click→固定", "R click→fixed"},   // BrushRightClick
    {"輪郭色", "outlineC"},               // OutlineColour
    {"／", "／"},                         // NextColour
    {"指定色", "set C"},                  // SetColour
    {"5)保存", "5)Save"},                 // Save
    {"決定KEEP5", "set KEEP5"},           // SetKeep5
};
static_assert(std::size(kOutlineLabels) == static_cast<std::size_t>(OutlineLabel::Count));

constexpr TopicComment kOutlineTopics[] = {
    {kOutlineResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] モード解除 (+) KEEP5画像を呼び出す;",
       "水色のマーク [→] モード解除; 画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] modes off (+) call KEEP5 image;",
       "light blue mark [→] modes off; the image stays;"}}},
    {kOutlineContrastTopic,
     {kOperation,
      {"局所対照 [<>] 点の周り半径 24 の局所コントラスト;",
       "左 click→変化 [<>] 点が移る; 右 click→固定 [<>] 画像に固定;",
       "右クリックのたびに [→] もう一度固定される;"},
      {"L Contrast [<>] local contrast in radius 24 around the point;",
       "L click→change [<>] move the point; R click→fixed [<>] fix it;",
       "each R click [→] the contrast is fixed once more;"}}},
    {kOutlineDrawingTopic,
     {kColour,
      {"3)輪郭線 [<>] 画像の境目に輪郭色で線を引く;",
       "細 [→] 描画; 中 (+) 太 [<>] 使用不可; 消去 [→] 消す;"},
      {"3)Outline [<>] lines on the edges of the image in outline color;",
       "fine [→] draw; middle (+) fat [<>] not available; clear [→] erase;"}}},
    {kOutlineJudgeTopic,
     {kValue,
      {"輪郭線判断値 [<>] 輪郭線のしきい値; 標準 <> 8;",
       "小さい [→] 密な輪郭線; 大きい [→] 疎な輪郭線;"},
      {"judge value [<>] threshold of outline; standard <> 8;",
       "smaller [→] denser outline; larger [→] sparser outline;"}}},
    {kOutlineBrushTopic,
     {kColour,
      {"4)筆 [<>] 筆の色で手書きの線を描く; 太 [→] 太い筆;",
       "左 click (+)drag →描画; 右 click→固定; 消去 [→] 線を消す;",
       "ゆっくり描く [→] 太い線; 速く描く [→] 細い線;"},
      {"4)Brush [<>] draw lines by hand in the brush color; fat [→] fat brush;",
       "L click (+)drag→draw; R click→fixed; clear [→] erase the lines;",
       "slow stroke [→] fat line; fast stroke [→] thin line;"}}},
    {kOutlineColourTopic,
     {kColour,
      {"輪郭色 [<>] 輪郭線と筆の色; ／ [→] " ZC_OUTLINE_CYCLE_JA ";"},
      {"outlineC [<>] color of outline and brush;", "／ [→] " ZC_OUTLINE_CYCLE_EN ";"}}},
    {kOutlineSetColourTopic,
     {kColour,
      {"指定色 [<>] 赤, 緑, 青の帯で示す筆の色;"},
      {"set C [<>] set color of the brush, shown by red, green and blue belts;"}}},
    {kOutlineKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("決定KEEP5", "5")}, {ZC_SET_KEEP_EN("set KEEP5", "5")}}},
};
static_assert(topicNumbersAscend(kOutlineTopics));

}  // namespace

const LabelText& label(OutlineLabel item) {
  return kOutlineLabels[static_cast<std::size_t>(item)];
}

std::span<const TopicComment> outlineTopicComments() {
  return kOutlineTopics;
}

}  // namespace zc
