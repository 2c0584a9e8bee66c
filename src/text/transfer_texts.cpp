#include "text/transfer_texts.h"

#include <cstddef>
#include <iterator>

#include "text/topic_comment_kit.h"

namespace zc {
namespace {

using namespace topic_tints;

constexpr LabelText kTransferLabels[] = {
    {"[ 転送 ]", "[Transfer]"},             // Heading
    {"1)型画像", "1)GetShadow"},            // GetShadow
    {"濃淡", "gray"},                       // Gray
    {"%3d", "%3d"},                         // GrayValue
    {"形状", "shape"},                      // Shape
    {"径", "width"},                        // Width
    {"%2d", "%2d"},                         // WidthValue
    {"右クリックで固定", "R Click → Fix"},  // RightClickFix
    {"領域", "area"},                       // Area
    {"L click + drag", "L click + drag"},   // LeftClickDrag
    {"右クリックで削除", "R Click → Cut"},  // RightClickCut
    {"多角形", "polygon"},                  // Polygon
    {"／", "／"},                           // OutlineColour
    {"切取", "cut"},                        // Cut
    {"輪郭線トレース", "trace outline"},    // TraceOutline
    {"開始", "start"},                      // Start
    {"閉鎖", "close"},                      // Close
    {"右クリック → 閉", "R Click → Set"},   // RightClickSet
    {"削除(白)", "delete"},                 // Delete
    {"2)決定KEEP7", "2)KEEP7"},             // Keep7
    {"3)型紙化", "3)Pattarn"},              // Pattern
    {"　型反転", "  Reverse"},              // Reverse
    {"4)型紙保存", "4)SavePatt."},          // SavePattern
    {"5)原画像", "5)CallReal"},             // CallReal
    {"6)型転写", "6)ShotPatt."},            // ShotPattern
    {"7)像保存", "7)SaveTrfr"},             // SaveTransfer
};
static_assert(std::size(kTransferLabels) == static_cast<std::size_t>(TransferLabel::Count));

constexpr TopicComment kTransferTopics[] = {
    {kTransferResetTopic,
     {kReset,
      {ZC_RESET_JA, "紺色のマーク [→] 多角形を解除 (+) KEEP7画像を呼び出す;",
       "水色のマーク [→] 多角形を解除; 画像はそのまま;"},
      {ZC_RESET_EN, "dark blue mark [→] polygon cleared (+) call KEEP7 image;",
       "light blue mark [→] polygon cleared; the image stays;"}}},
    {kTransferGrayTopic,
     {kValue,
      {"濃淡 [<>] 塗りつぶす旗の色 RGB=(p,p,p); 標準 <> 192;"},
      {"gray [<>] flag color of the fill, RGB=(p,p,p); standard <> 192;"}}},
    {kTransferShapeTopic,
     {kOperation,
      {"形状 [<>] 円, 四角, 三角の印; 右クリックで固定;"},
      {"shape [<>] seal of disc, square or triangle; R Click → Fix;"}}},
    {kTransferWidthTopic,
     {kValue,
      {"径 [<>] 印の大きさ (画素); 標準 <> 32;"},
      {"width [<>] size of the seal in pixels; standard <> 32;"}}},
    {kTransferAreaTopic,
     {kOperation,
      {"領域 [<>] 四角の領域; L click + drag [→] 領域; 右クリックで削除;"},
      {"area [<>] square area; L click + drag [→] area; R Click → Cut;"}}},
    {kTransferPolygonTopic,
     {kOperation,
      {"多角形 [<>] 多角形の内側を削除する, または塗る;",
       "開始 [→] 角ごとに左クリック [→] 閉鎖 [→] 削除(白) または 濃淡の旗;"},
      {"polygon [<>] cut or paint the inside of a polygon;",
       "start [→] L click on each corner [→] close [→] delete or gray flag;"}}},
    {kTransferOutlineColourTopic,
     {kColour,
      {"／ [<>] トレースする輪郭色; " ZC_OUTLINE_CYCLE_JA ";"},
      {"／ [<>] outline color to trace;", ZC_OUTLINE_CYCLE_EN ";"}}},
    {kTransferLevelLineTopic,
     {kInfo,
      {"水平線の旗 [<>] 行ごとに切り取る; 縦に近い辺に向く;"},
      {"level line flag [<>] cut row by row; for almost vertical sides;"}}},
    {kTransferTraceTopic,
     {kOperation,
      {"輪郭線トレース [<>] 多角形の辺が画像の輪郭線に沿う;",
       "緑の十字 [<>] 輪郭線の上; 赤の十字 [<>] 輪郭線の外;"},
      {"trace outline [<>] sides of the polygon follow the outlines on the image;",
       "green cross [<>] on the outline; red cross [<>] off the outline;"}}},
    {kTransferCloseTopic,
     {kOperation,
      {"閉鎖 [→] 最後の角から最初の角へ辺を引く; 右クリックでも閉じる;"},
      {"close [→] the last side back to the first corner; R Click → Set;"}}},
    {kTransferDeleteTopic,
     {kOperation,
      {"削除(白) [→] 内側を白 (255,255,255) にする;", "濃淡の旗 [→] 内側を濃淡の値にする;"},
      {"delete [→] the inside becomes white (255,255,255);",
       "gray flag [→] the inside becomes the gray value;"}}},
    {kTransferKeepTopic,
     {kKeep, {ZC_SET_KEEP_JA("2)決定KEEP7", "7")}, {ZC_SET_KEEP_EN("2)KEEP7", "7")}}},
    {kTransferPatternTopic,
     {kColour,
      {"3)型紙化 [→] 白い部分 [<>] 窓; 他の部分 [<>] 灰色 192;"},
      {"3)Pattarn [→] white part [<>] window; other part [<>] gray 192;"}}},
    {kTransferSavePatternTopic,
     {kKeep,
      {"4)型紙保存 [→] 型紙を名前をつけて保存; 窓 255, 型 127;"},
      {"4)SavePatt. [→] save the pattern with a name; window 255, pattern 127;"}}},
    {kTransferCallRealTopic,
     {kOperation,
      {"5)原画像 [→] 原画像を呼び出す; KEEP7 を置き換える;"},
      {"5)CallReal [→] call the real image; it replaces KEEP7;"}}},
    {kTransferSaveTopic,
     {kKeep,
      {"7)像保存 [→] 名前をつけて保存する のダイアログを呼び出す;",
       "8)出現 タブ [→] 転送画像が出現ページへ;"},
      {"7)SaveTrfr [→] call a dialog box of SAVE WITH A NAME;",
       "tab 8)Appear [→] the transfer image goes to the Appear page;"}}},
    {kTransferStartTopic,
     {kOperation,
      {"開始 [→] 多角形の角ごとに左クリック;", "もう一度 開始 [→] 塗らずに終了;"},
      {"start [→] L click on each corner of the polygon;",
       "start again [→] stop without filling;"}}},
    {kTransferVerticalLineTopic,
     {kInfo,
      {"垂直線の旗 [<>] 列ごとに切り取る; 横に近い辺に向く;"},
      {"vertical line flag [<>] cut column by column; for almost level sides;"}}},
    {kTransferShotTopic,
     {kColour,
      {"6)型転写 [→] 型の部分に原画像 (+) 窓の部分に窓色;"},
      {"6)ShotPatt. [→] real image on pattern part (+) zone color on window part;"}}},
    {kTransferCutTopic,
     {kInfo,
      {"切取 [<>] 切り取り方; 水平線の旗 (+) 垂直線の旗;"},
      {"cut [<>] way of cutting; level line flag (+) vertical line flag;"}}},
    {kTransferReverseTopic,
     {kColour,
      {"型反転 [<>] 型の部分は窓色 (+) 窓の部分は灰色 192;"},
      {"Reverse [<>] pattern part in zone color (+) window part gray 192;"}}},
};
static_assert(topicNumbersAscend(kTransferTopics));

constexpr CommentText kTraceStart{
    kOperation,
    {"トレース開始 [→] 角ごとに輪郭線の上を左クリック;",
     "輪郭線上の二つの角の間 [→] 辺は輪郭線に沿う;"},
    {"trace start [→] L click on the outline at each corner;",
     "between two corners on the outline [→] the side follows the outline;"}};

}  // namespace

const LabelText& label(TransferLabel item) {
  return kTransferLabels[static_cast<std::size_t>(item)];
}

std::span<const TopicComment> transferTopicComments() {
  return kTransferTopics;
}

const CommentText& traceStartComment() {
  return kTraceStart;
}

}  // namespace zc
