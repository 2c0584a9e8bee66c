#pragma once
// The shell's texts and the tab bar's labels; the built pages' label tables come with them, so
// that a page or the key pad finds them here as well as in text/<page>_texts.h.
#include "text/filter_texts.h"
#include "text/label_text.h"
#include "text/swap_texts.h"
#include "text/top_texts.h"
#include "text/zindle_eye_texts.h"

namespace zc {

// The twelve tab-bar labels, cell 0 at x = 120 ... cell 11 at x = 1000. A cell outside 0..11
// gives an empty label.
const LabelText& tabLabel(int cell);

// Window-title product names and message-box texts used by the shell.
extern const LabelText kProductTitle;        // window title after "%s / "
extern const LabelText kMessageTitle;        // title of every question box
extern const LabelText kDeleteKeepQuestion;  // the close flow's first question
extern const LabelText kCloseQuestion;       // the close flow's second question
extern const LabelText kSaveDialogTitle;     // the save-with-a-name dialog
extern const LabelText kOpenPrompt;          // drawn on the window while the open dialog asks

// The window title given when the window is created.
extern const char* const kInitialWindowTitle;

// The file dialogs' and the picture files' texts. Those written once serve both languages.
extern const LabelText kOpenDialogTitle;         // the open dialog
extern const LabelText kBitmapFilesFilter;       // the dialogs' first filter, "*.bmp"
extern const LabelText kAllFilesFilter;          // their second filter, "*.*"
extern const LabelText kUnreadablePictureText;   // a chosen file is no picture; %s is its path
extern const LabelText kPixelWriteFailureTitle;  // a picture file could not be written
extern const LabelText kPixelWriteFailureText;
extern const LabelText kPixelReadFailureTitle;  // a picture file could not be read
extern const LabelText kPixelReadFailureText;

// The open dialog's first filter entry: every picture the image reader opens.
extern const LabelText kPictureFilterName;
// The failed-read box for a picture beyond the size limit: %s the file, %d × %d its size.
extern const LabelText kTooLargePictureText;
// Said once under the frame after a picture larger than the canvas was opened with "fit" off:
// %d × %d the part shown (the canvas), %d × %d the picture's own size.
extern const LabelText kPartShownNote;

}  // namespace zc
