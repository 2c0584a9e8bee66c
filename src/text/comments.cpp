#include "text/comments.h"

#include <cstddef>

#include "core/page_ids.h"
#include "text/filter_texts.h"
#include "text/swap_texts.h"
#include "text/top_texts.h"
#include "text/topic_comment_kit.h"
#include "text/zindle_eye_texts.h"

namespace zc {
namespace {

// Colours of the comment blocks. Main comments are black; the shared restore and calculator
// comments are blue; each topic block takes one of the dark tints by its kind (topic_tints).
using namespace topic_tints;

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

using Topic = TopicComment;

// The Top, Filter, Swap and Zindle Eye pages' topics are in text/<page>_texts.cpp.

constexpr Topic kChangeTopics[] = {
    {1,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 全て初期値, 対象範囲は空 (+) KEEP4画像を呼び出す;",
       "水色のマーク [→] KEEP4画像を呼び出す;"},
      {ZC_RESET_EN, "dark blue mark [→] all default, target range empty (+) call KEEP4 image;",
       "light blue mark [→] call KEEP4 image;"}}},
    {2,
     {kOperation,
      {"アポイント [<>] 画像上の画素の色の値を読む;", "濃淡 [<>] 0.299R + 0.587G + 0.114B;"},
      {"appoint [<>] read pixel color values on the image;",
       "gray [<>] 0.299R + 0.587G + 0.114B;"}}},
    {3,
     {kOperation,
      {"1)対象色 [→] 画像をクリック [→] その画素が対象範囲を広げる;",
       "対象範囲 [<>] R, G, B, 濃淡 の min～Max; 白い疑似色で表示;"},
      {"1)target [→] LClick Image [→] the pixel widens the target range;",
       "target range [<>] min～Max of R, G, B, gray; shown by white as pseudocolor;"}}},
    {4,
     {kInfo,
      {"色条件のフラグ [<>] ３色, 濃淡, 赤, 緑, 青;",
       "濃淡 [<>] 対象の濃淡範囲にある画素を変える;"},
      {"flag of color condition [<>] 3C, gray, R, G or B;",
       "gray [<>] the pixels in the gray range of the target change;"}}},
    {5,
     {kOperation,
      {"画像をクリック [<>] 画像を左クリックする;",
       "→ min, Max [<>] その画素で対象範囲の min と Max を決める;"},
      {"LClick Image   [<>] Left click on the image;",
       "→ min, Max [<>] the pixel sets min and Max of the target range;"}}},
    {6,
     {kValue,
      {"R, G, B の帯 [<>] 各色の対象範囲 min～Max;",
       "min appoint Max [<>] min, 読んだ値, Max の表;"},
      {"R, G, B belts [<>] target range of each color, min～Max;",
       "min appoint Max [<>] table of min, appointed value and Max;"}}},
    {7,
     {kValue,
      {"濃淡の帯 [<>] 濃淡の対象範囲 min～Max;",
       "帯や菱形スイッチを左クリック [→] min または Max を変える;"},
      {"gray belt [<>] target range of gray, min～Max;",
       "Left click on the belt or diamond switch [→] change min or Max;"}}},
    {8,
     {kColour,
      {"2)変換色 [→] 画像をクリック [→] その画素の色が変換色になる;"},
      {"2)convert [→] LClick Image [→] the pixel color becomes convert color;"}}},
    {9,
     {kValue,
      {"変換色 [<>] 画像上, 棒グラフ, 電卓 で指定;",
       "数値枠 (+) 電卓 [→] R, G, B の値 0～255 を入力;", "棒グラフ [→] 左クリックで値を設定;"},
      {"convert color [<>] By On Image, Bar Graph, Cal;",
       "value box (+) cal [→] type R, G, B values 0～255;",
       "bar graph [→] Left click sets the value;"}}},
    {10,
     {kColour,
      {"色見本 [<>] 変換色を選ぶための色の表;"},
      {"color chart [<>] table of colors for choosing convert color;"}}},
    {11,
     {kOperation,
      {"[wk][md][all] [<>] [弱][中][全] [<>] 作用モードを選択 [→] 色を変換する;",
       "wk [<>] 3:1; md [<>] 1:1; all [<>] 0:1 (画素 : 変換色);"},
      {"[wk][md][all] [<>] [weak][middle][all] [<>] select action modes [→] act to convert "
       "color;",
       "wk [<>] 3:1; md [<>] 1:1; all [<>] 0:1 (pixel : convert color);"}}},
    {12, {kKeep, {ZC_SET_KEEP_JA("set KEEP4", "4")}, {ZC_SET_KEEP_EN("set KEEP4", "4")}}},
};

constexpr Topic kOutlineTopics[] = {
    {1,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] モード解除 (+) KEEP5画像を呼び出す;",
       "水色のマーク [→] モード解除; 画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] modes off (+) call KEEP5 image;",
       "light blue mark [→] modes off; the image stays;"}}},
    {3,
     {kOperation,
      {"局所対照 [<>] 点の周り半径 24 の局所コントラスト;",
       "左 click→変化 [<>] 点が移る; 右 click→固定 [<>] 画像に固定;",
       "右クリックのたびに [→] もう一度固定される;"},
      {"L Contrast [<>] local contrast in radius 24 around the point;",
       "L click→change [<>] move the point; R click→fixed [<>] fix it;",
       "each R click [→] the contrast is fixed once more;"}}},
    {4,
     {kColour,
      {"3)輪郭線 [<>] 画像の境目に輪郭色で線を引く;",
       "細 [→] 描画; 中 (+) 太 [<>] 使用不可; 消去 [→] 消す;"},
      {"3)Outline [<>] lines on the edges of the image in outline color;",
       "fine [→] draw; middle (+) fat [<>] not available; clear [→] erase;"}}},
    {5,
     {kValue,
      {"輪郭線判断値 [<>] 輪郭線のしきい値; 標準 <> 8;",
       "小さい [→] 密な輪郭線; 大きい [→] 疎な輪郭線;"},
      {"judge value [<>] threshold of outline; standard <> 8;",
       "smaller [→] denser outline; larger [→] sparser outline;"}}},
    {6,
     {kColour,
      {"4)筆 [<>] 筆の色で手書きの線を描く; 太 [→] 太い筆;",
       "左 click (+)drag →描画; 右 click→固定; 消去 [→] 線を消す;",
       "ゆっくり描く [→] 太い線; 速く描く [→] 細い線;"},
      {"4)Brush [<>] draw lines by hand in the brush color; fat [→] fat brush;",
       "L click (+)drag→draw; R click→fixed; clear [→] erase the lines;",
       "slow stroke [→] fat line; fast stroke [→] thin line;"}}},
    {7,
     {kColour,
      {"輪郭色 [<>] 輪郭線と筆の色; ／ [→] " ZC_OUTLINE_CYCLE_JA ";"},
      {"outlineC [<>] color of outline and brush;", "／ [→] " ZC_OUTLINE_CYCLE_EN ";"}}},
    {8,
     {kColour,
      {"指定色 [<>] 赤, 緑, 青の帯で示す筆の色;"},
      {"set C [<>] set color of the brush, shown by red, green and blue belts;"}}},
    {9, {kKeep, {ZC_SET_KEEP_JA("決定KEEP5", "5")}, {ZC_SET_KEEP_EN("set KEEP5", "5")}}},
};

constexpr Topic kPatternTopics[] = {
    {1,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 窓は空, 領域は全体 (+) KEEP6画像を呼び出す;",
       "水色のマーク [→] モード解除; 範囲と画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] window empty, whole area (+) call KEEP6 image;",
       "light blue mark [→] modes off; ranges and the image stay;"}}},
    {2,
     {kOperation,
      {"2)領域 [<>] 窓を描く領域; 全 [<>] キャンパス全体;",
       "画像で L click + drag [→] 領域を設定;"},
      {"2)Area [<>] area where the window is drawn; all [<>] whole canvas;",
       "L click + drag on the image [→] set the area;"}}},
    {3,
     {kColour,
      {"／ [<>] 輪郭色; " ZC_OUTLINE_CYCLE_JA ";", "領域の枠は黒で描かれる;"},
      {"／ [<>] outline color; " ZC_OUTLINE_CYCLE_EN ";", "the frame of the area is black;"}}},
    {4,
     {kInfo,
      {"全 [<>] 領域全体に窓; 内 (+) 外 [<>] 使用不可;"},
      {"all [<>] window in the whole area; in (+) out [<>] not available;"}}},
    {5,
     {kOperation,
      {"3)色の窓 [→] 画像を左クリック [→] その画素が窓の範囲を広げる;",
       "アポイントアイ [<>] 最後にクリックした画素の色;", "窓 [<>] 濃淡の範囲 from～to の部分;"},
      {"3)Zone [→] L click on the image [→] the pixel widens the window range;",
       "appoint eye [<>] color of the last clicked pixel;",
       "window [<>] part in the gray range from～to;"}}},
    {6,
     {kValue,
      {"濃淡値 [<>] 数値枠 (+) 電卓で窓の from～to を設定;",
       "濃淡の帯 [→] from または to を変える;"},
      {"gray value [<>] from～to of the window by value box (+) cal;",
       "gray belt [→] change from or to;"}}},
    {7,
     {kColour,
      {"4)窓色指定 [<>] 窓の色; 白 [<>] 255;", "黒 [<>] 使用不可;"},
      {"4)zone color [<>] color of the window; W [<>] white 255;",
       "B [<>] black; not available;"}}},
    {8,
     {kOperation,
      {"5)窓色描写 [→] 窓を窓色で描く;",
       "領域が無効 [→] 紺色のマークでリセット, または L click + drag で設定;"},
      {"5)draw zone [→] draw the window in the zone color;",
       "The Area is off [→] click blue reset mark, or L click + drag on the image;"}}},
    {9,
     {kColour,
      {"6)型紙化 [→] 窓の部分は白 (+) 型の部分は灰色 192;",
       "型反転 [<>] 型の部分は窓色 (+) 窓の部分は灰色 192;",
       "窓がない [→] リセットして 2)3)から やり直す;"},
      {"6)Pattern [→] window part white (+) pattern part gray 192;",
       "Reverse [<>] pattern part in zone color (+) window part gray 192;",
       "no window [→] reset and try again since 2) or 3);"}}},
    {10,
     {kValue,
      {"(+)ゆる型 [<>] ゆるやかな型紙; 窓と型の間の濃淡の段階;", "ゆる型 0 [<>] 二値の型紙;"},
      {"(+)soft [<>] soft pattern; gray steps between window and pattern;",
       "soft 0 [<>] two-tone pattern;"}}},
    {11,
     {kKeep,
      {"7)決定保存 [→] 名前をつけて保存する のダイアログを呼び出す;"},
      {"7)Set Save [→] call a dialog box of SAVE WITH A NAME;"}}},
    {12, {kKeep, {ZC_SET_KEEP_JA("決定KEEP6", "6")}, {ZC_SET_KEEP_EN("set KEEP6", "6")}}},
    {17,
     {kInfo,
      {"色条件のフラグ [<>] 濃淡 (３色は使用不可);",
       "R, G, B の帯 [<>] 各色の範囲; 菱形スイッチ [→] 飛値 8;"},
      {"flag of color condition [<>] gray (3C not available);",
       "R, G, B belts [<>] range of each color; diamond switch [→] step 8;"}}},
    {18,
     {kValue,
      {"ゆる型の境 [<>] ゆる型の明るい側と暗い側の限界;"},
      {"soft borders [<>] light and dark limits of the soft pattern;"}}},
};

constexpr Topic kTransferTopics[] = {
    {1,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 多角形を解除 (+) KEEP7画像を呼び出す;",
       "水色のマーク [→] 多角形を解除; 画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] polygon cleared (+) call KEEP7 image;",
       "light blue mark [→] polygon cleared; the image stays;"}}},
    {2,
     {kValue,
      {"濃淡 [<>] 塗りつぶす旗の色 RGB=(p,p,p); 標準 <> 192;"},
      {"gray [<>] flag color of the fill, RGB=(p,p,p); standard <> 192;"}}},
    {3,
     {kOperation,
      {"形状 [<>] 円, 四角, 三角の印; 右クリックで固定;"},
      {"shape [<>] seal of disc, square or triangle; R Click → Fix;"}}},
    {4,
     {kValue,
      {"径 [<>] 印の大きさ (画素); 標準 <> 32;"},
      {"width [<>] size of the seal in pixels; standard <> 32;"}}},
    {5,
     {kOperation,
      {"領域 [<>] 四角の領域; L click + drag [→] 領域; 右クリックで削除;"},
      {"area [<>] square area; L click + drag [→] area; R Click → Cut;"}}},
    {6,
     {kOperation,
      {"多角形 [<>] 多角形の内側を削除する, または塗る;",
       "開始 [→] 角ごとに左クリック [→] 閉鎖 [→] 削除(白) または 濃淡の旗;"},
      {"polygon [<>] cut or paint the inside of a polygon;",
       "start [→] L click on each corner [→] close [→] delete or gray flag;"}}},
    {7,
     {kColour,
      {"／ [<>] トレースする輪郭色; " ZC_OUTLINE_CYCLE_JA ";"},
      {"／ [<>] outline color to trace;", ZC_OUTLINE_CYCLE_EN ";"}}},
    {8,
     {kInfo,
      {"水平線の旗 [<>] 行ごとに切り取る; 縦に近い辺に向く;"},
      {"level line flag [<>] cut row by row; for almost vertical sides;"}}},
    {9,
     {kOperation,
      {"輪郭線トレース [<>] 多角形の辺が画像の輪郭線に沿う;",
       "緑の十字 [<>] 輪郭線の上; 赤の十字 [<>] 輪郭線の外;"},
      {"trace outline [<>] sides of the polygon follow the outlines on the image;",
       "green cross [<>] on the outline; red cross [<>] off the outline;"}}},
    {10,
     {kOperation,
      {"閉鎖 [→] 最後の角から最初の角へ辺を引く; 右クリックでも閉じる;"},
      {"close [→] the last side back to the first corner; R Click → Set;"}}},
    {11,
     {kOperation,
      {"削除(白) [→] 内側を白 (255,255,255) にする;", "濃淡の旗 [→] 内側を濃淡の値にする;"},
      {"delete [→] the inside becomes white (255,255,255);",
       "gray flag [→] the inside becomes the gray value;"}}},
    {12, {kKeep, {ZC_SET_KEEP_JA("2)決定KEEP7", "7")}, {ZC_SET_KEEP_EN("2)KEEP7", "7")}}},
    {13,
     {kColour,
      {"3)型紙化 [→] 白い部分 [<>] 窓; 他の部分 [<>] 灰色 192;"},
      {"3)Pattarn [→] white part [<>] window; other part [<>] gray 192;"}}},
    {14,
     {kKeep,
      {"4)型紙保存 [→] 型紙を名前をつけて保存; 窓 255, 型 127;"},
      {"4)SavePatt. [→] save the pattern with a name; window 255, pattern 127;"}}},
    {15,
     {kOperation,
      {"5)原画像 [→] 原画像を呼び出す; KEEP7 を置き換える;"},
      {"5)CallReal [→] call the real image; it replaces KEEP7;"}}},
    {16,
     {kKeep,
      {"7)像保存 [→] 名前をつけて保存する のダイアログを呼び出す;",
       "8)出現 タブ [→] 転送画像が出現ページへ;"},
      {"7)SaveTrfr [→] call a dialog box of SAVE WITH A NAME;",
       "tab 8)Appear [→] the transfer image goes to the Appear page;"}}},
    {17,
     {kOperation,
      {"開始 [→] 多角形の角ごとに左クリック;", "もう一度 開始 [→] 塗らずに終了;"},
      {"start [→] L click on each corner of the polygon;",
       "start again [→] stop without filling;"}}},
    {18,
     {kInfo,
      {"垂直線の旗 [<>] 列ごとに切り取る; 横に近い辺に向く;"},
      {"vertical line flag [<>] cut column by column; for almost level sides;"}}},
    {19,
     {kColour,
      {"6)型転写 [→] 型の部分に原画像 (+) 窓の部分に窓色;"},
      {"6)ShotPatt. [→] real image on pattern part (+) zone color on window part;"}}},
    {20,
     {kInfo,
      {"切取 [<>] 切り取り方; 水平線の旗 (+) 垂直線の旗;"},
      {"cut [<>] way of cutting; level line flag (+) vertical line flag;"}}},
    {21,
     {kColour,
      {"型反転 [<>] 型の部分は窓色 (+) 窓の部分は灰色 192;"},
      {"Reverse [<>] pattern part in zone color (+) window part gray 192;"}}},
};

constexpr CommentText kTraceStart{
    kOperation,
    {"トレース開始 [→] 角ごとに輪郭線の上を左クリック;",
     "輪郭線上の二つの角の間 [→] 辺は輪郭線に沿う;"},
    {"trace start [→] L click on the outline at each corner;",
     "between two corners on the outline [→] the side follows the outline;"}};

// Topics 3 and 4 are the back-image and transfer-image comments that the page shows by its
// step while no other topic is asked for.
constexpr Topic kAppearTopics[] = {
    {1,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 全て初期値 (+) KEEP8画像を背景画像に;",
       "水色のマーク [→] マウス移動を解除; 次の操作まで表示なし;"},
      {ZC_RESET_EN, "dark blue mark [→] all default (+) KEEP8 image as back image;",
       "light blue mark [→] mouse move off; nothing shown until the next step;"}}},
    {2,
     {kOperation,
      {"A 画像呼出 [→] 1)背景画像 (+) 2)転送画像 を外部ファイルから;"},
      {"get image [→] 1)back image (+) 2)trfr image from outer files;"}}},
    {3,
     {kView,
      {"背景画像 [<>] 転送画像の後ろの画像 (0000back.bmp);",
       "2)転送画像 [→] 次に転送画像を呼び出す;"},
      {"back image [<>] image behind the transfer image (0000back.bmp);",
       "2)trfr image [→] call the transfer image next;"}}},
    {4,
     {kView,
      {"転送画像 [<>] 背景画像の上の画像 (0000trfr.bmp);",
       "1)背景画像 [→] 背景画像を呼び出す; 3)実体化 [→] 合成;"},
      {"trfr image [<>] transfer image over the back image (0000trfr.bmp);",
       "1)back image [→] call the back image; 3)real appear [→] compose;"}}},
    {5,
     {kInfo,
      {"透過窓 [<>] 背景画像が見える転送画像の画素;"},
      {"pass zone [<>] pixels of the trfr image through which the back image shows;"}}},
    {6,
     {kColour,
      {"真黒 [<>] 完全な黒 (0,0,0) を透過窓にする;"},
      {"Black [<>] perfect black (0,0,0) as pass zone;"}}},
    {7,
     {kColour,
      {"真白 [<>] 完全な白 (255,255,255) を透過窓にする; 標準;"},
      {"White [<>] perfect white (255,255,255) as pass zone; standard;"}}},
    {8,
     {kInfo,
      {"旗 [<>] 透過窓の色条件; 濃淡, ３色, 赤, 緑, 青 など;"},
      {"flag [<>] color condition of pass zone; gray, 3C, red, green, blue etc.;"}}},
    {9,
     {kValue,
      {"[f - t] [<>] 透過窓の始まりと終わり, 0～255;",
       "帯 (+) 菱形スイッチ (+) 電卓 [→] f または t を変える;"},
      {"[f - t] [<>] start and end of the pass zone, 0～255;",
       "belt (+) diamond switch (+) cal [→] change f or t;"}}},
    {10,
     {kValue,
      {"幽値 [<>] 透過窓の境のぼかし; 0～8;"},
      {"grad [<>] gradation at the border of pass zone; 0～8;"}}},
    {11,
     {kOperation,
      {"3)実体化 [→] 透過窓を通して背景画像が現れる;", "実体化した転送画像は保存するまで動かせる;"},
      {"3)real appear [→] back image appears through the pass zone;",
       "real appeared transfer(trfr) image can move until it is saved;"}}},
    {12,
     {kOperation,
      {"マウス移動 [→] 画像で L click + drag [→] 転送画像を動かす;"},
      {"mouse move [→] L click + drag on the image [→] move the trfr image;"}}},
    {13,
     {kValue,
      {"微動 [<>] ← ↑ ↓ → で少しずつ動かす; 幅 [<>] 動かす幅;"},
      {"fine [<>] fine moving by ← ↑ ↓ →; pixel [<>] step of the move;"}}},
    {14, {kKeep, {ZC_SET_KEEP_JA("4決定KEEP8", "8")}, {ZC_SET_KEEP_EN("4)KEEP8", "8")}}},
    {15,
     {kKeep,
      {"5)決定保存 [→] 名前をつけて保存する(appear) のダイアログを呼び出す;"},
      {"5)save image [→] call a dialog box of SAVE WITH A NAME(appear);"}}},
    {16,
     {kView,
      {ZC_WHOLE_VIEW_JA, "キャンパス [→] キャンパス全体; 全体視終了 [→] 等倍の表示に戻る;"},
      {ZC_WHOLE_VIEW_EN, "canvas [→] whole canvas; back [→] back to the view in pixel size;"}}},
};

struct TopicRow {
  int32_t pageId;
  std::span<const TopicComment> (*topics)();
};

// The topic comments of each page, in tab order; the four pages listed first keep theirs in
// text/<page>_texts.cpp.
template <const auto& Table>
std::span<const TopicComment> topicsOf() {
  return Table;
}
constexpr TopicRow kTopicTables[kPageCount] = {
    {kPageTop, topTopicComments},
    {kPageFilter, filterTopicComments},
    {kPageSwap, swapTopicComments},
    {kPageZindleEye, zindleEyeTopicComments},
    {kPageChange, topicsOf<kChangeTopics>},
    {kPageOutline, topicsOf<kOutlineTopics>},
    {kPagePattern, topicsOf<kPatternTopics>},
    {kPageTransfer, topicsOf<kTransferTopics>},
    {kPageAppear, topicsOf<kAppearTopics>},
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
static_assert(topicNumbersAscend(kChangeTopics) && topicNumbersAscend(kOutlineTopics) &&
              topicNumbersAscend(kPatternTopics) && topicNumbersAscend(kTransferTopics) &&
              topicNumbersAscend(kAppearTopics));
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

const CommentText& traceStartComment() {
  return kTraceStart;
}

}  // namespace zc
