// CPU share of the editor left alone: the real program, offscreen, with its
// timers running (the date and time every 5 ms, each page every 50 ms) and
// nothing for them to change but the clock.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// User and system time of a running process, in clock ticks.
long ProcessTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command's name, which ends with the last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i >= 14)
            ticks += std::stol(field);
    }
    return ticks;
}

}  // namespace

int main()
{
    using namespace std::chrono;
    const pid_t editor = fork();
    if (editor == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // The editor's own messages would break the one result line.
        freopen("/dev/null", "w", stderr);
        execl(VELNAR_EDITOR_PATH, VELNAR_EDITOR_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }

    constexpr int kSettleMs = 1500;
    constexpr int kRunS = 10;
    std::this_thread::sleep_for(milliseconds(kSettleMs));
    const long startTicks = ProcessTicks(editor);
    const auto start = steady_clock::now();
    std::this_thread::sleep_for(seconds(kRunS));
    const long ticks = ProcessTicks(editor) - startTicks;
    const double elapsed = duration<double>(steady_clock::now() - start).count();
    kill(editor, SIGTERM);
    waitpid(editor, nullptr, 0);

    const double share = static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK)) / elapsed * 100.0;
    std::printf("idle editor offscreen for %d s: CPU %.2f %% of one core (target at most 1 %%)\n", kRunS, share);
    return 0;
}
