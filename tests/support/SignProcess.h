#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace velnar::testing {

// WindowsSend: velnar-send.exe under $VELNAR_WINE, from $VELNAR_WINDOWS_SEND.
enum class Tool { Send, Sign, WindowsSend };

// A tool's run to its end.
struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
    qint64 elapsedMs = 0;
};

// A running tool; Finish waits for it, and one still running at the end is killed.
class ToolProcess {
public:
    ToolProcess(Tool tool, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    ~ToolProcess();
    QProcess& Process() { return process_; }
    ToolRun Finish();

protected:
    QTemporaryDir stateHome_;
    QProcess process_;
    QElapsedTimer timer_;
};

inline ToolRun RunSend(const QStringList& arguments)
{
    return ToolProcess(Tool::Send, arguments).Finish();
}

// Links COMn of $WINEPREFIX to a device; false when it could not.
bool LinkWineComPort(int port, const QString& device);

// velnar-sign on a fresh pseudo-terminal.
class SignProcess : public ToolProcess {
public:
    explicit SignProcess(const QStringList& faults = {});

    // The pseudo-terminal the sign plays on; empty when it did not start.
    const QString& Port() const { return port_; }
    // SIGTERM, then what the sign printed after its port line; exitedCleanly if it ended with 0.
    QString Stop(bool* exitedCleanly = nullptr);
    // Kills the sign at once, as pulling the adapter would.
    void Unplug()
    {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QString port_;
};

}  // namespace velnar::testing
