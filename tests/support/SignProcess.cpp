#include "tests/support/SignProcess.h"

#include <QElapsedTimer>

namespace velnar::testing {

namespace {

constexpr int kStartMs = 10000;
constexpr int kSendMs = 120000;

}  // namespace

SignProcess::SignProcess(const QStringList& faults)
{
    process_.start(QStringLiteral(VELNAR_SIGN_PATH), faults);
    if (!process_.waitForStarted(kStartMs))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(kStartMs)) {
    }
    const QString first = QString::fromUtf8(process_.readLine()).trimmed();
    if (first.startsWith(QStringLiteral("port: ")))
        port_ = first.mid(6);
}

SignProcess::~SignProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

QString SignProcess::Stop(bool* exitedCleanly)
{
    process_.terminate();
    const bool finished = process_.waitForFinished(kStartMs);
    if (exitedCleanly)
        *exitedCleanly = finished && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    return QString::fromUtf8(process_.readAllStandardOutput());
}

SendRun RunSend(const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(VELNAR_SEND_PATH), arguments);
    SendRun run;
    if (!process.waitForFinished(kSendMs))
        return run;
    run.elapsedMs = timer.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace velnar::testing
