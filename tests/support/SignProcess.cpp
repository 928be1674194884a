#include "tests/support/SignProcess.h"

#include <QFile>

namespace velnar::testing {

ToolProcess::ToolProcess(Tool tool, const QStringList& arguments, const QProcessEnvironment& environment)
{
    // A send's record of the sign goes to the process's own folder, never the user's.
    QProcessEnvironment own = environment;
    own.insert(QStringLiteral("XDG_DATA_HOME"), stateHome_.path());
    process_.setProcessEnvironment(own);
    timer_.start();
    if (tool == Tool::WindowsSend) {
        process_.start(environment.value(QStringLiteral("VELNAR_WINE")),
                       QStringList{environment.value(QStringLiteral("VELNAR_WINDOWS_SEND"))} + arguments);
    } else {
        process_.start(tool == Tool::Send ? QStringLiteral(VELNAR_SEND_PATH) : QStringLiteral(VELNAR_SIGN_PATH),
                       arguments);
    }
}

ToolProcess::~ToolProcess()
{
    process_.kill();
    process_.waitForFinished();
}

ToolRun ToolProcess::Finish()
{
    ToolRun run;
    if (!process_.waitForFinished(120000))
        return run;
    run.elapsedMs = timer_.elapsed();
    run.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    run.output = QString::fromUtf8(process_.readAllStandardOutput());
    run.errors = QString::fromUtf8(process_.readAllStandardError());
    return run;
}

bool LinkWineComPort(int port, const QString& device)
{
    const QString link = qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/dosdevices/com%1").arg(port);
    QFile::remove(link);
    return QFile::link(device, link);
}

SignProcess::SignProcess(const QStringList& faults) : ToolProcess(Tool::Sign, faults)
{
    while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
    }
    const QString first = QString::fromUtf8(process_.readLine()).trimmed();
    if (first.startsWith(QStringLiteral("port: ")))
        port_ = first.mid(6);
}

QString SignProcess::Stop(bool* exitedCleanly)
{
    process_.terminate();
    const ToolRun run = Finish();
    if (exitedCleanly)
        *exitedCleanly = run.exitCode == 0;
    return run.output;
}

}  // namespace velnar::testing
