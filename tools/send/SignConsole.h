#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace velnar::tools {

// Where the signs of one run print, each from its own thread: every sign
// has a stream whose lines reach the output whole, begun with its port
// ("[COM2] ") when the run has several signs, and, on a terminal, a
// progress line of its own below them, updated in place.
class SignConsole {
public:
    // `prefixes` holds one entry per sign; empty strings print as they are.
    SignConsole(std::ostream& out, std::ostream* terminal, std::vector<std::string> prefixes);
    ~SignConsole();

    std::ostream& Out(int sign);
    bool OnTerminal() const { return terminal_ != nullptr; }

    // Whether the sign's progress is due for an update (at most four a
    // second), and the update; an empty text takes its line away.
    bool ProgressDue(int sign) const;
    void Progress(int sign, const std::string& text);

    // A whole line from a sign's stream.
    void Emit(int sign, const std::string& line);

private:
    using Clock = std::chrono::steady_clock;
    class LineBuffer;

    void EraseLocked();
    void DrawLocked();

    std::ostream& out_;
    std::ostream* terminal_;
    std::vector<std::string> prefixes_;
    std::vector<std::string> progress_;
    std::vector<Clock::time_point> progressAt_;
    std::vector<std::unique_ptr<LineBuffer>> buffers_;
    std::vector<std::unique_ptr<std::ostream>> streams_;
    std::mutex mutex_;
    int shownLines_ = 0;
};

}  // namespace velnar::tools
