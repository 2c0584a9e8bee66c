#pragma once
// The working folder of a fuzz target: made once, in memory when the system has one.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zc {

// Makes a fresh folder named after `name` and returns its path; a target that cannot have one
// stops at once.
inline std::string makeFuzzFolder(const std::string& name) {
  for (const char* base : {"/dev/shm/", "/tmp/"}) {
    std::string pattern = base + name + "-XXXXXX";
    if (mkdtemp(pattern.data())) return pattern;
  }
  std::perror("zindle fuzz: working folder");
  std::abort();
}

// Makes such a folder and opens it for the *at calls; `path` receives its path.
inline int openFuzzFolder(const std::string& name, std::string& path) {
  path = makeFuzzFolder(name);
  const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) {
    std::perror("zindle fuzz: working folder");
    std::abort();
  }
  return folder;
}

// Works inside `folder` from here on; answers the folder the call started in, for leaveFuzzFolder.
inline int enterFuzzFolder(int folder) {
  const int caller = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (caller < 0 || ::fchdir(folder) != 0) std::abort();
  return caller;
}
inline void leaveFuzzFolder(int caller) {
  if (::fchdir(caller) != 0) std::abort();
  ::close(caller);
}

}  // namespace zc
