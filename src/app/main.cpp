#include <cstdio>
#include <cstdlib>

#include "app/AppContext.h"
#include "app/CMainDialog.h"
#include "app/CSignEditorApp.h"
#include "app/DisplayCheck.h"
#include "app/EditorArguments.h"
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
    switch (velnar::app::EditorRequestOf(argc, argv)) {
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
    return application.Run(window);
}
