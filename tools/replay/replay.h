#pragma once
#include <iosfwd>
#include <string>

namespace zc {

// Runs a replay script against the headless window, in the current working directory. Events go
// to out one per line; a script error or an unanswered dialog goes to err and gives 2.
int runReplay(std::istream& script, const std::string& scriptFolder, std::ostream& out,
              std::ostream& err);
int runReplayFile(const std::string& scriptPath, std::ostream& out, std::ostream& err);

}  // namespace zc
