#include "files/keep_files.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

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

std::string formatted(const std::string& format, const std::string& path) {
  std::string text = format;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

void removeQuietly(const std::string& name) {
  std::error_code ec;
  std::filesystem::remove(name, ec);
}

void copyBounded(char* target, const std::string& text) {
  std::snprintf(target, 260, "%s", text.c_str());
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
  return writeImageFile(workingFileName(which), source, ws().canvasSize);
}

bool readWorkingFile(int which, const PixelTarget& target) {
  const bool ok = readImageFile(workingFileName(which), target, ws().canvasSize);
  ws().shownSizeRemembered = ws().workSize;
  return ok;
}

bool runOpenDialog() {
  std::string path;
  if (!platform().openFileDialog(bitmapDialog(kOpenDialogTitle), path)) return false;
  // The choice replaces the current image file only when it can be shown, so the previous
  // picture stays after a file the image reader refuses (or a path too long to keep).
  LoadedBitmap probe;
  if (path.empty() || path.size() >= 260 || !platform().loadBitmap(path, probe)) {
    const std::string text = tr(kUnreadablePictureText.japanese, kUnreadablePictureText.english);
    platform().messageBox(tr(kMessageTitle.japanese, kMessageTitle.english), formatted(text, path),
                          MessageBoxKind::Ok);
    return false;
  }
  copyBounded(ws().currentImagePath, path);
  copyBounded(ws().currentImageTitle, std::filesystem::path(path).filename().string());
  return true;
}

bool runSaveAsDialog(const LabelText& title, const PixelTarget& source) {
  std::string path;
  if (!platform().saveFileDialog(bitmapDialog(title), path)) return false;
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
