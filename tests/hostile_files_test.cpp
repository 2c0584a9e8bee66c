// The working folder is not the program's alone: FIFOs, devices, folders and links may stand
// where slot files, side files or pictures are expected. Nothing may hang, nothing may be written
// or created through a link, a replaced file keeps who may read it, and a picture that cannot be
// read is said so while the previous one stays.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "core/workspace.h"
#include "files/bmp_codec.h"
#include "files/keep_files.h"
#include "logged_platform_test.h"
#include "platform/headless/headless_platform.h"
#include "test_support.h"

namespace zc {
namespace {

namespace fs = std::filesystem;
using test::replay;
using test::solidPicture;
using test::WorkFolder;
using test::writeBmp;

constexpr uintmax_t kSlotBytes1440 = 54 + 1440 * 960 * 3;
constexpr const char* kReadFailure =
    "message \"pool Get Bmp 関数\" \"ピクセルデータの読み込みに失敗しました\" -> ok";
constexpr const char* kWriteFailure =
    "message \"PutBmp\" \"ピクセルデータの書き込みに失敗しました\" -> ok";

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Side files a write may leave behind: anything named after a slot but not the slot itself.
int strayPartFiles() {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    if (name.find(".part") != std::string::npos && !fs::is_symlink(entry.symlink_status()) &&
        !fs::is_directory(entry.symlink_status())) {
      ++n;
    }
  }
  return n;
}

class HostileFolder : public test::LoggedPlatformTest {
 protected:
  void SetUp() override {
    LoggedPlatformTest::SetUp();
    fs::create_directory("outside");
  }
  bool logged(const std::string& line) const { return log_.find(line) != std::string::npos; }
  static void fillPlanes(int32_t value) {
    for (int k = 0; k < 3; ++k) std::fill(plane(k), plane(k) + 1440 * 960, value);
  }
  static bool planesAre(int32_t value) {
    for (int k = 0; k < 3; ++k) {
      for (long i : {0L, 1439L, 1440L * 960 - 1}) {
        if (plane(k)[i] != value) return false;
      }
    }
    return true;
  }
};

// A Unix socket bound to `name` in the current folder; the descriptor stays open until the test
// closes it.
int bindSocket(const char* name) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name);
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -1;
  return fd;
}

TEST_F(HostileFolder, SlotThatIsNoRegularFileIsRefusedAtOnceAndTheTargetStays) {
  ASSERT_EQ(::mkfifo("KEEP2.bmp", 0600), 0);
  fs::create_directory("KEEP3.bmp");
  fs::create_symlink("/dev/zero", "KEEP4.bmp");  // a device that never ends
  const int socket = bindSocket("KEEP5.bmp");
  ASSERT_GE(socket, 0);
  ASSERT_EQ(::mkfifo("0000back.bmp", 0600), 0);

  // Should a read block on a FIFO after all, a writer comes along to release it, so the test
  // fails on the time taken instead of hanging.
  std::promise<void> done;
  std::thread watchdog([future = done.get_future()]() mutable {
    if (future.wait_for(std::chrono::seconds(3)) == std::future_status::ready) return;
    do {
      for (const char* fifo : {"KEEP2.bmp", "0000back.bmp"}) {
        const int fd = ::open(fifo, O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
      }
    } while (future.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout);
  });
  const auto start = std::chrono::steady_clock::now();
  for (int slot : {2, 3, 4, 5}) {
    fillPlanes(77);
    log_.clear();
    EXPECT_FALSE(readSlotFile(slot, planesTarget())) << slot;
    EXPECT_TRUE(logged(kReadFailure)) << slot;
    EXPECT_TRUE(planesAre(77)) << slot;
  }
  EXPECT_FALSE(readWorkingFile(kBackFile, canvasTarget()));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  done.set_value();
  watchdog.join();
  ::close(socket);
  EXPECT_LT(elapsed, std::chrono::seconds(3));                     // no wait for the watchdog
  EXPECT_EQ(fs::status("KEEP2.bmp").type(), fs::file_type::fifo);  // nothing was replaced
}

TEST_F(HostileFolder, MissingSlotIsNeverCreatedThroughADanglingLink) {
  fs::create_symlink("outside/elsewhere.bmp", "KEEP4.bmp");
  fillPlanes(77);
  EXPECT_FALSE(readSlotFile(4, planesTarget()));
  EXPECT_TRUE(logged(kReadFailure));
  EXPECT_TRUE(planesAre(77));
  EXPECT_FALSE(fs::exists("outside/elsewhere.bmp"));
  EXPECT_TRUE(fs::is_symlink("KEEP4.bmp"));
  // A link to a real file is read like the file.
  std::ofstream("outside/real.bmp", std::ios::binary) << std::string(54, 'h') << "\x01\x02\x03";
  fs::create_symlink("outside/real.bmp", "KEEP1.bmp");
  ASSERT_TRUE(readSlotFile(1, planesTarget()));
  EXPECT_EQ(plane(0)[0], 1);
  EXPECT_EQ(plane(2)[0], 3);
  EXPECT_EQ(plane(0)[1], 0);
}

TEST_F(HostileFolder, WriteNeverGoesThroughALinkAtTheSideFileOrTheTarget) {
  std::ofstream("outside/victim") << "victim";
  fs::create_symlink("outside/victim", "KEEP2.bmp.part");  // a link to an existing file
  fs::create_symlink("outside/absent", "saved.bmp.part");  // a dangling link
  fs::create_symlink("outside/victim", workingFileName(kIsoFile) + ".part");
  fs::create_symlink("outside/linked.bmp", "KEEP3.bmp");  // the target itself a link
  std::ofstream("outside/linked.bmp") << "linked";
  fillPlanes(9);
  ASSERT_TRUE(writeSlotFile(2, planesTarget()));
  ASSERT_TRUE(writeImageFile("saved.bmp", planesTarget(), ws().canvasSize));
  ASSERT_TRUE(writeSlotFile(3, planesTarget()));
  ASSERT_TRUE(writeWorkingFile(kIsoFile, planesTarget()));

  EXPECT_EQ(contentOf("outside/victim"), "victim");
  EXPECT_FALSE(fs::exists(fs::symlink_status("outside/absent")));
  EXPECT_EQ(contentOf("outside/linked.bmp"), "linked");
  for (const char* name : {"KEEP2.bmp", "saved.bmp", "KEEP3.bmp", "0000iso.bmp"}) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(name))) << name;
    EXPECT_EQ(test::fileSize(name), kSlotBytes1440) << name;
  }
  EXPECT_EQ(test::keptPixel("KEEP2.bmp", 5, 5), (Rgb{9, 9, 9}));
  EXPECT_TRUE(fs::is_symlink("KEEP2.bmp.part"));  // a stranger's entry is left alone
  EXPECT_EQ(strayPartFiles(), 0);
  // A name that leaves no room for the side file's suffix is written all the same.
  const std::string longest = std::string(251, 'n') + ".bmp";
  ASSERT_TRUE(writeImageFile(longest, planesTarget(), ws().canvasSize));
  EXPECT_EQ(test::fileSize(longest), kSlotBytes1440);
  EXPECT_EQ(strayPartFiles(), 0);
}

TEST_F(HostileFolder, FailedWriteKeepsTheOldFileAndRemovesItsSideFile) {
  std::ofstream("KEEP6.bmp") << "old";
  std::ofstream(workingFileName(kIsoFile)) << "old";  // a working file, not flushed to disk
  // A file-size limit makes the write fail halfway through the pixels.
  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 1 << 20;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = writeSlotFile(6, planesTarget());
  const bool workingWritten = writeWorkingFile(kIsoFile, planesTarget());
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_FALSE(workingWritten);
  EXPECT_TRUE(logged(kWriteFailure));
  EXPECT_EQ(contentOf("KEEP6.bmp"), "old");
  EXPECT_EQ(contentOf(workingFileName(kIsoFile)), "old");
  EXPECT_EQ(strayPartFiles(), 0);
}

TEST_F(HostileFolder, ReplacedFileKeepsItsPermissionBits) {
  struct Case {
    const char* name;
    mode_t mode;
  };
  for (const Case& c :
       {Case{"KEEP1.bmp", 0600}, Case{"KEEP2.bmp", 0640}, Case{"KEEP3.bmp", 0604}}) {
    std::ofstream(c.name) << "old";
    ASSERT_EQ(::chmod(c.name, c.mode), 0);
  }
  for (int slot : {1, 2, 3}) ASSERT_TRUE(writeSlotFile(slot, planesTarget()));
  struct stat st;
  ASSERT_EQ(::stat("KEEP1.bmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat("KEEP2.bmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  ASSERT_EQ(::stat("KEEP3.bmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
  // A new file gets the usual permissions of the folder's user.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_TRUE(writeSlotFile(4, planesTarget()));
  ASSERT_EQ(::stat("KEEP4.bmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask);
}

TEST(HostileSaveFlow, SaveOverAPrivateFileKeepsItPrivate) {
  WorkFolder folder;
  writeBmp("red.bmp", solidPicture(300, 200, Rgb{200, 30, 40}));
  std::ofstream("saved.bmp") << "old";
  ASSERT_EQ(::chmod("saved.bmp", 0600), 0);
  const auto r = replay("open red.bmp\nsave saved.bmp\nclick 880 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  struct stat st;
  ASSERT_EQ(::stat("saved.bmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(test::keptPixel("saved.bmp", 3, 3), (Rgb{200, 30, 40}));
}

// Files the image reader refuses, each made here: text, an empty file, a PNG cut short, a folder
// and a FIFO (which must not hang the reader either).
class UnreadablePictureFlow : public testing::Test {
 protected:
  WorkFolder folder_;
  void SetUp() override {
    writeBmp("good.bmp", solidPicture(300, 200, Rgb{10, 20, 250}));
    std::ofstream("text.bmp") << "not a picture at all\n";
    std::ofstream("empty.bmp");
    const std::string png = contentOf(test::testdata("photos/kodim23.png"));
    std::ofstream("cut.png", std::ios::binary) << png.substr(0, png.size() / 3);
    fs::create_directory("folder.bmp");
    ::mkfifo("fifo.bmp", 0600);
  }
  std::string message(const std::string& title, const std::string& name,
                      const std::string& tail) const {
    return "message \"" + title + "\" \"" + (folder_.path() / name).string() + "\\n" + tail +
           "\" -> ok";
  }
};

const char* const kUnreadable[] = {"text.bmp", "empty.bmp", "cut.png", "folder.bmp", "fifo.bmp"};

TEST_F(UnreadablePictureFlow, IsNamedInAMessageAndThePreviousPictureStays) {
  for (const char* bad : kUnreadable) {
    const auto r = replay(std::string("open good.bmp\nclick 500 300\n") +   // the first picture
                          "open " + bad + "\nkey enter\npixel 150 100\n" +  // the bad choice
                          "cancel\nkey enter\npixel 150 100\n");            // Cancel goes back
    ASSERT_EQ(r.status, 0) << bad << r.err;
    EXPECT_TRUE(r.has(message("確認", bad, "を画像として読み込めませんでした"))) << bad << r.out;
    EXPECT_EQ(r.count("pixel 150 100 10,20,250"), 2) << bad;
    EXPECT_EQ(r.count(std::string("title ") + bad), 0) << bad;  // the title keeps good.bmp
    EXPECT_EQ(r.count("dialog open"), 3) << bad;
  }
}

TEST_F(UnreadablePictureFlow, WithoutAPreviousPictureTheDialogAsksAgainInTheCurrentLanguage) {
  const auto r = replay("open text.bmp\nopen good.bmp\nclick 500 300\npixel 150 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has(message("確認", "text.bmp", "を画像として読み込めませんでした")));
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_TRUE(r.has("pixel 150 100 10,20,250"));

  const auto english = replay(
      "open good.bmp\nclick 40 374\n"  // ENGLISH
      "open cut.png\nkey enter\n");
  ASSERT_EQ(english.status, 0) << english.err;
  EXPECT_TRUE(english.has(message("Plese make sure", "cut.png", "could not be read as a picture")))
      << english.out;
}

}  // namespace
}  // namespace zc
