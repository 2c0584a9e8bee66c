#pragma once
// The working folder of a fuzz target: made once, in memory when the system has one.
#include <stdlib.h>

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

}  // namespace zc
