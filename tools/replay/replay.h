#pragma once
#include <iosfwd>
#include <string>

namespace zc {

// Runs a replay script against the headless window, in the current working directory. Events go
// to out one per line; a script error or an unanswered dialog goes to err and gives 2.
// startFile, when given, is the file the program was started with (it answers the first open
// dialog, as `zindle-canvas FILE` does); a relative path is taken from the working directory.
int runReplay(std::istream& script, const std::string& scriptFolder, std::ostream& out,
              std::ostream& err, const std::string& startFile = {});
int runReplayFile(const std::string& scriptPath, std::ostream& out, std::ostream& err,
                  const std::string& startFile = {});

}  // namespace zc
