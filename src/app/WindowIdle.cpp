#include "app/WindowIdle.h"

#include <QEventLoop>
#include <QTimer>

namespace velnar::app {

void HandleWindowEventsUntil(link::SteadyClockPacer::Clock::time_point until)
{
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(until - link::SteadyClockPacer::Clock::now());
    if (left.count() <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace velnar::app
