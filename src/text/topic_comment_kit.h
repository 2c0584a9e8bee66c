#pragma once
// What the pages' topic comment tables share: the tints of the blocks by their kind and the lines
// several pages use. Only the text layer's comment tables include this.
#include "platform/rgb.h"

namespace zc::topic_tints {

inline constexpr Rgb kOperation{20, 40, 155};  // what a button or mode does
inline constexpr Rgb kInfo{50, 50, 50};        // what a value, scale or list means
inline constexpr Rgb kReset{192, 16, 32};      // reset marks and cautions
inline constexpr Rgb kKeep{16, 96, 96};        // keep slots and saving
inline constexpr Rgb kValue{128, 96, 16};      // value boxes, belts, steps
inline constexpr Rgb kView{16, 128, 32};       // whole view and display
inline constexpr Rgb kColour{112, 32, 128};    // colours, outlines, brush

}  // namespace zc::topic_tints

// Lines shared by several pages.
#define ZC_RESET_EN "reset mark [<>] switch to come back to default;"
#define ZC_RESET_JA "リセットマーク [<>] 初期状態に戻すスイッチ;"
#define ZC_WHOLE_VIEW_EN \
  "whole view [<>] see whole view of all image (image) or digital space for operation (canvas);"
#define ZC_WHOLE_VIEW_JA "全体視 [<>] 画像全体 (イメージ) または作業空間全体 (キャンパス) を見る;"
#define ZC_SET_KEEP_EN(button, n)                                   \
  "Left click on [" button                                          \
  "] [→] save the image to inner memory ([<>] set), and save as " \
  "outer file with a name of KEEP" n ".bmp;"
#define ZC_SET_KEEP_JA(button, n)                                      \
  "[" button "] を左クリック [→] 画像を内部メモリに保存 ([<>] 決定);", \
      "(+) KEEP" n ".bmp という名前で外部ファイルに保存;"
#define ZC_OUTLINE_CYCLE_EN "black→white→water→gray→blue→red"
#define ZC_OUTLINE_CYCLE_JA "黒→白→水色→灰色→青→赤"
