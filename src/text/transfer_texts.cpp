#include "text/transfer_texts.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

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

}  // namespace

const LabelText& label(TransferLabel item) {
  return kTransferLabels[static_cast<std::size_t>(item)];
}

}  // namespace zc
