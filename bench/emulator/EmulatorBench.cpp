// CPU share of the virtual sign's window, offscreen, while it shows one
// two-row slot over and over: each pass enters (a scroll and a curtain at
// speed "2") and then holds for two seconds, so the run has both.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

#include "SignWindow.h"

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace velnar;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QElapsedTimer clock;
    clock.start();
    tools::SignWindow window(QStringLiteral("bench"), sign::kDefaultBoardColumns, [&clock] { return clock.elapsed(); });
    window.resize(1024, 160);
    window.show();

    sign::SignState state;
    state.slotStates[2].rows[0] = {u"MERHABA", 1, 8, 4};
    state.slotStates[2].rows[1] = {u"HOŞ GELDİNİZ", 4, 4, 4};
    state.showFromSlot = 2;
    window.TakeFrame(state, QStringLiteral("SETTINGS slot 3 row 2 brightness 4 speed 4 accepted"));

    constexpr int kRunMs = 6000;
    const double startCpu = CpuSeconds();
    const qint64 startMs = clock.elapsed();
    QTimer::singleShot(kRunMs, &application, &QApplication::quit);
    application.exec();
    const double share = (CpuSeconds() - startCpu) / ((clock.elapsed() - startMs) / 1000.0) * 100.0;
    const qint64 passMs = sign::EntryMs(state, 2, sign::kDefaultBoardColumns) + sign::kHoldMs;
    std::printf("emulator window offscreen, one slot (%lld ms a pass) for %d s: CPU %.2f %% of one core (target at most 5 %%)\n",
                static_cast<long long>(passMs), kRunMs / 1000, share);
    return 0;
}
