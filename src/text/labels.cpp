#include "text/labels.h"

#include "core/page_ids.h"

namespace zc {
namespace {

// The pages' tabs in tab order, then the SAVE, Restore and Call cells.
constexpr LabelText kTabLabels[kPageCount + 3] = {
    {"0)トップ", "0)Top"},     {"1)フィルタ", "1)Filter"}, {"2)色交換", "2)Swap"},
    {"3)Ｚ.アイ", "3)Z.Eye"},  {"4)色変換", "4)Change"},   {"5)輪郭線", "5)Outline"},
    {"6)型紙化", "6)Pattern"}, {"7)転送", "7)Transfer"},   {"8)出現", "8)Appear"},
    {"→保存", "SAVE"},         {"復元←", "Restore"},       {"呼出←", "Call"},
};

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
const LabelText kPictureFilterName{"画像ファイル", "Pictures"};
const LabelText kTooLargePictureText{
    "%s\nは大きすぎて開けません (%d × %d 画素; 1億2000万画素まで)",
    "%s\nis too large to open (%d × %d pixels; at most 120 megapixels)"};
const LabelText kPartShownNote{
    "左上の %d × %d だけを表示 (画像 %d × %d); トップページの [全体を縮小] [→] 全体を表示;",
    "only the top-left %d × %d of the %d × %d picture is shown; \"fit\" on the Top page [→] "
    "shows it whole;"};

const LabelText kOpenPrompt{"[Enter] ⇒ ファイルを開く", "[Enter] ⇒ ファイルを開く"};

const char* const kInitialWindowTitle =
    "ジンドルキャンバスサンプル ZINDLE CANVAS SAMPLE vabosample";

const LabelText kOpenDialogTitle{"BMP File Open", "BMP File Open"};
const LabelText kBitmapFilesFilter{"ビットマップファイル(*.bmp)", "ビットマップファイル(*.bmp)"};
const LabelText kAllFilesFilter{"すべてのファイル(*.*)", "すべてのファイル(*.*)"};
const LabelText kUnreadablePictureText{"%s\nを画像として読み込めませんでした",
                                       "%s\ncould not be read as a picture"};
const LabelText kPixelWriteFailureTitle{"PutBmp", "PutBmp"};
const LabelText kPixelWriteFailureText{"ピクセルデータの書き込みに失敗しました",
                                       "ピクセルデータの書き込みに失敗しました"};
const LabelText kPixelReadFailureTitle{"pool Get Bmp 関数", "pool Get Bmp 関数"};
const LabelText kPixelReadFailureText{"ピクセルデータの読み込みに失敗しました",
                                      "ピクセルデータの読み込みに失敗しました"};

const LabelText& tabLabel(int cell) {
  return (cell >= 0 && cell < 12) ? kTabLabels[cell] : kNoLabel;
}

}  // namespace zc
