#pragma once

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "app/CMainDialog.h"
#include "app/FileDialogs.h"
#include "app/WindowIdle.h"
#include "file/MessageFileWriter.h"
#include "link/PortDirectory.h"
#include "model/MessageTable.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingRunner.h"
#include "tests/support/ScriptedLine.h"

namespace velnar::testing {

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a message file of this table holds, byte for byte.
inline QByteArray TableBytes(const model::MessageTable& table)
{
    return QByteArray::fromStdString(file::MessageFileBytes(table));
}

// File dialogs answering with queued paths; an empty answer or none left cancels.
class ScriptedFileDialogs final : public app::FileDialogs {
public:
    std::deque<QString> answers;
    QStringList asked;  // "open" and "save", in the order asked
    QStringList folders;  // where each dialog started

    QString AskOpenPath(QWidget&, dialogs::ModalRunner&, const QString& folder) override
    {
        return Next(QStringLiteral("open"), folder);
    }
    QString AskSavePath(QWidget&, dialogs::ModalRunner&, const QString& folder) override
    {
        return Next(QStringLiteral("save"), folder);
    }

private:
    QString Next(const QString& which, const QString& folder)
    {
        asked << which;
        folders << folder;
        if (answers.empty())
            return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The editor on a recording line, in virtual or real time, with a state folder of its own.
struct Editor {
    enum class Time { Virtual, Real };
    explicit Editor(Time time = Time::Virtual)
        : pacer(time == Time::Real ? static_cast<link::Pacer&>(realPacer) : virtualClock)
    {
    }

    link::VirtualClock virtualClock;
    link::SteadyClockPacer realPacer{app::HandleWindowEventsUntil};
    link::Pacer& pacer;
    ScriptedLine line{pacer};
    FixedClock clock;
    model::MessageTable table;
    RecordingRunner modal;
    std::vector<link::SystemPort> listedPorts;
    link::PortMapEntries portMap;  // the operator's, as the settings keep it
    link::PortDirectory ports{[this] { return listedPorts; }, {}, link::PortDirectory::Naming::Mapped,
                              [this] { return portMap; }};
    ScriptedFileDialogs files;
    QTemporaryDir programDirectory;
    QTemporaryDir userFolders;
    app::AppContext context{line, pacer, clock, table, modal, ports, files, programDirectory.path(),
                            userFolders.filePath("state"), userFolders.filePath("velnar-messages.conf")};
    std::unique_ptr<app::CMainDialog> window;

    void Start() { window = std::make_unique<app::CMainDialog>(context); }

    template <class Widget = QWidget>
    Widget* Control(int id) const
    {
        return qobject_cast<Widget*>(window->Control(id));
    }
    // What a label, a button or a field shows.
    QString Text(int id) const { return window->Control(id)->property("text").toString(); }
    void Click(int id) const { Control<QPushButton>(id)->click(); }
    QString InProgramFolder(const QString& name) const { return QDir(programDirectory.path()).filePath(name); }
    void ShowActive()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // Every text of the message boxes and dialogs shown so far, joined.
    QString ShownText() const { return modal.Texts().join(QLatin1Char('\n')); }
};

struct StartedEditor : Editor {
    explicit StartedEditor(Time time = Time::Virtual) : Editor(time) { Start(); }
};

}  // namespace velnar::testing
