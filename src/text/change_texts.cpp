#include "text/change_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

// Texts below "2)convert" are English in both languages.
constexpr LabelText kChangeLabels[] = {
    {"[ 色変換 ]", "[CHANGE]"},              // Heading
    {"アポイント", " appoint"},              // Appoint
    {"1)対象色", "1)target"},                // Target
    {"３色", "3C"},                          // Flag3C
    {"濃淡", "gray"},                        // FlagGrey
    {"赤", "R"},                             // FlagRed
    {"緑", "G"},                             // FlagGreen
    {"青", "B"},                             // FlagBlue
    {"画像をクリック", "LClickImage"},       // LClickImage
    {"→ min, Max", "→ min, Max"},            // ToMinMax
    {"min appoint Max", "min appoint Max"},  // TableHeading
    {"%3d  %3d  %3d", "%3d  %3d  %3d"},      // TableRow
    {"2)変換色", "2)convert"},               // Convert
    {"%3d", "%3d"},                          // ConvertValue
    {"By On Image,", "By On Image,"},        // ByOnImage
    {"Bar Graph, Cal", "Bar Graph, Cal"},    // BarGraphCal
    {"3)act", "3)act"},                      // Act
    {"wk", "wk"},                            // Weak
    {"md", "md"},                            // Middle
    {"all", "all"},                          // All
    {"4)save", "4)save"},                    // Save
    {"set KEEP4", "set KEEP4"},              // SetKeep4
};
static_assert(std::size(kChangeLabels) == static_cast<std::size_t>(ChangeLabel::Count));

constexpr TopicComment kChangeTopics[] = {
    {kChangeResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 全て初期値, 対象範囲は空 (+) KEEP4画像を呼び出す;",
       "水色のマーク [→] KEEP4画像を呼び出す;"},
      {ZC_RESET_EN, "dark blue mark [→] all default, target range empty (+) call KEEP4 image;",
       "light blue mark [→] call KEEP4 image;"}}},
    {kChangeAppointTopic,
     {kOperation,
      {"アポイント [<>] 画像上の画素の色の値を読む;", "濃淡 [<>] 0.299R + 0.587G + 0.114B;"},
      {"appoint [<>] read pixel color values on the image;",
       "gray [<>] 0.299R + 0.587G + 0.114B;"}}},
    {kChangeTargetTopic,
     {kOperation,
      {"1)対象色 [→] 画像をクリック [→] その画素が対象範囲を広げる;",
       "対象範囲 [<>] R, G, B, 濃淡 の min～Max; 白い疑似色で表示;"},
      {"1)target [→] LClick Image [→] the pixel widens the target range;",
       "target range [<>] min～Max of R, G, B, gray; shown by white as pseudocolor;"}}},
    {kChangeFlagTopic,
     {kInfo,
      {"色条件のフラグ [<>] ３色, 濃淡, 赤, 緑, 青;",
       "濃淡 [<>] 対象の濃淡範囲にある画素を変える;"},
      {"flag of color condition [<>] 3C, gray, R, G or B;",
       "gray [<>] the pixels in the gray range of the target change;"}}},
    {kChangeClickImageTopic,
     {kOperation,
      {"画像をクリック [<>] 画像を左クリックする;",
       "→ min, Max [<>] その画素で対象範囲の min と Max を決める;"},
      {"LClick Image   [<>] Left click on the image;",
       "→ min, Max [<>] the pixel sets min and Max of the target range;"}}},
    {kChangeColourBeltsTopic,
     {kValue,
      {"R, G, B の帯 [<>] 各色の対象範囲 min～Max;",
       "min appoint Max [<>] min, 読んだ値, Max の表;"},
      {"R, G, B belts [<>] target range of each color, min～Max;",
       "min appoint Max [<>] table of min, appointed value and Max;"}}},
    {kChangeGreyBeltTopic,
     {kValue,
      {"濃淡の帯 [<>] 濃淡の対象範囲 min～Max;",
       "帯や菱形スイッチを左クリック [→] min または Max を変える;"},
      {"gray belt [<>] target range of gray, min～Max;",
       "Left click on the belt or diamond switch [→] change min or Max;"}}},
    {kChangeConvertTopic,
     {kColour,
      {"2)変換色 [→] 画像をクリック [→] その画素の色が変換色になる;"},
      {"2)convert [→] LClick Image [→] the pixel color becomes convert color;"}}},
    {kChangeValueTopic,
     {kValue,
      {"変換色 [<>] 画像上, 棒グラフ, 電卓 で指定;",
       "数値枠 (+) 電卓 [→] R, G, B の値 0～255 を入力;", "棒グラフ [→] 左クリックで値を設定;"},
      {"convert color [<>] By On Image, Bar Graph, Cal;",
       "value box (+) cal [→] type R, G, B values 0～255;",
       "bar graph [→] Left click sets the value;"}}},
    {kChangeChartTopic,
     {kColour,
      {"色見本 [<>] 変換色を選ぶための色の表;"},
      {"color chart [<>] table of colors for choosing convert color;"}}},
    {kChangeActTopic,
     {kOperation,
      {"[wk][md][all] [<>] [弱][中][全] [<>] 作用モードを選択 [→] 色を変換する;",
       "wk [<>] 3:1; md [<>] 1:1; all [<>] 0:1 (画素 : 変換色);"},
      {"[wk][md][all] [<>] [weak][middle][all] [<>] select action modes [→] act to convert "
       "color;",
       "wk [<>] 3:1; md [<>] 1:1; all [<>] 0:1 (pixel : convert color);"}}},
    {kChangeKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("set KEEP4", "4")}, {ZC_SET_KEEP_EN("set KEEP4", "4")}}},
};
static_assert(topicNumbersAscend(kChangeTopics));

}  // namespace

const LabelText& label(ChangeLabel item) {
  return kChangeLabels[static_cast<std::size_t>(item)];
}

const LabelText& colorConditionLabel(int condition) {
  const int offset = condition >= 1 && condition <= 5 ? condition - 1 : 0;
  return kChangeLabels[static_cast<std::size_t>(ChangeLabel::Flag3C) + offset];
}

std::span<const TopicComment> changeTopicComments() {
  return kChangeTopics;
}

}  // namespace zc
