#include "text/appear_texts.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

constexpr LabelText kAppearLabels[] = {
    {"[ 出現 ]", "[APPEAR]"},              // Heading
    {"A 画像呼出", "get image"},           // GetImageHeading
    {"1)背景画像", "1)back image"},        // BackImage
    {"2)転送画像", "2)trfr image"},        // TransferImage
    {"B 透過窓", "pass zone"},             // PassZoneHeading
    {"真黒", "Black"},                     // Black
    {"真白", "White"},                     // White
    {"３色", "3C"},                        // Condition1
    {"濃淡", "gray"},                      // Condition2
    {"赤", "red"},                         // Condition3
    {"緑", "green"},                       // Condition4
    {"青", "blue"},                        // Condition5
    {"シアン", "cyan"},                    // Condition6
    {"マゼンタ", "magenta"},               // Condition7
    {"イエロー", "yellow"},                // Condition8
    {"%3d", "[%3d"},                       // ZoneStart
    {"-", "-"},                            // ZoneDash
    {"%3d", "%3d]"},                       // ZoneEnd
    {"幽値", "grad"},                      // Gradation
    {"%2d", "%2d"},                        // GradationValue
    {"C 出現", "all appear"},              // AllAppearHeading
    {"3)実体化", "3)real appear"},         // RealAppear
    {"マウス移動", "mouse move"},          // MouseMove
    {"L click + drag", "L click + drag"},  // DragHint
    {"微動", "fine"},                      // Fine
    {"　幅", "pixel"},                     // FinePixel
    {"%3d", "%3d"},                        // FineStepValue
    {"←", "←"},                            // ArrowLeft
    {"↑", "↑"},                            // ArrowUp
    {"↓", "↓"},                            // ArrowDown
    {"→", "→"},                            // ArrowRight
    {"4決定KEEP8", "4)KEEP8"},             // Keep8
    {"D 外部保存", "outer file"},          // OuterFileHeading
    {"5)決定保存", "5)save image"},        // SaveImage
    {"全体視(鳥瞰)", "whole view"},        // WholeViewHeading
    {"キャンパス", "canvas"},              // WholeViewCanvas
    {"全体視終了", "back"},                // WholeViewBack
};
static_assert(std::size(kAppearLabels) == static_cast<std::size_t>(AppearLabel::Count));

}  // namespace

const LabelText kAppearSaveDialogTitle{"名前をつけて保存する(appear)", "SAVE WITH A NAME(appear)"};

const LabelText& label(AppearLabel item) {
  return kAppearLabels[static_cast<int>(item)];
}

const LabelText& zoneConditionLabel(int condition) {
  const int n = (condition >= 1 && condition <= 8) ? condition : 2;
  return kAppearLabels[static_cast<int>(AppearLabel::Condition1) + n - 1];
}

}  // namespace zc
