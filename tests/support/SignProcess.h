#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace velnar::testing {

// velnar-sign running as its own process on a fresh pseudo-terminal.
class SignProcess {
public:
    explicit SignProcess(const QStringList& faults = {});
    ~SignProcess();

    // The pseudo-terminal the sign plays on; empty when it did not start.
    const QString& Port() const { return port_; }

    // Asks the sign to stop (SIGTERM) and returns everything it printed after
    // its port line; exitedCleanly tells whether it ended by itself with 0.
    QString Stop(bool* exitedCleanly = nullptr);
    // Ends the sign at once, as pulling out the adapter would: its end of the
    // line closes and the device goes away.
    void Unplug();

private:
    QProcess process_;
    QString port_;
};

// Runs velnar-send to its end with the given arguments.
struct SendRun {
    int exitCode = -1;
    QString output;
    QString errors;
    qint64 elapsedMs = 0;
};
SendRun RunSend(const QStringList& arguments);
QString SendPath();

// velnar-send started, for a test that acts while it sends; Finish waits for
// its end. A prefix is a command that runs velnar-send (for example one
// that changes the user first).
class SendProcess {
public:
    explicit SendProcess(const QStringList& arguments,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                         const QStringList& prefix = {});
    QProcess& Process() { return process_; }
    SendRun Finish();

private:
    QProcess process_;
    QElapsedTimer timer_;
};

}  // namespace velnar::testing
