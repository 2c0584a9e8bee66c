#include "text/change_texts.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

// Texts below "2)convert" are English in both languages.
constexpr LabelText kChangeLabels[] = {
    {"[ 色変換 ]", "[CHANGE]"},              // Heading
    {"アポイント", " appoint"},              // Appoint
    {"1)対象色", "1)target"},                // Target
    {"３色", "3C"},                          // Flag3C
    {"濃淡", "gray"},                        // FlagGrey
    {"赤", "R"},                             // FlagRed
    {"緑", "G"},                             // FlagGreen
    {"青", "B"},                             // FlagBlue
    {"画像をクリック", "LClickImage"},       // LClickImage
    {"→ min, Max", "→ min, Max"},            // ToMinMax
    {"min appoint Max", "min appoint Max"},  // TableHeading
    {"%3d  %3d  %3d", "%3d  %3d  %3d"},      // TableRow
    {"2)変換色", "2)convert"},               // Convert
    {"%3d", "%3d"},                          // ConvertValue
    {"By On Image,", "By On Image,"},        // ByOnImage
    {"Bar Graph, Cal", "Bar Graph, Cal"},    // BarGraphCal
    {"3)act", "3)act"},                      // Act
    {"wk", "wk"},                            // Weak
    {"md", "md"},                            // Middle
    {"all", "all"},                          // All
    {"4)save", "4)save"},                    // Save
    {"set KEEP4", "set KEEP4"},              // SetKeep4
};
static_assert(std::size(kChangeLabels) == static_cast<std::size_t>(ChangeLabel::Count));

}  // namespace

const LabelText& label(ChangeLabel item) {
  return kChangeLabels[static_cast<std::size_t>(item)];
}

const LabelText& colorConditionLabel(int condition) {
  const int offset = condition >= 1 && condition <= 5 ? condition - 1 : 0;
  return kChangeLabels[static_cast<std::size_t>(ChangeLabel::Flag3C) + offset];
}

}  // namespace zc
