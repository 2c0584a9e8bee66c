#pragma once

namespace zc {

// A text of the screen in both languages; the drawer picks one by `Language` when it draws.
struct LabelText {
  const char* japanese;
  const char* english;
};

// The twelve tab-bar labels, cell 0 at x = 120 ... cell 11 at x = 1000. A cell outside 0..11
// gives an empty label.
const LabelText& tabLabel(int cell);

// Window-title product names and message-box texts used by the shell.
extern const LabelText kProductTitle;        // window title after "%s / "
extern const LabelText kMessageTitle;        // title of every question box
extern const LabelText kDeleteKeepQuestion;  // the close flow's first question
extern const LabelText kCloseQuestion;       // the close flow's second question
extern const LabelText kSaveDialogTitle;     // the save-with-a-name dialog

// Top page panel, top to bottom. Legend0..Legend5 are the six lines of the note-code legend.
enum class TopLabel {
  Heading,
  ResetMarkText,
  Canvas,
  Canvas960,
  Canvas1200,
  Canvas1440,
  Canvas1680,
  GetImageHeading,
  GetImage,
  KeepHeading,
  SaveKeep0,
  LanguageHeading,
  LanguageSwitch,
  WholeViewHeading,
  WholeViewImage,
  WholeViewCanvas,
  WholeViewBack,
  NoteCode,
  Legend0,
  Legend1,
  Legend2,
  Legend3,
  Legend4,
  Legend5,
  Count
};
const LabelText& label(TopLabel item);

// Filter page panel. FValue, TValue, ColorPowerValue and StepValue are the printf formats of the
// value boxes. The power scale texts stand under the colour power belts: 1, 50, 100 above and
// 100, 500, 1000 below. Digit0..Digit9 are consecutive, so Digit0 + n is the key of digit n.
enum class FilterLabel {
  Heading,
  GetImage,
  LightCoreHeading,
  SpectrumCore,
  FValue,
  Separator,
  TValue,
  LightCoreAction,
  ColorPowerHeading,
  ColorPowerValue,
  PowerScale1,
  PowerScale50,
  PowerScale100,
  PowerScaleLower100,
  PowerScale500,
  PowerScale1000,
  EachPowerHeading,
  ColorPowerAction,
  ColorBalanceHeading,
  Peach,
  Berry,
  SetKeep1,
  Cal,
  AllClear,
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  TypedNumber,
  Plus,
  Minus,
  Clear,
  StepHeading,
  StepValue,
  Count
};
const LabelText& label(FilterLabel item);

// Swap page panel. Way0..Way21 are consecutive: Way0 + n labels way n (see swapWayLabel).
enum class SwapLabel {
  Heading,
  SwapColor,
  SetKeep2,
  SetSave,
  StayHeading,
  ReversalHeading,
  MixHeading,
  Way0,
  Way1,
  Way2,
  Way3,
  Way4,
  Way5,
  Way6,
  Way7,
  Way8,
  Way9,
  Way10,
  Way11,
  Way12,
  Way13,
  Way14,
  Way15,
  Way16,
  Way17,
  Way18,
  Way19,
  Way20,
  Way21,
  Count
};
const LabelText& label(SwapLabel item);
// The label of swap way 0..21 (way 0 for anything else).
const LabelText& swapWayLabel(int way);

// Zindle Eye page panel. HornA..HornL are consecutive. The scale texts stand above (Low) and
// below (High) each pair of bars: bright 1..100 and 100..200, dark -100..0 and 0..+100.
enum class ZindleEyeLabel {
  Heading,
  ZindleEyeHeading,
  Light,
  WeakLight,
  Both,
  WeakBoth,
  Dark,
  WeakDark,
  HornA,
  HornB,
  HornC,
  HornD,
  HornE,
  HornF,
  HornG,
  HornH,
  HornI,
  HornJ,
  HornK,
  HornL,
  Blind,
  SetKeep3,
  BrightHeading,
  BrightScaleLow,
  BrightScaleHigh,
  DarkHeading,
  DarkScaleLow,
  DarkScaleHigh,
  WholeViewHeading,
  WholeViewImage,
  WholeViewCanvas,
  WholeViewBack,
  Count
};
const LabelText& label(ZindleEyeLabel item);

}  // namespace zc
