#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace velnar::testing {

// WindowsSend is the Windows build's velnar-send.exe under Wine: the loader
// is $VELNAR_WINE, the program $VELNAR_WINDOWS_SEND.
enum class Tool { Send, Sign, WindowsSend };

// A tool's run to its end.
struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
    qint64 elapsedMs = 0;
};

// A tool started, for a test that acts while it runs; Finish waits for its
// end, and a tool still running at the end is killed.
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

// Links COMn of the Wine prefix ($WINEPREFIX) to a device, as the port
// velnar-send.exe opens; false when the link could not be made.
bool LinkWineComPort(int port, const QString& device);

// velnar-sign on a fresh pseudo-terminal.
class SignProcess : public ToolProcess {
public:
    explicit SignProcess(const QStringList& faults = {});

    // The pseudo-terminal the sign plays on; empty when it did not start.
    const QString& Port() const { return port_; }
    // Asks the sign to stop (SIGTERM) and returns everything it printed after
    // its port line; exitedCleanly tells whether it ended by itself with 0.
    QString Stop(bool* exitedCleanly = nullptr);
    // Ends the sign at once, as pulling out the adapter would: its end of the
    // line closes and the device goes away.
    void Unplug()
    {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QString port_;
};

}  // namespace velnar::testing
