// The layers of src/: a file includes its own layer and the layers below it, never one above
// (app -> shell -> pages -> ui -> files -> text -> core -> platform), only the platform layer sees
// Qt, and the image kernels beside the pages see only core/.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace zc {
namespace {

namespace fs = std::filesystem;

// Top to bottom.
constexpr std::array<std::string_view, 8> kLayers = {"app",   "shell", "pages", "ui",
                                                     "files", "text",  "core",  "platform"};

// The position of a layer from the bottom (platform 0), or -1 for a folder that is no layer.
int rankOf(std::string_view layer) {
  const auto it = std::find(kLayers.begin(), kLayers.end(), layer);
  return it == kLayers.end() ? -1 : static_cast<int>(kLayers.end() - it) - 1;
}

struct Include {
  std::string path;
  bool angled = false;
  int line = 0;
};

struct SourceFile {
  std::string path;  // relative to src/, with forward slashes
  std::vector<Include> includes;
};

fs::path sourceFolder() {
  return fs::path(ZINDLE_FIXTURES).parent_path().parent_path() / "src";
}

std::vector<SourceFile> sourceFiles() {
  std::vector<SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(sourceFolder())) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
    SourceFile file{fs::relative(entry.path(), sourceFolder()).generic_string(), {}};
    std::ifstream in(entry.path());
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
      const size_t hash = text.find_first_not_of(" \t");
      if (hash == std::string::npos || text.compare(hash, 8, "#include") != 0) continue;
      const size_t open = text.find_first_of("\"<", hash + 8);
      if (open == std::string::npos) continue;
      const size_t close = text.find(text[open] == '"' ? '"' : '>', open + 1);
      if (close == std::string::npos) continue;
      file.includes.push_back({text.substr(open + 1, close - open - 1), text[open] == '<', number});
    }
    files.push_back(std::move(file));
  }
  return files;
}

std::string firstFolder(const std::string& path) {
  return path.substr(0, path.find('/'));
}

// Qt's own headers: QImage, QtCore/QString, qglobal.h and the like (quadmath.h is GCC's).
bool isQtHeader(const std::string& name) {
  if (name.size() > 1 && name[0] == 'Q' &&
      (std::isupper(static_cast<unsigned char>(name[1])) || name[1] == 't')) {
    return true;
  }
  const bool lowerDotH = name.size() > 3 && name[0] == 'q' && name.ends_with(".h") &&
                         std::all_of(name.begin(), name.end() - 2, [](char c) {
                           return std::islower(static_cast<unsigned char>(c)) != 0;
                         });
  return lowerDotH && name != "quadmath.h";
}

TEST(Layers, EveryFileLiesInALayer) {
  const auto files = sourceFiles();
  ASSERT_GT(files.size(), 20u);
  for (const SourceFile& file : files) {
    EXPECT_GE(rankOf(firstFolder(file.path)), 0) << file.path << " is in no layer";
  }
}

TEST(Layers, NoFileIncludesALayerAboveItsOwn) {
  for (const SourceFile& file : sourceFiles()) {
    const int own = rankOf(firstFolder(file.path));
    for (const Include& include : file.includes) {
      if (include.angled) continue;
      const int included = rankOf(firstFolder(include.path));
      EXPECT_GE(included, 0) << file.path << ":" << include.line << " includes \"" << include.path
                             << "\", which lies in no layer";
      EXPECT_LE(included, own) << file.path << ":" << include.line << " includes \"" << include.path
                               << "\" from a layer above its own";
    }
  }
}

TEST(Layers, OnlyThePlatformIncludesQt) {
  for (const SourceFile& file : sourceFiles()) {
    if (firstFolder(file.path) == "platform") continue;
    for (const Include& include : file.includes) {
      EXPECT_FALSE(isQtHeader(include.path))
          << file.path << ":" << include.line << " includes Qt's <" << include.path << ">";
    }
  }
}

// A page folder holds its page files (names with "_page") and its kernels. A kernel's header
// includes only core/ headers, other kernels' headers and the plain colour triple: it sees plain
// buffers and values, never the page machinery.
bool isKernelHeader(const std::string& path) {
  const fs::path p(path);
  return firstFolder(path) == "pages" && std::distance(p.begin(), p.end()) == 3 &&
         p.extension() == ".h" && p.filename().string().find("_page") == std::string::npos;
}

TEST(Layers, KernelHeadersIncludeOnlyCoreAndKernels) {
  int kernels = 0;
  for (const SourceFile& file : sourceFiles()) {
    if (!isKernelHeader(file.path)) continue;
    ++kernels;
    for (const Include& include : file.includes) {
      if (include.angled) continue;
      EXPECT_TRUE(firstFolder(include.path) == "core" || isKernelHeader(include.path) ||
                  include.path == "platform/rgb.h")
          << file.path << ":" << include.line << " includes \"" << include.path << "\"";
    }
  }
  EXPECT_GT(kernels, 5);
}

TEST(Layers, QtHeadersAreRecognised) {
  for (const char* name : {"QImage", "QtCore/QString", "qglobal.h", "QWidget"}) {
    EXPECT_TRUE(isQtHeader(name)) << name;
  }
  for (const char* name : {"cstdint", "gtest/gtest.h", "queue", "quadmath.h", "sys/wait.h"}) {
    EXPECT_FALSE(isQtHeader(name)) << name;
  }
}

}  // namespace
}  // namespace zc
