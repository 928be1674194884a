// Real duration of sending slot 3 (MERHABA over an empty row) with
// velnar-send to velnar-sign over a pseudo-terminal, against the nominal sum
// of its frames: text, page-1 settings, clock and blank; and the processor
// time velnar-send spent meanwhile.
//
//   bench_slot [VELNAR-SEND.EXE]
//
// Given the Windows build's velnar-send.exe, a second line measures it
// under Wine, through a COM port of the Wine prefix linked to the sign's
// pseudo-terminal (run it by scripts/wine, which makes that prefix).
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/common/CpuTime.h"
#include "file/MessageFile.h"
#include "link/ExchangeParameters.h"
#include "model/MessageTable.h"
#include "tests/support/SignProcess.h"

int main(int argc, char** argv)
{
    using namespace velnar;
    QCoreApplication application(argc, argv);

    model::MessageTable table;
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.rowAnimation[model::RowNumber(3, 1)] = 1;
    table.rowBrightness[model::RowNumber(3, 1)] = 8;
    table.rowSpeed[model::RowNumber(3, 1)] = 4;
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.VELNAR MESSAGES"));
    if (!file::SaveMessageFile(file.toStdString(), table).ok)
        return 1;

    QStringList arguments = application.arguments();
    arguments.removeFirst();
    struct Sender {
        testing::Tool tool;
        const char* name;
    };
    std::vector<Sender> senders{{testing::Tool::Send, "velnar-send"}};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!arguments.isEmpty()) {
        environment.insert(QStringLiteral("VELNAR_WINDOWS_SEND"), arguments.first());
        senders.push_back({testing::Tool::WindowsSend, "velnar-send.exe under Wine"});
    }
    using link::ExchangeKind;
    const int nominal = link::NominalDurationMs(ExchangeKind::TextFrame) +
                        link::NominalDurationMs(ExchangeKind::SettingsFramePage1) +
                        link::NominalDurationMs(ExchangeKind::ClockFrame) +
                        link::NominalDurationMs(ExchangeKind::BlankFrame);

    for (const Sender& sender : senders) {
        testing::SignProcess sign;
        QString port = sign.Port();
        QString path = file;
        if (sender.tool == testing::Tool::WindowsSend) {
            if (!testing::LinkWineComPort(5, port))
                return 1;
            port = QStringLiteral("COM5");
            path = QStringLiteral("Z:") + file;  // the file as Windows names it under Wine
        }
        constexpr int kRuns = 3;
        std::vector<qint64> durations;
        qint64 wallMs = 0;
        const double cpuBefore = bench::ChildrenCpuSeconds();
        for (int run = 0; run < kRuns; ++run) {
            const auto sent = testing::ToolProcess(sender.tool,
                                                   {QStringLiteral("--port"), port, QStringLiteral("--slot"),
                                                    QStringLiteral("3"), path},
                                                   environment)
                                  .Finish();
            if (sent.exitCode != 0)
                return 1;
            durations.push_back(sent.elapsedMs);
            wallMs += sent.elapsedMs;
        }
        // Only velnar-send has ended so far: the sign is still running.
        const double cpu = bench::ChildrenCpuSeconds() - cpuBefore;
        sign.Stop();

        std::sort(durations.begin(), durations.end());
        const qint64 median = durations[kRuns / 2];
        std::printf("slot 3 through %s: %lld ms (nominal %d, ratio %.3f, cpu %.0f %%)\n", sender.name,
                    static_cast<long long>(median), nominal, static_cast<double>(median) / nominal,
                    100 * cpu * 1000 / static_cast<double>(wallMs));
    }
    return 0;
}
