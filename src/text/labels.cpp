#include "text/labels.h"

#include <cstddef>
#include <iterator>

namespace zc {
namespace {

constexpr LabelText kNoLabel{"", ""};

constexpr LabelText kTabLabels[12] = {
    {"0)トップ", "0)Top"},     {"1)フィルタ", "1)Filter"}, {"2)色交換", "2)Swap"},
    {"3)Ｚ.アイ", "3)Z.Eye"},  {"4)色変換", "4)Change"},   {"5)輪郭線", "5)Outline"},
    {"6)型紙化", "6)Pattern"}, {"7)転送", "7)Transfer"},   {"8)出現", "8)Appear"},
    {"→保存", "SAVE"},         {"復元←", "Restore"},       {"呼出←", "Call"},
};

constexpr LabelText kTopLabels[] = {
    {"[トップ]", "[ TOP ]"},            // Heading
    {"リセットマーク", "reset mark"},   // ResetMarkText
    {"画布サイズ", "canvas"},           // Canvas
    {" 960× 640", " 960× 640"},         // Canvas960
    {"1200× 800", "1200× 800"},         // Canvas1200
    {"1440× 960", "1440× 960"},         // Canvas1440
    {"1680×1120", "1680×1120"},         // Canvas1680
    {"画像呼出", "get image"},          // GetImageHeading
    {"画像呼出", "get image"},          // GetImage
    {"画像保存", "keep image"},         // KeepHeading
    {"像 KEEP0", "save KEEP0"},         // SaveKeep0
    {"表示言語", "language"},           // LanguageHeading
    {"ENGLISH", "JAPANESE"},            // LanguageSwitch: names the language it switches to
    {"全体視(鳥瞰)", "whole view"},     // WholeViewHeading
    {"イメージ", "image"},              // WholeViewImage
    {"キャンパス", "canvas"},           // WholeViewCanvas
    {"全体視終了", "back"},             // WholeViewBack
    {"コメント記号", "note code"},      // NoteCode
    {"Ａ [<>] Ｂ;", "A [<>] B;"},       // Legend0
    {" ＡはＢ;", " A is B;"},           // Legend1
    {"Ａ [→] Ｂ;", "A [→] B;"},         // Legend2
    {" ＡならばＢ;", " if A then B;"},  // Legend3
    {"Ａ(+)Ｂ;", "A (+) B;"},           // Legend4
    {" ＡかつＢ;", " A and B;"},        // Legend5
};
static_assert(std::size(kTopLabels) == static_cast<std::size_t>(TopLabel::Count));

constexpr LabelText kFilterLabels[] = {
    {"[フィルタ]", "[FILTER]"},           // Heading
    {"画像呼出", "get image"},            // GetImage
    {"光　核", "light core"},             // LightCoreHeading
    {">|<", ">|<"},                       // SpectrumCore
    {"%3d", "%3d"},                       // FValue
    {"～", "～"},                         // Separator
    {"%3d", "%3d"},                       // TValue
    {"　実　行", "　action"},             // LightCoreAction
    {"色の強弱", "color power"},          // ColorPowerHeading
    {"%4d", "%4d"},                       // ColorPowerValue
    {"1", "1"},                           // PowerScale1
    {"50", "50"},                         // PowerScale50
    {"100", "100"},                       // PowerScale100
    {"100", "100"},                       // PowerScaleLower100
    {"500", "500"},                       // PowerScale500
    {"1000", "1000"},                     // PowerScale1000
    {"各色の強弱", "each power"},         // EachPowerHeading
    {"　実　行", "  action"},             // ColorPowerAction
    {"色バランス回復", "color balance"},  // ColorBalanceHeading
    {"ピーチ", " peach"},                 // Peach
    {"ベリー", " berry"},                 // Berry
    {"決定 KEEP1", "set KEEP1"},          // SetKeep1
    {"電卓", "cal"},                      // Cal
    {"ＡＣ", "ＡＣ"},                     // AllClear
    {"０", "０"},                         // Digit0
    {"１", "１"},                         // Digit1
    {"２", "２"},                         // Digit2
    {"３", "３"},                         // Digit3
    {"４", "４"},                         // Digit4
    {"５", "５"},                         // Digit5
    {"６", "６"},                         // Digit6
    {"７", "７"},                         // Digit7
    {"８", "８"},                         // Digit8
    {"９", "９"},                         // Digit9
    {"    ", "    "},                     // TypedNumber
    {" ＋", " ＋"},                       // Plus
    {" －", " －"},                       // Minus
    {"Ｃ", "Ｃ"},                         // Clear
    {"飛値", "step"},                     // StepHeading
    {" %2d", " %2d"},                     // StepValue
};
static_assert(std::size(kFilterLabels) == static_cast<std::size_t>(FilterLabel::Count));

constexpr LabelText kSwapLabels[] = {
    {"[ 色変換 ]", "[SWAP]"},        // Heading
    {"色の変換", "swap color"},      // SwapColor
    {"決定 KEEP2", "Set KEEP2"},     // SetKeep2
    {"決定保存", "Set Save"},        // SetSave
    {"[・]は無変換", "[・] stay"},   // StayHeading
    {"(・)は反転", "(・)reversal"},  // ReversalHeading
    {"混合", "mix"},                 // MixHeading
    {"0 [R][G][B]", "0 [R][G][B]"},
    {"1 R>G>B>R", "1 R>G>B>R"},
    {"2 R<G<B<R", "2 R<G<B<R"},
    {"3 [R] G⇔B", "3 [R] G⇔B"},
    {"4 [G] B⇔R", "4 [G] B⇔R"},
    {"5 [B] R⇔G", "5 [B] R⇔G"},
    {"6 (R)", "6 (R)"},
    {"7 (G)", "7 (G)"},
    {"8 (B)", "8 (B)"},
    {"9 (G)(B)", "9 (G)(B)"},
    {"10 (R)(B)", "10 (R)(B)"},
    {"11 (R)(G)", "11 (R)(G)"},
    {"12 (R)(G)(B)", "12 (R)(G)(B)"},
    {"13 ant", "13 ant"},
    {"14 bat", "14 bat"},
    {"15 cat", "15 cat"},
    {"16 dog", "16 dog"},
    {"17 eel", "17 eel"},
    {"18 fox", "18 fox"},
    {"19 goose", "19 goose"},
    {"20 horse", "20 horse"},
    {"21 iguana", "21 iguana"},
};
static_assert(std::size(kSwapLabels) == static_cast<std::size_t>(SwapLabel::Count));

constexpr LabelText kZindleEyeLabels[] = {
    {"[Ｚ.アイ]", "[ZINDLE EYE]"},  // Heading
    {"Zindle Eye", "Zindle Eye"},   // ZindleEyeHeading
    {"明ZE□", "light□"},            // Light
    {"◇", "◇"},                     // WeakLight
    {"双ZE", "both"},               // Both
    {"   ", "   "},                 // WeakBoth (its icon is drawn)
    {"暗ZE■", "dark■"},             // Dark
    {"◆", "◆"},                     // WeakDark
    {"A", "A"},
    {"B", "B"},
    {"C", "C"},
    {"D", "D"},
    {"E", "E"},
    {"F", "F"},
    {"G", "G"},
    {"H", "H"},
    {"I", "I"},
    {"J", "J"},
    {"K", "K"},
    {"L", "L"},
    {"目隠し", " blind"},                    // Blind
    {"決定KEEP3", "Set KEEP3"},              // SetKeep3
    {"---ブライト---", "---bright---"},      // BrightHeading
    {"1           100", "1      50   100"},  // BrightScaleLow
    {"100         200", "100   150   200"},  // BrightScaleHigh
    {"----ダーク----", "----dark----"},      // DarkHeading
    {"-100          0", "-100   -50    0"},  // DarkScaleLow
    {"0          +100", "0    +50   +100"},  // DarkScaleHigh
    {"全体視(鳥瞰)", "whole view"},          // WholeViewHeading
    {"イメージ", "image"},                   // WholeViewImage
    {"キャンパス", "canvas"},                // WholeViewCanvas
    {"全体視終了", "back"},                  // WholeViewBack
};
static_assert(std::size(kZindleEyeLabels) == static_cast<std::size_t>(ZindleEyeLabel::Count));

template <typename Enum, std::size_t N>
const LabelText& pick(const LabelText (&table)[N], Enum item) {
  const auto index = static_cast<std::size_t>(item);
  return index < N ? table[index] : kNoLabel;
}

}  // namespace

const LabelText kProductTitle{"ジンドルキャンバスサンプル vabosample",
                              "ZINDLE CANVAS SAMPLE vabosample"};
const LabelText kMessageTitle{"確認", "Plese make sure"};
const LabelText kDeleteKeepQuestion{
    "次のキープ画像ファイルを消してもよいですか？\n"
    "    KEEP0.bmp  KEEP1.bmp  KEEP2.bmp\n"
    "    KEEP3.bmp  KEEP4.bmp  KEEP5.bmp\n"
    "    KEEP6.bmp  KEEP7.bmp  KEEP8.bmp",
    "May we delete next keeping image files\n"
    "    KEEP0.bmp  KEEP1.bmp  KEEP2.bmp\n"
    "    KEEP3.bmp  KEEP4.bmp  KEEP5.bmp\n"
    "    KEEP6.bmp  KEEP7.bmp  KEEP8.bmp"};
const LabelText kCloseQuestion{"終了してもよろしいですか", "Close?"};
const LabelText kSaveDialogTitle{"名前をつけて保存する", "SAVE WITH A NAME"};

const LabelText& tabLabel(int cell) {
  return (cell >= 0 && cell < 12) ? kTabLabels[cell] : kNoLabel;
}

const LabelText& label(TopLabel item) {
  return pick(kTopLabels, item);
}
const LabelText& label(FilterLabel item) {
  return pick(kFilterLabels, item);
}
const LabelText& label(SwapLabel item) {
  return pick(kSwapLabels, item);
}
const LabelText& label(ZindleEyeLabel item) {
  return pick(kZindleEyeLabels, item);
}

const LabelText& swapWayLabel(int way) {
  if (way < 0 || way > 21) way = 0;
  return kSwapLabels[static_cast<int>(SwapLabel::Way0) + way];
}

}  // namespace zc
