// Real duration of one text frame over a pseudo-terminal to a sign that
// answers at once, against the duration its pacing prescribes, and the
// processor time the sending process spent meanwhile.
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/common/CpuTime.h"
#include "link/Frame.h"
#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "serial/QtSerialLibrary.h"
#include "tests/support/SignOnLine.h"

int main(int argc, char** argv)
{
    using namespace velnar;
    QCoreApplication application(argc, argv);

    testing::SignOnLine sign;
    const link::PortDirectory noPorts({}, {}, link::PortDirectory::Naming::Mapped);
    serial::QtSerialLibrary library(noPorts);
    library.SetDeviceName(1, QString::fromStdString(sign.DevicePath()));
    link::SteadyClockPacer pacer;
    model::MessageTable table;
    link::SignLink signLink(library, pacer, table);
    signLink.OpenLink(0);

    link::TextBlock block;
    block.codes.fill(33);
    const link::Frame frame = link::BuildTextFrame(block);

    constexpr int kRuns = 5;
    std::vector<double> durations;
    int refused = 0;
    const double cpuBefore = bench::ProcessCpuSeconds();
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (signLink.ExchangeFrame(frame, link::ExchangeKind::TextFrame) != link::ExchangeResult::Accepted)
            ++refused;
        durations.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const double cpu = bench::ProcessCpuSeconds() - cpuBefore;
    sign.Stop();

    double wallMs = 0;
    for (double duration : durations)
        wallMs += duration;
    std::sort(durations.begin(), durations.end());
    const double median = durations[kRuns / 2];
    const int nominal = link::NominalDurationMs(link::ExchangeKind::TextFrame);
    std::printf("text frame: %.0f ms (nominal %d, ratio %.3f, cpu %.0f %%, %d of %d refused)\n", median, nominal,
                median / nominal, 100 * cpu * 1000 / wallMs, refused, kRuns);
    return refused == 0 ? 0 : 1;
}
