#pragma once
#include <cstddef>

namespace zc {

// A text of the screen in both languages; the drawer picks one by `Language` when it draws.
struct LabelText {
  const char* japanese;
  const char* english;
};

inline constexpr LabelText kNoLabel{"", ""};

// The label of `item` in a page's table written in the order of its label enum; an empty label
// for an item outside the table.
template <typename Enum, std::size_t N>
const LabelText& pickLabel(const LabelText (&table)[N], Enum item) {
  const auto index = static_cast<std::size_t>(item);
  return index < N ? table[index] : kNoLabel;
}

}  // namespace zc
