// The golden corpus: every script in tests/golden is replayed by zindle-replay in a fresh working
// folder, and its standard output, its shots, its planes files and the list of the files it left
// behind are compared byte for byte with what was recorded. It guards behaviour while the code
// under it is rearranged.
//
// Re-recording (after a deliberate change of behaviour): tests/golden/record.sh BUILD_DIR
// [SCRIPT...], which runs this test with ZINDLE_GOLDEN_RECORD=1.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace zc {
namespace {

namespace fs = std::filesystem;

fs::path goldenFolder() {
  return fs::path(ZINDLE_FIXTURES).parent_path() / "golden";
}

bool recording() {
  const char* value = std::getenv("ZINDLE_GOLDEN_RECORD");
  return value && std::string(value) == "1";
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// BMP files are kept gzip-compressed in the corpus (a planes file is 4 MB, mostly white canvas).
bool compressed(const std::string& name) {
  return fs::path(name).extension() == ".bmp";
}

std::string gunzip(const fs::path& path) {
  std::string bytes;
  gzFile in = gzopen(path.c_str(), "rb");
  if (!in) return bytes;
  char buffer[1 << 16];
  for (int n; (n = gzread(in, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
  gzclose(in);
  return bytes;
}

void gzipTo(const fs::path& path, const std::string& bytes) {
  gzFile out = gzopen(path.c_str(), "wb9");
  ASSERT_TRUE(out != nullptr) << path;
  ASSERT_EQ(gzwrite(out, bytes.data(), static_cast<unsigned>(bytes.size())),
            static_cast<int>(bytes.size()));
  gzclose(out);
}

// The files a script writes by name: its shots and planes files.
std::vector<std::string> namedOutputs(const fs::path& script) {
  std::vector<std::string> names;
  std::istringstream in(readFile(script));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string command, name;
    if (words >> command >> name && (command == "shot" || command == "planes")) {
      names.push_back(name);
    }
  }
  return names;
}

// The exit status, then every file left in the working folder with its size and CRC-32.
std::string folderListing(const fs::path& folder, int status) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    if (name == "stdout.txt" || name == "stderr.txt") continue;
    const std::string bytes = readFile(entry.path());
    const uLong crc =
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    char line[512];
    std::snprintf(line, sizeof line, "%s %zu %08lx", name.c_str(), bytes.size(), crc);
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  std::string listing = "exit " + std::to_string(status) + "\n";
  for (const std::string& line : lines) listing += line + "\n";
  return listing;
}

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(goldenFolder())) {
    if (entry.path().extension() == ".replay") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Golden : public testing::TestWithParam<std::string> {};

TEST_P(Golden, Replay) {
  const std::string name = GetParam();
  const fs::path script = goldenFolder() / (name + ".replay");
  const fs::path recorded = goldenFolder() / name;
  test::WorkFolder folder;
  const std::string command = std::string("'") + ZINDLE_REPLAY_BIN + "' '" + script.string() +
                              "' > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  ASSERT_EQ(status, 0) << readFile("stderr.txt");

  const std::string out = readFile("stdout.txt");
  const std::string listing = folderListing(folder.path(), status);
  const std::vector<std::string> outputs = namedOutputs(script);

  if (recording()) {
    fs::remove_all(recorded);
    fs::create_directories(recorded);
    writeFile(recorded / "stdout.txt", out);
    writeFile(recorded / "files.txt", listing);
    for (const std::string& file : outputs) {
      if (compressed(file)) {
        gzipTo(recorded / (file + ".gz"), readFile(file));
      } else {
        fs::copy_file(file, recorded / file, fs::copy_options::overwrite_existing);
      }
    }
    GTEST_SKIP() << "recorded " << recorded;
  }

  ASSERT_TRUE(fs::exists(recorded / "stdout.txt")) << "not recorded yet: " << recorded;
  // The first differing line says more than a byte offset.
  const std::string expected = readFile(recorded / "stdout.txt");
  if (out != expected) {
    std::istringstream a(out), b(expected);
    std::string la, lb;
    int line = 1;
    while (std::getline(a, la) && std::getline(b, lb) && la == lb) ++line;
    ADD_FAILURE() << "stdout differs at line " << line << ":\n  now:      " << la
                  << "\n  recorded: " << lb;
  }
  EXPECT_EQ(listing, readFile(recorded / "files.txt"));
  for (const std::string& file : outputs) {
    const std::string now = readFile(file);
    const std::string then =
        compressed(file) ? gunzip(recorded / (file + ".gz")) : readFile(recorded / file);
    EXPECT_FALSE(then.empty()) << file << " was not recorded";
    EXPECT_TRUE(now == then) << file << " differs from the recorded one";
  }
}

INSTANTIATE_TEST_SUITE_P(, Golden, testing::ValuesIn(scriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
}  // namespace zc
