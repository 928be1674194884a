#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/AppContext.h"
#include "app/CMainDialog.h"
#include "app/CSignEditorApp.h"
#include "app/DisplayCheck.h"
#include "app/EditorArguments.h"
#include "app/ParentConsole.h"
#include "app/WindowIdle.h"
#include "desktop/RuntimeFolderNotice.h"
#include "dialogs/ModalRunner.h"
#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "model/MessageTable.h"
#include "serial/PortSettings.h"
#include "serial/QtSerialLibrary.h"
#include "serial/SystemPorts.h"

int main(int argc, char* argv[])
{
    const velnar::app::EditorRequest request = velnar::app::EditorRequestOf(argc, argv);
    if (request != velnar::app::EditorRequest::Run)
        velnar::app::UseParentConsole();
    switch (request) {
    case velnar::app::EditorRequest::Help: std::fputs(velnar::app::kEditorUsage, stdout); return 0;
    case velnar::app::EditorRequest::Version: std::puts("velnar-messages " VELNAR_VERSION); return 0;
    case velnar::app::EditorRequest::Run: break;
    }

    const std::string missing = velnar::app::MissingDisplayReason([](const char* name) { return std::getenv(name); });
    if (!missing.empty()) {
        std::fprintf(stderr, "velnar-messages: %s\n", missing.c_str());
        return 1;
    }

    velnar::desktop::DropRuntimeFolderNotice();
    velnar::app::CSignEditorApp application(argc, argv);
    velnar::link::PortDirectory ports = velnar::serial::SystemPortDirectory();
    velnar::serial::QtSerialLibrary library(ports);
    // The window lives on while a send waits between its bytes.
    velnar::link::SteadyClockPacer pacer(velnar::app::HandleWindowEventsUntil);
    velnar::link::SystemLocalClock clock;
    velnar::dialogs::ExecModalRunner modal;
    velnar::app::AppContext context{library, pacer, clock, velnar::model::messageTable, modal, ports};
    context.stateFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    context.settingsFile = velnar::serial::UserSettingsFile();
    context.portMap = {velnar::serial::ReadPortMap, velnar::serial::WritePortMap, [&ports](const std::string& device) {
                           velnar::serial::QtSerialLibrary trial(ports);
                           trial.SetDeviceName(1, QString::fromStdString(device));
                           trial.OpenPort(1);
                           const std::string problem = trial.PortProblem(1);
                           trial.ClosePort(1);
                           return problem;
                       }};

    // The editor is one modal window; when it closes, the program ends.
    velnar::app::CMainDialog window(context);
    // Qt has taken its own options out of argv by now. The file opens once
    // the window is up, so that a message about it stands over the window.
    if (const char* file = velnar::app::EditorFileArgument(argc, argv)) {
        const QString path = QString::fromLocal8Bit(file);
        QTimer::singleShot(0, &window, [&window, path] { window.OpenFile(path); });
    }
    return application.Run(window);
}
