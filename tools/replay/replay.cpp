#include "replay/replay.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "files/bmp_codec.h"
#include "files/keep_files.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc {
namespace {

// Stops the run: a script line that cannot be carried out.
struct ReplayStop {
  std::string reason;
};

// Pointer messages carry 16-bit signed coordinates, as the window system's do; a script line
// beyond them is malformed. Lines and queued answers are bounded, so a script that never ends (a
// pipe, a device) stops instead of filling memory.
constexpr int kLeastCoordinate = -32768;
constexpr int kMostCoordinate = 32767;
constexpr size_t kLongestLine = 4096;
constexpr size_t kMostQueuedAnswers = 1000;

// One line without its '\n'; false at the end of the script. A line longer than kLongestLine
// is cut there and reported as too long.
bool readLine(std::istream& in, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  std::streambuf* buffer = in.rdbuf();
  if (!in || !buffer) return false;
  bool any = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (line.size() == kLongestLine) {
      tooLong = true;
      return true;
    }
    line += static_cast<char>(c);
  }
}

bool tokenize(const std::string& line, std::vector<std::string>& words) {
  words.clear();
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      if (end == std::string::npos) return false;
      word = line.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '#') {
        word += line[i++];
      }
    }
    words.push_back(word);
  }
  return true;
}

bool toInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  size_t used = 0;
  try {
    value = std::stoi(text, &used);
  } catch (...) {
    return false;
  }
  return used == text.size();
}

bool coordinates(const std::vector<std::string>& words, size_t count, std::vector<int>& values) {
  if (words.size() != count + 1) return false;
  values.assign(count, 0);
  for (size_t i = 0; i < count; ++i) {
    if (!toInt(words[i + 1], values[i])) return false;
    if (values[i] < kLeastCoordinate || values[i] > kMostCoordinate) return false;
  }
  return true;
}

class Driver {
 public:
  Driver(const std::string& scriptFolder, std::ostream& out)
      : scriptFolder_(scriptFolder),
        out_(out),
        platform_([this](const std::string& line) { out_ << line << '\n'; },
                  [](const std::string& what) { throw ReplayStop{what}; }) {
    resetWorkspace();
    setPlatform(&platform_);
  }
  ~Driver() { setPlatform(nullptr); }

  void run(const std::vector<std::string>& w) {
    const std::string& c = w[0];
    std::vector<int> v;
    if (c == "open" || c == "save") {
      if (w.size() != 2) throw ReplayStop{"malformed line"};
      ScriptedAnswer a;
      a.kind = c == "open" ? ScriptedAnswer::Open : ScriptedAnswer::Save;
      a.shownPath = w[1];
      a.path = c == "open" ? resolveAgainstScript(w[1]) : w[1];
      queue(a);
      return;
    }
    if (c == "cancel") {
      if (w.size() != 1) throw ReplayStop{"malformed line"};
      queue(ScriptedAnswer{ScriptedAnswer::Cancel, "", ""});
      return;
    }
    if (c == "answer") {
      if (w.size() != 2 || (w[1] != "yes" && w[1] != "no")) throw ReplayStop{"malformed line"};
      queue(ScriptedAnswer{w[1] == "yes" ? ScriptedAnswer::Yes : ScriptedAnswer::No, "", ""});
      return;
    }
    startWindow();
    if (c == "click") {
      need(coordinates(w, 2, v));
      send(MessageKind::LeftDown, v[0], v[1]);
      send(MessageKind::LeftUp, v[0], v[1]);
    } else if (c == "ldown" || c == "lup" || c == "move" || c == "rclick") {
      need(coordinates(w, 2, v));
      const MessageKind kind = c == "ldown"  ? MessageKind::LeftDown
                               : c == "lup"  ? MessageKind::LeftUp
                               : c == "move" ? MessageKind::MouseMove
                                             : MessageKind::RightDown;
      send(kind, v[0], v[1]);
    } else if (c == "drag") {
      need(coordinates(w, 4, v));
      drag(v[0], v[1], v[2], v[3]);
    } else if (c == "key") {
      Message m{MessageKind::KeyDown};
      need(w.size() == 2 && keyNamed(w[1], m.key));
      deliver(m);
    } else if (c == "drop") {
      need(w.size() == 2);
      Message m{MessageKind::Drop};
      m.path = resolveAgainstScript(w[1]);
      deliver(m);
    } else if (c == "close") {
      need(w.size() == 1);
      deliver(Message{MessageKind::Close});
    } else if (c == "shot") {
      need(w.size() == 2);
      if (!platform_.surface().savePng(w[1])) throw ReplayStop{"cannot write " + w[1]};
    } else if (c == "planes") {
      need(w.size() == 2);
      if (!writeImageFile(w[1], planesTarget(), ws().workSize)) {
        throw ReplayStop{"cannot write " + w[1]};
      }
    } else if (c == "pixel") {
      need(coordinates(w, 2, v));
      const Rgb p = platform_.surface().pixel(v[0], v[1]);
      out_ << "pixel " << v[0] << ' ' << v[1] << ' ' << int(p.r) << ',' << int(p.g) << ','
           << int(p.b) << '\n';
    } else if (c == "texts") {
      need(w.size() == 2 && (w[1] == "on" || w[1] == "off"));
      setTextLog(w[1] == "on");
    } else {
      throw ReplayStop{"unknown command '" + c + "'"};
    }
    platform_.runPendingPaints(shellWindowProcedure());
  }

  bool windowGone() const { return platform_.destroyed(); }

  // The program started with a file: it answers the first open dialog.
  void startWith(const std::string& file) { setPendingOpenFile(file, kPendingStartFile); }

 private:
  static void need(bool ok) {
    if (!ok) throw ReplayStop{"malformed line"};
  }

  // enter, space, ctrl+o, ctrl+s, ctrl+z, ctrl+q, alt+0 .. alt+8.
  static bool keyNamed(const std::string& name, Key& key) {
    static const std::pair<const char*, Key> kNames[] = {
        {"enter", Key::Enter},  {"space", Key::Space},  {"ctrl+o", Key::CtrlO},
        {"ctrl+s", Key::CtrlS}, {"ctrl+z", Key::CtrlZ}, {"ctrl+q", Key::CtrlQ},
        {"alt+0", Key::Alt0},   {"alt+1", Key::Alt1},   {"alt+2", Key::Alt2},
        {"alt+3", Key::Alt3},   {"alt+4", Key::Alt4},   {"alt+5", Key::Alt5},
        {"alt+6", Key::Alt6},   {"alt+7", Key::Alt7},   {"alt+8", Key::Alt8},
    };
    for (const auto& [text, k] : kNames) {
      if (name == text) {
        key = k;
        return true;
      }
    }
    return false;
  }

  void queue(ScriptedAnswer answer) {
    if (platform_.queuedAnswers() >= kMostQueuedAnswers)
      throw ReplayStop{"too many answers queued"};
    platform_.queueAnswer(std::move(answer));
  }

  std::string resolveAgainstScript(const std::string& path) const {
    std::filesystem::path p(path);
    if (p.is_absolute() || scriptFolder_.empty()) return path;
    return (std::filesystem::path(scriptFolder_) / p).string();
  }

  // The window is created, shown and painted once, before the first input.
  void startWindow() {
    if (started_) return;
    started_ = true;
    platform_.setTitle("ジンドルキャンバスサンプル ZINDLE CANVAS SAMPLE vabosample");
    platform_.invalidate();
    platform_.runPendingPaints(shellWindowProcedure());
  }

  void send(MessageKind kind, int x, int y) {
    Message m{kind};
    m.x = x;
    m.y = y;
    deliver(m);
  }

  void deliver(const Message& m) {
    if (platform_.destroyed()) return;
    shellWindowProcedure().handle(m);
  }

  void drag(int x0, int y0, int x1, int y1) {
    send(MessageKind::LeftDown, x0, y0);
    const int distance = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const int steps = std::max(1, (distance + 7) / 8);
    for (int i = 1; i <= steps; ++i) {
      send(MessageKind::MouseMove, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
    }
    send(MessageKind::LeftUp, x1, y1);
  }

  void setTextLog(bool on) {
    if (!on) {
      platform_.surface().setTextObserver(nullptr);
      return;
    }
    platform_.surface().setTextObserver([this](int x, int y, Rgb c, std::string_view text) {
      out_ << "text " << x << ' ' << y << ' ' << int(c.r) << ',' << int(c.g) << ',' << int(c.b)
           << " \"" << text << "\"\n";
    });
  }

  std::string scriptFolder_;
  std::ostream& out_;
  HeadlessPlatform platform_;
  bool started_ = false;
};

}  // namespace

int runReplay(std::istream& script, const std::string& scriptFolder, std::ostream& out,
              std::ostream& err, const std::string& startFile) {
  Driver driver(scriptFolder, out);
  if (!startFile.empty()) driver.startWith(startFile);
  std::string line;
  int number = 0;
  std::vector<std::string> words;
  bool tooLong = false;
  while (readLine(script, line, tooLong)) {
    ++number;
    try {
      if (tooLong) throw ReplayStop{"line longer than " + std::to_string(kLongestLine) + " bytes"};
      if (!tokenize(line, words)) throw ReplayStop{"malformed line"};
      if (words.empty()) continue;
      driver.run(words);
    } catch (const ReplayStop& stop) {
      out.flush();
      err << "line " << number << ": " << stop.reason << ": " << line << '\n';
      return 2;
    }
    if (driver.windowGone()) break;
  }
  out.flush();
  return 0;
}

int runReplayFile(const std::string& scriptPath, std::ostream& out, std::ostream& err,
                  const std::string& startFile) {
  std::ifstream in(scriptPath);
  if (!in) {
    err << "cannot read script " << scriptPath << '\n';
    return 2;
  }
  const std::string folder = std::filesystem::path(scriptPath).parent_path().string();
  return runReplay(in, folder, out, err, startFile);
}

}  // namespace zc
