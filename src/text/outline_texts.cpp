#include "text/outline_texts.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

constexpr LabelText kOutlineLabels[] = {
    {"[ 輪郭線 ]", "[Outline]"},          // Heading
    {"1)画像呼出", "Get Image"},          // GetImage
    {"2)局所対照", "2)L Contrast"},       // LocalContrast
    {"左 click→変化", "L click→change"},  // ContrastLeftClick
    {"右 click→固定", "R click→fixed"},   // ContrastRightClick
    {"3)輪郭線", "3)Outline"},            // Outline
    {"細", "fine"},                       // Fine
    {"中", "middle"},                     // Middle
    {"太", "fat"},                        // Fat
    {"消去", "clear"},                    // Clear
    {"輪郭線判断値", "judge value"},      // JudgeHeading
    {"%2d", "%2d"},                       // JudgeValue
    {"4)筆", "4)Brush"},                  // Brush
    {"左 click", "L click"},              // BrushLeftClick
    {"(+)drag →描画", "(+)drag→draw"},    // BrushDrag
    {"右 click→固定", "R click→fixed"},   // BrushRightClick
    {"輪郭色", "outlineC"},               // OutlineColour
    {"／", "／"},                         // NextColour
    {"指定色", "set C"},                  // SetColour
    {"5)保存", "5)Save"},                 // Save
    {"決定KEEP5", "set KEEP5"},           // SetKeep5
};
static_assert(std::size(kOutlineLabels) == static_cast<std::size_t>(OutlineLabel::Count));

}  // namespace

const LabelText& label(OutlineLabel item) {
  return kOutlineLabels[static_cast<std::size_t>(item)];
}

}  // namespace zc
