#include "text/top_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kTopLabels[] = {
    {"[トップ]", "[ TOP ]"},            // Heading
    {"リセットマーク", "reset mark"},   // ResetMarkText
    {"画布サイズ", "canvas"},           // Canvas
    {" 960× 640", " 960× 640"},         // Canvas960
    {"1200× 800", "1200× 800"},         // Canvas1200
    {"1440× 960", "1440× 960"},         // Canvas1440
    {"1680×1120", "1680×1120"},         // Canvas1680
    {"画像呼出", "get image"},          // GetImageHeading
    {"画像呼出", "get image"},          // GetImage
    {"画像保存", "keep image"},         // KeepHeading
    {"像 KEEP0", "save KEEP0"},         // SaveKeep0
    {"表示言語", "language"},           // LanguageHeading
    {"ENGLISH", "JAPANESE"},            // LanguageSwitch: names the language it switches to
    {"全体視(鳥瞰)", "whole view"},     // WholeViewHeading
    {"イメージ", "image"},              // WholeViewImage
    {"キャンパス", "canvas"},           // WholeViewCanvas
    {"全体視終了", "back"},             // WholeViewBack
    {"全体を縮小", "fit"},              // Fit
    {"コメント記号", "note code"},      // NoteCode
    {"Ａ [<>] Ｂ;", "A [<>] B;"},       // Legend0
    {" ＡはＢ;", " A is B;"},           // Legend1
    {"Ａ [→] Ｂ;", "A [→] B;"},         // Legend2
    {" ＡならばＢ;", " if A then B;"},  // Legend3
    {"Ａ(+)Ｂ;", "A (+) B;"},           // Legend4
    {" ＡかつＢ;", " A and B;"},        // Legend5
};
static_assert(std::size(kTopLabels) == static_cast<std::size_t>(TopLabel::Count));

constexpr TopicComment kTopTopics[] = {
    {kTopCommentTopic,
     {kInfo,
      {"コメント [<>] ページや項目の説明; 画像の下に表示される;",
       "[トップ] (各ページの見出し) を左クリック [→] コメントを再表示;"},
      {"comment [<>] explanation of the page or the item, shown under the image;",
       "Left click on [ TOP ] (page title) [→] show the page comment again;"}}},
    {kTopResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマークを左クリック [→] 画像の左上の表示に戻る;"},
      {ZC_RESET_EN, "Left click on dark blue mark [→] the view comes back to the upper left;"}}},
    {kTopKeepTopic,
     {kKeep,
      {"[像 KEEP0] を左クリック [→] 画像を内部メモリ (KEEP0.bmp) に保存;",
       "注意 [<>] KEEP0.bmp はプログラム終了時に消されることがある;",
       "名前をつけて保存 [→] →保存 タブ;"},
      {"Left click on [save KEEP0] [→] save the image to inner memory (KEEP0.bmp);",
       "Caution [<>] KEEP0.bmp may be deleted when this program finish;",
       "save with a name [→] SAVE tab;"}}},
    {kTopLanguageTopic,
     {kOperation,
      {"表示言語 [<>] ラベル, コメント, 確認画面の言語;",
       "[ENGLISH] を左クリック [→] 英語表示; [JAPANESE] [→] 日本語表示;"},
      {"language [<>] language of labels, comments and message boxes;",
       "Left click on [JAPANESE] [→] Japanese; [ENGLISH] [→] English;"}}},
    {kTopCanvasTopic,
     {kValue,
      {"画布サイズ [<>] 作業空間の大きさ; 1200×800 [<>] 選択可;",
       "灰色のサイズ (960×640, 1440×960, 1680×1120) [<>] 使用不可;",
       "[1200× 800] を左クリック [→] 新しい画布に画像を呼び出す;"},
      {"canvas [<>] canvas surface syze (digital space); 1200×800 [<>] selectable;",
       "grey sizes (960×640, 1440×960, 1680×1120) [<>] not available;",
       "Left click on [1200× 800] [→] call an image on the new canvas;"}}},
    {kTopGetImageTopic,
     {kOperation,
      {"[画像呼出] を左クリック [→] BMPファイルを開く (+) KEEP0 画像になる;",
       "[Enter]キー [→] ファイルを開く;", "画像が出ない [→] もう一度左クリックしてください;"},
      {"Left click on [get image] [→] BMP File Open (+) the image becomes KEEP0;",
       "[Enter] key [→] BMP File Open, too;", "no image appears [→] Plese left crick again;"}}},
    {kTopWholeViewTopic,
     {kView,
      {ZC_WHOLE_VIEW_JA, "[全体視終了] [→] 等倍の表示に戻る;"},
      {ZC_WHOLE_VIEW_EN, "[back] [→] back to the view in pixel size;"}}},
    {kTopFitTopic,
     {kView,
      {"[全体を縮小] を左クリック [→] 入/切; 次に開く画像から効く;",
       "入 [<>] 画布より大きい画像を縦横比のまま画布に収まるよう縮小 (面積平均);",
       "切 [<>] 画布に入る左上の部分だけを使う;"},
      {"Left click on [fit] [→] on / off; it works from the next image got;",
       "on [<>] an image larger than the canvas is reduced to fit in it, aspect kept (area "
       "average);",
       "off [<>] only the top-left part that the canvas holds is used;"}}},
};
static_assert(topicNumbersAscend(kTopTopics));

}  // namespace

const LabelText& label(TopLabel item) {
  return pickLabel(kTopLabels, item);
}

std::span<const TopicComment> topTopicComments() {
  return kTopTopics;
}

}  // namespace zc
