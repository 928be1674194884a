#include "tests/support/SignProcess.h"

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

void SignProcess::Unplug()
{
    process_.kill();
    process_.waitForFinished();
}

QString SendPath()
{
    return QStringLiteral(VELNAR_SEND_PATH);
}

SendProcess::SendProcess(const QStringList& arguments, const QProcessEnvironment& environment, const QStringList& prefix)
{
    process_.setProcessEnvironment(environment);
    timer_.start();
    const QStringList command = prefix + QStringList{SendPath()} + arguments;
    process_.start(command.first(), command.mid(1));
}

SendRun SendProcess::Finish()
{
    SendRun run;
    if (!process_.waitForFinished(kSendMs))
        return run;
    run.elapsedMs = timer_.elapsed();
    run.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    run.output = QString::fromUtf8(process_.readAllStandardOutput());
    run.errors = QString::fromUtf8(process_.readAllStandardError());
    return run;
}

SendRun RunSend(const QStringList& arguments)
{
    return SendProcess(arguments).Finish();
}

}  // namespace velnar::testing
