#include "text/swap_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kSwapLabels[] = {
    {"[ 色変換 ]", "[SWAP]"},        // Heading
    {"色の変換", "swap color"},      // SwapColor
    {"決定 KEEP2", "Set KEEP2"},     // SetKeep2
    {"決定保存", "Set Save"},        // SetSave
    {"[・]は無変換", "[・] stay"},   // StayHeading
    {"(・)は反転", "(・)reversal"},  // ReversalHeading
    {"混合", "mix"},                 // MixHeading
    {"0 [R][G][B]", "0 [R][G][B]"},
    {"1 R>G>B>R", "1 R>G>B>R"},
    {"2 R<G<B<R", "2 R<G<B<R"},
    {"3 [R] G⇔B", "3 [R] G⇔B"},
    {"4 [G] B⇔R", "4 [G] B⇔R"},
    {"5 [B] R⇔G", "5 [B] R⇔G"},
    {"6 (R)", "6 (R)"},
    {"7 (G)", "7 (G)"},
    {"8 (B)", "8 (B)"},
    {"9 (G)(B)", "9 (G)(B)"},
    {"10 (R)(B)", "10 (R)(B)"},
    {"11 (R)(G)", "11 (R)(G)"},
    {"12 (R)(G)(B)", "12 (R)(G)(B)"},
    {"13 ant", "13 ant"},
    {"14 bat", "14 bat"},
    {"15 cat", "15 cat"},
    {"16 dog", "16 dog"},
    {"17 eel", "17 eel"},
    {"18 fox", "18 fox"},
    {"19 goose", "19 goose"},
    {"20 horse", "20 horse"},
    {"21 iguana", "21 iguana"},
};
static_assert(std::size(kSwapLabels) == static_cast<std::size_t>(SwapLabel::Count));
static_assert(std::size(kSwapLabels) == static_cast<std::size_t>(SwapLabel::Count));

constexpr TopicComment kSwapTopics[] = {
    {kSwapResetTopic,
     {kReset,
      {"リセットマーク [<>] 濃い赤のマークを左クリック [→] 初期状態に戻る;",
       "画像 [→] KEEP2画像; 交換方法 [→] 0 (無変換);"},
      {"reset mark [<>] Left click on dark red mark [→] come back to default",
       "the image [→] KEEP2.bmp image; way [→] 0 (no change);"}}},
    {kSwapListTopic,
     {kOperation,
      {"[色の変換] [→] 色交換の一覧ページ;", "もう一度左クリック [→] 一覧を閉じる;"},
      {"[swap color] [→] list page of swap color;", "Left click again [→] close the list;"}}},
    {kSwapKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("決定 KEEP2", "2")}, {ZC_SET_KEEP_EN("Set KEEP2", "2")}}},
    {kSwapSaveTopic,
     {kKeep,
      {"[決定保存] [→]; 名前をつけて保存する のダイアログを呼び出す"},
      {"[Set Save] [→]; call a dialog box of SAVE WITH A NAME"}}},
    {kSwapStayTopic,
     {kColour,
      {"[・]は無変換 [<>] [ ] の中の色は変わらない;", "R>G>B>R (+) R<G<B<R [<>] 三色を回す;",
       "G⇔B [<>] 二色を交換; 5 [B] R⇔G を左クリック [→] 選択;"},
      {"[・] stay [<>] the color in [ ] does not change;",
       "R>G>B>R (+) R<G<B<R [<>] turn the three colors;",
       "G⇔B [<>] exchange two colors; Left click on 5 [B] R⇔G [→] select;"}}},
    {kSwapReversalTopic,
     {kColour,
      {"(・)は反転 [<>] (R) <> 255-r, (G) <> 255-g, (B) <> 255-b;",
       "12 (R)(G)(B) [<>] 全ての色の反転 (ネガ画像);"},
      {"(・)reversal [<>] (R) <> 255-r, (G) <> 255-g, (B) <> 255-b;",
       "12 (R)(G)(B) [<>] reversal of all colors (negative image);"}}},
    {kSwapMixTopic,
     {kColour,
      {"混合 [<>] いくつかの方法で混ぜる;", "13 ant～21 iguana [<>] 三色の和から各色を作る;"},
      {"mix [<>] mix by several ways;",
       "13 ant～21 iguana [<>] each color made from sums of the three colors;"}}},
};
static_assert(topicNumbersAscend(kSwapTopics));

}  // namespace

const LabelText& label(SwapLabel item) {
  return pickLabel(kSwapLabels, item);
}

const LabelText& swapWayLabel(int way) {
  if (way < 0 || way > 21) way = 0;
  return kSwapLabels[static_cast<int>(SwapLabel::Way0) + way];
}

std::span<const TopicComment> swapTopicComments() {
  return kSwapTopics;
}

}  // namespace zc
