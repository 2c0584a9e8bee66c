#include "files/keep_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/picture_export.h"
#include "platform/platform.h"
#include "text/labels.h"

namespace zc {
namespace {

const char* const kWorkingFileNames[5] = {"0000start.bmp", "0000tar.bmp", "0000trfr.bmp",
                                          "0000back.bmp", "0000iso.bmp"};

FileDialogOptions bitmapDialog(const LabelText& title) {
  FileDialogOptions options;
  options.title = tr(title.japanese, title.english);
  options.filters = {{tr(kBitmapFilesFilter.japanese, kBitmapFilesFilter.english), "*.bmp"},
                     {tr(kAllFilesFilter.japanese, kAllFilesFilter.english), "*.*"}};
  options.defaultSuffix = "bmp";
  return options;
}

// Opening: every picture the reader knows comes first and is selected, then the bitmap entries.
FileDialogOptions openDialog() {
  FileDialogOptions options = bitmapDialog(kOpenDialogTitle);
  const char* const patterns = "*.bmp *.png *.jpg *.jpeg *.tif *.tiff *.webp";
  options.filters.insert(options.filters.begin(),
                         {std::string(tr(kPictureFilterName.japanese, kPictureFilterName.english)) +
                              "(" + patterns + ")",
                          patterns});
  return options;
}

// Saving: the bitmap entries, then the formats the platform's writer exports.
FileDialogOptions saveDialog(const LabelText& title) {
  FileDialogOptions options = bitmapDialog(title);
  options.filters.push_back({"PNG(*.png)", "*.png"});
  options.filters.push_back({"JPEG(*.jpg *.jpeg)", "*.jpg *.jpeg"});
  options.filters.push_back({"TIFF(*.tif *.tiff)", "*.tif *.tiff"});
  options.filters.push_back({"WebP(*.webp)", "*.webp"});
  return options;
}

void copyBounded(char* target, const std::string& text) {
  std::snprintf(target, 260, "%s", text.c_str());
}

// The text with its %s replaced by the path and its %d, in order, by the numbers.
std::string formatted(const std::string& format, const std::string& path,
                      std::initializer_list<int> numbers = {}) {
  std::string text = format;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  size_t from = 0;
  for (int n : numbers) {
    const size_t d = text.find("%d", from);
    if (d == std::string::npos) break;
    const std::string digits = std::to_string(n);
    text.replace(d, 2, digits);
    from = d + digits.size();
  }
  return text;
}

// The chosen file becomes the current image file when it can be shown; otherwise the failed-read
// box says why and names it, and the previous picture stays.
bool takePicture(const std::string& path) {
  Workspace& w = ws();
  const int32_t fit = w.top.fitToCanvas ? 1 : 0;
  LoadedBitmap probe;
  const PictureResult result = path.empty() || path.size() >= 260
                                   ? PictureResult::Unreadable
                                   : platform().loadPicture(path, pictureRequest(fit), probe);
  if (result != PictureResult::Loaded) {
    const std::string text =
        result == PictureResult::TooLarge
            ? formatted(tr(kTooLargePictureText.japanese, kTooLargePictureText.english), path,
                        {probe.fullWidth, probe.fullHeight})
            : formatted(tr(kUnreadablePictureText.japanese, kUnreadablePictureText.english), path);
    platform().messageBox(tr(kMessageTitle.japanese, kMessageTitle.english), text,
                          MessageBoxKind::Ok);
    return false;
  }
  copyBounded(w.currentImagePath, path);
  copyBounded(w.currentImageTitle, std::filesystem::path(path).filename().string());
  w.pictureFit = fit;
  w.pictureFullSize = Size{probe.fullWidth, probe.fullHeight};
  w.partShownNote =
      !fit && (probe.fullWidth > w.canvasSize.width || probe.fullHeight > w.canvasSize.height);
  return true;
}

void removeQuietly(const std::string& name) {
  std::error_code ec;
  std::filesystem::remove(name, ec);
}

}  // namespace

std::string slotFileName(int slot) {
  return "KEEP" + std::to_string(slot) + ".bmp";
}

std::string workingFileName(int which) {
  return (which >= 0 && which < 5) ? kWorkingFileNames[which] : kWorkingFileNames[0];
}

bool writeSlotFile(int slot, const PixelTarget& source) {
  return writeImageFile(slotFileName(slot), source, ws().canvasSize);
}

bool readSlotFile(int slot, const PixelTarget& target) {
  return readImageFile(slotFileName(slot), target, ws().canvasSize);
}

bool writeWorkingFile(int which, const PixelTarget& source) {
  return writeImageFile(workingFileName(which), source, ws().canvasSize, Durability::Unflushed);
}

bool readWorkingFile(int which, const PixelTarget& target) {
  const bool ok = readImageFile(workingFileName(which), target, ws().canvasSize);
  ws().shownSizeRemembered = ws().workSize;
  return ok;
}

PictureRequest pictureRequest(int32_t fit) {
  const Size canvas = ws().canvasSize;
  return PictureRequest{canvas.width, canvas.height, fit != 0};
}

bool loadCurrentPicture(LoadedBitmap& bitmap) {
  const Workspace& w = ws();
  return platform().loadPicture(w.currentImagePath, pictureRequest(w.pictureFit), bitmap) ==
         PictureResult::Loaded;
}

Size imageSizeOf(const LoadedBitmap& bitmap) {
  const Size canvas = ws().canvasSize;
  if (ws().pictureFit) {
    const PictureSize fit =
        fittedSize(bitmap.fullWidth, bitmap.fullHeight, canvas.width, canvas.height);
    return Size{fit.width, fit.height};
  }
  return Size{std::min(bitmap.width, canvas.width), std::min(bitmap.height, canvas.height)};
}

void setPendingOpenFile(const std::string& path, int32_t kind) {
  Workspace& w = ws();
  std::snprintf(w.pendingOpenFile, sizeof w.pendingOpenFile, "%s", path.c_str());
  w.pendingOpenKind = path.empty() ? 0 : kind;
}

bool runOpenDialog() {
  Workspace& w = ws();
  if (w.pendingOpenFile[0]) {
    // The start file or the dropped file answers this dialog.
    const std::string pending = w.pendingOpenFile;
    const int32_t kind = w.pendingOpenKind;
    setPendingOpenFile("", 0);
    if (takePicture(pending)) return true;
    if (kind != kPendingStartFile) return false;
  }
  std::string path;
  if (!platform().openFileDialog(openDialog(), path)) return false;
  // The choice replaces the current image file only when it can be shown, so the previous
  // picture stays after a file the image reader refuses (or a path too long to keep).
  return takePicture(path);
}

bool runSaveAsDialog(const LabelText& title, const PixelTarget& source) {
  std::string path;
  if (!platform().saveFileDialog(saveDialog(title), path)) return false;
  // A picture format's name gets the picture only, in that format; any other name the BMP.
  const std::string suffix = exportSuffix(path);
  if (!suffix.empty()) return exportPicture(path, suffix, source, ws().imageSize, ws().workSize);
  return writeImageFile(path, source, ws().workSize);
}

bool runSaveAsDialog(const LabelText& title) {
  return runSaveAsDialog(title, planesTarget());
}

bool runSaveAsDialog() {
  return runSaveAsDialog(kSaveDialogTitle);
}

void deleteKeepFiles() {
  for (int slot = 0; slot < 9; ++slot) removeQuietly(slotFileName(slot));
}

void deleteWorkingFiles() {
  for (int which = kTargetFile; which <= kIsoFile; ++which) removeQuietly(workingFileName(which));
}

}  // namespace zc
