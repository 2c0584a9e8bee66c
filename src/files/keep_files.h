#pragma once
#include <string>

#include "files/bmp_codec.h"
#include "platform/picture_request.h"
#include "platform/platform.h"
#include "text/label_text.h"

namespace zc {

// Working files that carry pictures between pages.
enum WorkingFile : int {
  kStartFile = 0,     // name reserved, never written
  kTargetFile = 1,    // name reserved, never written, deleted at exit
  kTransferFile = 2,  // the Appear page's transfer image
  kBackFile = 3,      // the Appear page's back image
  kIsoFile = 4,       // written by the Transfer page, never read
};

std::string slotFileName(int slot);      // "KEEP0.bmp" ... "KEEP8.bmp"
std::string workingFileName(int which);  // "0000start.bmp" ... "0000iso.bmp"

bool writeSlotFile(int slot, const PixelTarget& source);
bool readSlotFile(int slot, const PixelTarget& target);
// Working files are replaced whole but not flushed to disk: they live only while the program runs.
bool writeWorkingFile(int which, const PixelTarget& source);
// Also makes the next paint treat the picture as new (the remembered shown size is reset).
bool readWorkingFile(int which, const PixelTarget& target);

// How the current picture is asked of the reader: the canvas size, reduced to fit or not.
PictureRequest pictureRequest(int32_t fit);
// Loads the current image file as it was got (its top-left part, or reduced to fit).
bool loadCurrentPicture(LoadedBitmap& bitmap);
// The image size of a picture so loaded: its size clamped to the canvas, or its fitted size.
Size imageSizeOf(const LoadedBitmap& bitmap);

// A file that answers the next open dialog (kPendingStartFile or kPendingDroppedFile); an empty
// path clears it.
void setPendingOpenFile(const std::string& path, int32_t kind);

// The open dialog: on confirmation the chosen file becomes the current image file. Returns
// whether the user confirmed. A pending open file is taken first, without the dialog; a start
// file that does not load is followed by the dialog.
bool runOpenDialog();
// The save-with-a-name dialog: on confirmation the image planes are written to the chosen file.
// The title lets pages use their own dialog titles; without one it is kSaveDialogTitle.
bool runSaveAsDialog(const LabelText& title);
bool runSaveAsDialog();
// The same dialog writing another picture than the image planes (the Transfer page's pattern).
bool runSaveAsDialog(const LabelText& title, const PixelTarget& source);

void deleteKeepFiles();     // KEEP0.bmp ... KEEP8.bmp; missing files are no error
void deleteWorkingFiles();  // all but the reserved start file

}  // namespace zc
