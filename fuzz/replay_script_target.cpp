// Fuzz target of the replay driver: any bytes as a script, run against the headless window. The
// run either carries the script out (status 0, nothing on standard error) or stops with one line
// on standard error and status 2; it never crashes, hangs or grows without bound. Every '/' of an
// input becomes '_', so each path the script names stays inside the target's own folder, which
// holds one small picture, "a.bmp", and is emptied of everything else after each input.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "files/bmp_codec.h"
#include "fuzz_folder.h"
#include "platform/headless/headless_platform.h"
#include "replay/replay.h"

namespace zc {
namespace {

constexpr const char* kPictureName = "a.bmp";

// A 4 x 4 picture in the program's own layout, for the scripts' open lines.
void writePicture(int folder) {
  std::vector<uint8_t> file = bmpHeader(4, 4);
  for (int i = 0; i < 4 * 4 * 3; ++i) file.push_back(static_cast<uint8_t>(37 * i));
  const int fd = ::openat(folder, kPictureName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0 || ::write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) {
    std::abort();
  }
  ::close(fd);
}

// Removes every file the script left behind; the picture is written anew.
void emptyFolder(int folder) {
  const int copy = ::dup(folder);
  DIR* dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (!dir) std::abort();
  // The copy shares the folder's read position, which the last listing left at the end.
  ::rewinddir(dir);
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  for (const std::string& name : names) ::unlinkat(folder, name.c_str(), 0);
  writePicture(folder);
}

// The folder the scripts run in, in memory when the system has one, and the application object
// that drawing needs. The target works inside the folder only during a call: the fuzzer's own
// corpus paths may be relative to the folder it started in.
struct Session {
  int folder = -1;
  int caller = -1;
  Session() {
    std::string made;
    folder = openFuzzFolder("zindle-fuzz-replay", made);
    static int argc = 1;
    static char name[] = "zindle-fuzz-replay-script";
    static char* argv[] = {name, nullptr};
    static HeadlessApplication application(argc, argv);
    static std::string madeFolder = made;
    static int madeFd = folder;
    std::atexit([] {
      emptyFolder(madeFd);
      ::unlinkat(madeFd, kPictureName, 0);
      ::rmdir(madeFolder.c_str());
    });
    writePicture(folder);
  }
  void enter() { caller = enterFuzzFolder(folder); }
  void leave() {
    leaveFuzzFolder(caller);
    emptyFolder(folder);
  }
};

[[noreturn]] void fault(const char* what, int status, const std::string& err) {
  std::fprintf(stderr, "replay script: %s (status %d, standard error \"%s\")\n", what, status,
               err.c_str());
  std::abort();
}

}  // namespace
}  // namespace zc

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zc;
  static Session session;
  std::string script(reinterpret_cast<const char*>(data), size);
  std::replace(script.begin(), script.end(), '/', '_');
  // Short scripts only: every line may run a whole paint of the canvas, or a page's kernel over
  // it. Lines after the twelfth are not run.
  size_t kept = 0;
  for (int lines = 0; lines < 12 && kept < script.size(); ++lines) {
    const size_t next = script.find('\n', kept);
    kept = next == std::string::npos ? script.size() : next + 1;
  }
  script.resize(kept);

  session.enter();
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = runReplay(in, "", out, err);
  session.leave();

  const std::string e = err.str();
  if (status == 0) {
    if (!e.empty()) fault("ran, yet wrote to standard error", status, e);
  } else if (status == 2) {
    if (e.empty() || e.back() != '\n' || e.find('\n') != e.size() - 1)
      fault("stopped without a one-line message", status, e);
  } else {
    fault("status other than 0 or 2", status, e);
  }
  return 0;
}
