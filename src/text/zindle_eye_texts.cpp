#include "text/zindle_eye_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kZindleEyeLabels[] = {
    {"[Ｚ.アイ]", "[ZINDLE EYE]"},  // Heading
    {"Zindle Eye", "Zindle Eye"},   // ZindleEyeHeading
    {"明ZE□", "light□"},            // Light
    {"◇", "◇"},                     // WeakLight
    {"双ZE", "both"},               // Both
    {"   ", "   "},                 // WeakBoth (its icon is drawn)
    {"暗ZE■", "dark■"},             // Dark
    {"◆", "◆"},                     // WeakDark
    {"A", "A"},
    {"B", "B"},
    {"C", "C"},
    {"D", "D"},
    {"E", "E"},
    {"F", "F"},
    {"G", "G"},
    {"H", "H"},
    {"I", "I"},
    {"J", "J"},
    {"K", "K"},
    {"L", "L"},
    {"目隠し", " blind"},                    // Blind
    {"決定KEEP3", "Set KEEP3"},              // SetKeep3
    {"---ブライト---", "---bright---"},      // BrightHeading
    {"1           100", "1      50   100"},  // BrightScaleLow
    {"100         200", "100   150   200"},  // BrightScaleHigh
    {"----ダーク----", "----dark----"},      // DarkHeading
    {"-100          0", "-100   -50    0"},  // DarkScaleLow
    {"0          +100", "0    +50   +100"},  // DarkScaleHigh
    {"全体視(鳥瞰)", "whole view"},          // WholeViewHeading
    {"イメージ", "image"},                   // WholeViewImage
    {"キャンパス", "canvas"},                // WholeViewCanvas
    {"全体視終了", "back"},                  // WholeViewBack
};
static_assert(std::size(kZindleEyeLabels) == static_cast<std::size_t>(ZindleEyeLabel::Count));
static_assert(std::size(kZindleEyeLabels) == static_cast<std::size_t>(ZindleEyeLabel::Count));

constexpr TopicComment kZindleEyeTopics[] = {
    {kZindleEyeResetTopic,
     {kReset,
      {ZC_RESET_JA, "濃い黄のマーク [→] ブライト 100, ダーク 0, 目隠し解除 (+) KEEP3画像;",
       "薄い黄のマーク [→] ブライト, ダーク, 画像はそのまま;"},
      {ZC_RESET_EN, "dark yellow mark [→] bright 100, dark 0, blind off (+) KEEP3 image;",
       "light yellow mark [→] bright, dark and the image stay;"}}},
    {kZindleEyeSweepTopic,
     {kOperation,
      {"Ｚ.アイ [<>] 画像の霧を払う;", "明ZE [<>] 主に明るい部分に作用;",
       "双ZE [<>] 主に明るい部分と暗い部分に作用;", "暗ZE [<>] 主に暗い部分に作用;",
       "(+)B～L を選択 (A<>ダミー) [→] 実行"},
      {"Zindle Eye [<>] sweep the fog of the image;", "light ZE [<>] on light area mainly;",
       "both ZE [<>] on light & dark areas mainly;", "dark ZE [<>] on dark area mainly;",
       "(+)select B～L (A<>dummy) [→] action"}}},
    {kZindleEyeBlindTopic,
     {kView,
      {"目隠しモード [<>] Ｚ.アイが水平線ごとに作用する間, 結果は線の下に隠れる;",
       "全ての線が終わると, 結果画像が全て現れる;"},
      {"blind mode [<>] When Zindle Eye acts on each level line, the result image hide under "
       "level lines;",
       "When all lines finish, all result image appear;"}}},
    {kZindleEyeKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("決定KEEP3", "3")}, {ZC_SET_KEEP_EN("set KEEP3", "3")}}},
    {kZindleEyeAreaEyeTopic,
     {kOperation,
      {"エリアアイ [<>] 画像の一部の領域にＺ.アイを作用させる;",
       "画像で L click + drag [→] 領域を設定;"},
      {"area eye [<>] Zindle Eye acts on an area of the image;",
       "L click + drag on the image [→] set the area;"}}},
    {kZindleEyeAppointEyeTopic,
     {kOperation,
      {"アポイントアイ [<>] 画像の一点の色の値を読む;", "画像を左クリック [→] その点を選ぶ;"},
      {"appoint eye [<>] read pixel color values on the image;",
       "Left click on the image [→] choose the point;"}}},
    {kZindleEyeBrightTopic,
     {kValue,
      {"ブライト [<>] 画像の明るさ; 標準 <> 100;", "ダーク   [<>] 画像の暗さ;   標準 <>   0;",
       "バーを左クリック [→] 変化; [決定KEEP3] [→] 固定;"},
      {"bright [<>] brightness of the image; standard <> 100;",
       "dark   [<>] darkness of the image;   standard <>   0;",
       "Left click on the bars [→] change; [Set KEEP3] [→] fixed;"}}},
    {kZindleEyeWeakTopic,
     {kOperation,
      {"弱いＺ.アイ [<>] 色の変化を少なくして画像の霧を払う;",
       "◇ [<>] 弱い明ZE; ◆ [<>] 弱い暗ZE; 弱い双ZE [<>] (◇+◆)/2;"},
      {"Weak Zindle Eye [<>] sweep the fog of the image under fewer color change;",
       "◇ [<>] weak light ZE; ◆ [<>] weak dark ZE; weak both ZE [<>] (◇+◆)/2;"}}},
    {kZindleEyeHornTopic,
     {kValue,
      {"ホーン [<>] Ｚ.アイの道具;", "A [<>] Ｚ.アイのアルゴリズムを確かめるダミー;",
       "B に近い [<>] 細かいが, 結果は小さい;", "L に近い [<>] 結果は大きいが, 粗い;"},
      {"horn [<>] tool of Zindle Eye;", "A [<>] dummy to check Zindle Eye algorithm;",
       "nearer to B [<>] finer, but smaller result;",
       "nearer to L [<>] larger result, but rougher;"}}},
    {kZindleEyeWholeViewTopic,
     {kView,
      {ZC_WHOLE_VIEW_JA, "[全体視終了] [→] 等倍の表示に戻る;"},
      {ZC_WHOLE_VIEW_EN, "[back] [→] back to the view in pixel size;"}}},
};
static_assert(topicNumbersAscend(kZindleEyeTopics));

}  // namespace

const LabelText& label(ZindleEyeLabel item) {
  return pickLabel(kZindleEyeLabels, item);
}

std::span<const TopicComment> zindleEyeTopicComments() {
  return kZindleEyeTopics;
}

}  // namespace zc
