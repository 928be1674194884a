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

// File dialogs that answer with the paths a test queues, whichever is asked;
// an empty answer, or none left, is a cancel.
class ScriptedFileDialogs final : public app::FileDialogs {
public:
    std::deque<QString> answers;
    QStringList asked;  // "open" and "save", in the order asked

    QString AskOpenPath(QWidget&, dialogs::ModalRunner&) override { return Next(QStringLiteral("open")); }
    QString AskSavePath(QWidget&, dialogs::ModalRunner&) override { return Next(QStringLiteral("save")); }

private:
    QString Next(const QString& which)
    {
        asked << which;
        if (answers.empty())
            return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The editor wired to a recording line, a virtual clock, a fixed local time,
// a table of its own, recorded dialogs, the serial devices the test lists,
// scripted file dialogs and a program folder of its own.
struct Editor {
    link::VirtualClock virtualClock;
    ScriptedLine line{virtualClock};
    FixedClock clock;
    model::MessageTable table;
    RecordingRunner modal;
    std::vector<link::SystemPort> listedPorts;
    link::PortMapEntries portMap;  // the operator's, as the settings keep it
    link::PortDirectory ports{[this] { return listedPorts; }, {}, link::PortDirectory::Naming::Mapped,
                              [this] { return portMap; }};
    ScriptedFileDialogs files;
    QTemporaryDir programDirectory;
    app::AppContext context{line, virtualClock, clock, table, modal, ports, files, programDirectory.path()};
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
    StartedEditor() { Start(); }
};

}  // namespace velnar::testing
