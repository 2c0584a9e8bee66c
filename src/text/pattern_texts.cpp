#include "text/pattern_texts.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

constexpr LabelText kPatternLabels[] = {
    {"[ 型紙化 ]", "[Pattern]"},             // Heading
    {"1)画像呼出", "1)GetShadow"},           // GetShadow
    {"2)領域", "2)Area"},                    // Area
    {"／", "／"},                            // OutlineColour
    {"L click + drag", "L click + drag"},    // DragHint
    {"全", "all"},                           // All
    {"内", "in"},                            // In
    {"外", "out"},                           // Out
    {"3)色の窓", "3)Zone"},                  // Zone
    {"アポイントアイ", "appoint eye"},       // AppointEye
    {"３色", "3C"},                          // ThreeColours
    {"濃淡", "gray"},                        // Grey
    {"%3d   %3d   %3d", "%3d   %3d   %3d"},  // BeltValues
    {"%3d", "%3d"},                          // GreyValue
    {"4)窓色指定", "4)zone color"},          // ZoneColourHeading
    {"黒", "B"},                             // Black
    {" %3d", " %3d"},                        // ZoneColourValue
    {"白", "W"},                             // White
    {"5)窓色描写", "5)draw zone"},           // DrawZone
    {"6)型紙化", "6)Pattern"},               // Pattern
    {"　型反転", "  Reverse"},               // Reverse
    {"(+)ゆる型 %1d", "(+)soft %1d"},        // Soft
    {"%2d", "%2d"},                          // SoftBorder
    {"7)決定保存", "7)Set Save"},            // SetSave
    {"  決定KEEP6", " SetK EEP6"},           // SetKeep6: the English spacing is the label's
};
static_assert(std::size(kPatternLabels) == static_cast<std::size_t>(PatternLabel::Count));

}  // namespace

const LabelText& label(PatternLabel item) {
  return kPatternLabels[static_cast<int>(item)];
}

const LabelText kAreaOffQuestion{
    "領域が無効になりました。次の1)または2)を実行してください。\n"
    "  1)紺色のマークでリセットしてやり直す。\n"
    "  2)画像で L click + drag して設定する。",
    "The Area is off. Plese do next 1) or 2).\n"
    "  Click blue reset mark and try again.1)\n"
    "  2)Reset an area by L click + drag on the image."};

const LabelText kNoWindowQuestion{
    "この画像には窓が設定されていません\n"
    "紺色マークでリセットして\n"
    "2)3)から やり直してください",
    "There is no window on this image\n"
    "Plese reset to L click on dark blue mark\n"
    "And try again since 2) or 3)"};

}  // namespace zc
