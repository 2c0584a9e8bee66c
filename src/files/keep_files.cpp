#include "files/keep_files.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace zc {
namespace {

const char* const kWorkingFileNames[5] = {"0000start.bmp", "0000tar.bmp", "0000trfr.bmp",
                                          "0000back.bmp", "0000iso.bmp"};

FileDialogOptions bitmapDialog(const std::string& title) {
  FileDialogOptions options;
  options.title = title;
  options.filters = {{"ビットマップファイル(*.bmp)", "*.bmp"}, {"すべてのファイル(*.*)", "*.*"}};
  options.defaultSuffix = "bmp";
  return options;
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
  if (!platform().openFileDialog(bitmapDialog("BMP File Open"), path)) return false;
  // A path longer than the path buffer cannot be kept: the previous choice stays.
  if (path.empty() || path.size() >= 260) return false;
  copyBounded(ws().currentImagePath, path);
  copyBounded(ws().currentImageTitle, std::filesystem::path(path).filename().string());
  return true;
}

bool runSaveAsDialog(const char* japaneseTitle, const char* englishTitle,
                     const PixelTarget& source) {
  std::string path;
  if (!platform().saveFileDialog(bitmapDialog(tr(japaneseTitle, englishTitle)), path)) {
    return false;
  }
  return writeImageFile(path, source, ws().workSize);
}

bool runSaveAsDialog(const char* japaneseTitle, const char* englishTitle) {
  return runSaveAsDialog(japaneseTitle, englishTitle, planesTarget());
}

bool runSaveAsDialog() {
  return runSaveAsDialog("名前をつけて保存する", "SAVE WITH A NAME");
}

void deleteKeepFiles() {
  for (int slot = 0; slot < 9; ++slot) removeQuietly(slotFileName(slot));
}

void deleteWorkingFiles() {
  for (int which = kTargetFile; which <= kIsoFile; ++which) removeQuietly(workingFileName(which));
}

}  // namespace zc
