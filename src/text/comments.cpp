#include "text/comments.h"

#include <cstddef>

#include "core/page_ids.h"
#include "text/appear_texts.h"
#include "text/change_texts.h"
#include "text/filter_texts.h"
#include "text/outline_texts.h"
#include "text/pattern_texts.h"
#include "text/swap_texts.h"
#include "text/top_texts.h"
#include "text/transfer_texts.h"
#include "text/zindle_eye_texts.h"

namespace zc {
namespace {

// Colours of the comment blocks. Main comments are black; the shared restore and calculator
// comments are blue; each page's topic blocks take the dark tints of text/topic_comment_kit.h.
constexpr Rgb kMain{0, 0, 0};
constexpr Rgb kShared{50, 100, 200};

// ---- main comments, one per tab -------------------------------------------------------------

struct MainRow {
  int32_t pageId;
  CommentText text;
};

constexpr MainRow kMainComments[kPageCount] = {
    // 0 Top: canvas size, call an image, save to slot 0, label language, whole view.
    {kPageTop,
     {kMain,
      {"(A) 画布サイズ [<>] 作業空間の大きさ; 1200×800 を選択できる;",
       "(B) 画像呼出 [→] BMP画像ファイルを開く ([Enter]キーも可);",
       "(C) 像 KEEP0 [→] 画像を内部メモリ (KEEP0.bmp) に保存する;",
       "(D) 表示言語 [<>] ラベルとコメントの言語; 日本語 (+) 英語;",
       "(E) 全体視 [<>] 画像全体 (イメージ) または作業空間全体 (キャンパス);"},
      {"(A) canvas [<>] canvas surface syze; 1200×800 can be chosen;",
       "(B) get image [→] open a BMP image file ([Enter] key, too);",
       "(C) save KEEP0 [→] save the image to inner memory (KEEP0.bmp);",
       "(D) language [<>] language of labels and comments; JAPANESE (+) ENGLISH;",
       "(E) whole view [<>] see whole image (image) or whole digital space (canvas);"}}},
    // 1 Filter: call an image, light core, colour power, colour balance.
    {kPageFilter,
     {kMain,
      {"(A) 画像呼出 [→] 画像を呼び出す;",
       "(B) 光核 [<>] 色の値 0～255; 暗核(0<<), スペクトル核(0<a<255), 光核(>>255);",
       "(C) 色の強弱 [<>] 元の画像の色の強さを 100 として 1～1000;",
       "(D) 色バランス回復 [<>] 色の偏った画像 → 色の整った画像;"},
      {"(A) get image [→] call an image;",
       "(B) light core [<>] color value 0～255; dark core(0<<), spectrum core(0<a<255, "
       "start(t)=a, end(t)=a+1, light core(>>255);",
       "(C) color power [<>] original image color power as 100; within 1～1000;",
       "(D) color balance [<>] color unbalanced image → color balanced image;"}}},
    // 2 Swap: exchange, reverse and mix colours.
    {kPageSwap,
     {kMain,
      {"色交換 [<>] 画像の色を交換、反転、混合する;", "[色の変換] [→] 色交換の一覧ページ;",
       "[・]は無変換, R⇔G など [<>] 色の交換; 0～5;",
       "(R) <> 255-r, (G) <> 255-g, (B) <> 255-b [<>] 反転; 6～12;",
       "混合 [<>] いくつかの方法で混ぜる; 13～21; [決定 KEEP2] [→] KEEP2.bmp;"},
      {"SWAP [<>] exchange, reverse and mix the colors of the image;",
       "[swap color] [→] list page of swap color;",
       "[・] stay, R⇔G and so on [<>] exchange of colors; 0～5;",
       "(R) <> 255-r, (G) <> 255-g, (B) <> 255-b [<>] reversal; 6～12;",
       "mix [<>] mix by several ways; 13～21; [Set KEEP2] [→] KEEP2.bmp;"}}},
    // 3 Zindle Eye: the fog sweep, bright/dark, set KEEP3, whole view.
    {kPageZindleEye,
     {kMain,
      {"(A) Ｚ.アイ [<>] 画像の霧を払う; 内部メモリには保存しない;",
       "(B) ブライト (+) ダーク [<>] 明るさと暗さを変える; 保存しない;",
       "(C) [決定KEEP3] [→] 画像を内部メモリと KEEP3.bmp に保存する;",
       "(D) 全体視 [<>] 画像全体 (イメージ) またはキャンパス全体を見る;"},
      {"(A) Zindle Eye [<>] sweep the fog of the image; not saved to inner memory;",
       "(B) bright (+) dark [<>] change brightness and darkness; not saved;",
       "(C) [KEEP3] [→] save the image to inner memory and KEEP3.bmp;",
       "(D) whole view [<>] see the whole image (image) or canvas (canvas);"}}},
    // 4 Change: target range, pseudocolour, convert colour, act, save.
    {kPageChange,
     {kMain,
      {"色変換 [<>] 画像の色を他の色に変える;",
       "1)対象色 [→] 対象色の min と Max, min から Max までの範囲を設定;",
       "対象の範囲 [→] 白い疑似色で表示;",
       "2)変換色 [<>] 変換する色; 画像上, 棒グラフ, 電卓 で指定;",
       "3)act [→] 対象色を変換色に変える; 4)save [→] set KEEP4;"},
      {"CHANGE [<>] exchange the color of the image to other;",
       "1)target [→] set min and Max, and range from min to Max on target color;",
       "target range [→] shown by white as pseudocolor;",
       "2)convert [<>] convert color; By On Image, Bar Graph, Cal;",
       "3)act [→] change target color toward convert color; 4)save [→] set KEEP4;"}}},
    // 5 Outline: get image, local contrast, outline, brush, save.
    {kPageOutline,
     {kMain,
      {"1)画像呼出 [→] 画像を呼び出す;",
       "2)局所対照 [<>] 左クリックした点の周りの局所対照を強める; 右 click→固定;",
       "3)輪郭線 [<>] 画像に輪郭線を描く; 細 [<>] 細い輪郭線;",
       "4)筆 [<>] 手で線を描く; 左 click (+)drag →描画, 右 click→固定;",
       "5)保存 [→] 決定KEEP5 [→] 画像を KEEP5.bmp に保存;"},
      {"1)Get Image [→] call an image;",
       "2)L Contrast [<>] local contrast around the clicked point; R click→fixed;",
       "3)Outline [<>] draw outlines on the image; fine [<>] fine outline;",
       "4)Brush [<>] draw lines by hand; L click (+)drag→draw, R click→fixed;",
       "5)Save [→] set KEEP5 [→] save the image as KEEP5.bmp;"}}},
    // 6 Pattern: call an image, zone, zone colour, pattern kinds, save.
    {kPagePattern,
     {kMain,
      {"1)画像呼出 [→] 画像を呼び出す; 3)色の窓 [→] 左クリックで窓を選ぶ;",
       "4)窓色指定 [<>] 窓の色; 5)窓色描写 [→] 窓を白で描く;",
       "6)型紙化 [<>] 窓の部分は白 (+) 型の部分は灰色 192; 型反転, ゆる型;",
       "7)決定保存 [→] 名前をつけて保存; 決定KEEP6 [→] KEEP6.bmp;"},
      {"1)GetShadow [→] call an image; 3)Zone [→] pick the window by L click;",
       "4)zone color [<>] color of the window; 5)draw zone [→] the window in white;",
       "6)Pattern [<>] window part white (+) pattern part gray 192; Reverse, soft;",
       "7)Set Save [→] save with a name; SetK EEP6 [→] KEEP6.bmp;"}}},
    // 7 Transfer: from pattern image to transfer image, grey value, seal, square and polygon.
    {kPageTransfer,
     {kMain,
      {"1)型画像 [→] 多角形で削除(白) または 旗 [→] 2)決定KEEP7 [→] 3)型紙化;",
       "4)型紙保存 [→] 5)原画像 [→] 6)型転写 [→] 7)像保存 または 8)出現 タブ;",
       "濃淡 [<>] 塗りつぶす旗の色; 形状 (+) 径 [<>] 印; 領域 [<>] 四角;",
       "多角形 [→] 開始, 角ごとに左クリック, 閉鎖, 削除(白) または 濃淡の旗;"},
      {"1)GetShadow [→] polygon delete or flag [→] 2)KEEP7 [→] 3)Pattarn;",
       "4)SavePatt. [→] 5)CallReal [→] 6)ShotPatt. [→] 7)SaveTrfr or 8)Appear;",
       "gray [<>] color of the fill; shape (+) width [<>] seal; area [<>] square;",
       "polygon [→] start, L click on each corner, close, delete or gray flag;"}}},
    // 8 Appear: back and transfer images, pass zone, real appear, save, whole view.
    {kPageAppear,
     {kMain,
      {"A 画像呼出 [→] 1)背景画像 (+) 2)転送画像;",
       "B 透過窓 [<>] 転送画像を通して背景画像が見える部分;",
       "C 出現 [→] 3)実体化; 実体化した転送画像は保存するまで動かせる;",
       "D 外部保存 [→] 4決定KEEP8 または 5)決定保存;",
       "全体視 [<>] キャンパス全体を見る; 黒い画面 [←] 画像か透過窓が不適切;"},
      {"A get image [→] 1)back image (+) 2)trfr image;",
       "B pass zone [<>] where the back image shows through the trfr image;",
       "C 3)real appear [→] real appeared transfer(trfr) image can move until it is saved;",
       "D outer file [→] 4)KEEP8 or 5)save image;",
       "whole view [<>] whole canvas; All black image [←] wrong image or pass zone;"}}},
};

constexpr CommentText kRestoreComment{
    kShared,
    {"復元← [<>] KEEP%d画像を呼び出す;", "黒い画面 [←] KEEP%d画像が存在していない;"},
    {"Restore← [<>] call KEEP%d.bmp image;", "All black image [←] no KEEP%d.bmp image;"}};

constexpr CommentText kCalculatorComment{
    kShared,
    {"電卓 [<>] スイッチが入っている数値枠に働く;",
     "０～９ [→] 数値を入力 (4桁まで); ＋ または － [→] 数値を加える・引く;",
     "ＡＣ [→] 数値枠の値を 0 にする; Ｃ [→] 入力した数値を消す;",
     "他の制限条件が結果に影響することがある;"},
    {"cal [<>] calculator acts on the value box whose switch is on;",
     "０～９ [→] type a number, up to 4 digits; ＋ or － [→] add or subtract;",
     "ＡＣ [→] the value of the box becomes 0; Ｃ [→] clear the typed number;",
     "other limit condition may affect the result;"}};

// ---- topic comments -------------------------------------------------------------------------

struct TopicRow {
  int32_t pageId;
  std::span<const TopicComment> (*topics)();
};

// The topic comments of each page, in tab order; each page keeps its own in
// text/<page>_texts.cpp.
constexpr TopicRow kTopicTables[kPageCount] = {
    {kPageTop, topTopicComments},         {kPageFilter, filterTopicComments},
    {kPageSwap, swapTopicComments},       {kPageZindleEye, zindleEyeTopicComments},
    {kPageChange, changeTopicComments},   {kPageOutline, outlineTopicComments},
    {kPagePattern, patternTopicComments}, {kPageTransfer, transferTopicComments},
    {kPageAppear, appearTopicComments},
};

// Both tables follow the tabs of the page table.
template <typename Row, std::size_t N>
constexpr bool rowsFollowTabs(const Row (&rows)[N]) {
  for (std::size_t tab = 0; tab < N; ++tab)
    if (rows[tab].pageId != kPageIdOfTab[tab]) return false;
  return N == kPageCount;
}
static_assert(rowsFollowTabs(kMainComments), "main comments follow the tabs");
static_assert(rowsFollowTabs(kTopicTables), "topic tables follow the tabs");
}  // namespace

const CommentText* mainComment(int tabIndex) {
  if (tabIndex < 0 || tabIndex >= kPageCount) return nullptr;
  return &kMainComments[tabIndex].text;
}

const CommentText& restoreComment() {
  return kRestoreComment;
}

const CommentText& calculatorComment() {
  return kCalculatorComment;
}

const CommentText* topicComment(int tabIndex, int topic) {
  if (tabIndex < 0 || tabIndex >= kPageCount) return nullptr;
  for (const TopicComment& t : kTopicTables[tabIndex].topics()) {
    if (t.number == topic) return &t.text;
  }
  return nullptr;
}

}  // namespace zc
