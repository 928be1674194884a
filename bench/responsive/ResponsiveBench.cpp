// How long the editor's window goes without handling its events while a
// SEND ALL runs: the real window (offscreen) sends sixteen short slots over
// a pseudo-terminal to the virtual sign, and the longest gap between two
// ticks of its 5 ms timer is measured.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

#include "app/AppContext.h"
#include "app/CMainDialog.h"
#include "app/WindowIdle.h"
#include "dialogs/ModalRunner.h"
#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "model/MessageTable.h"
#include "res/DialogIds.h"
#include "serial/QtSerialLibrary.h"
#include "tests/support/SignOnLine.h"

namespace {

// The notice at the end of the run is answered at once.
class AnsweringRunner final : public velnar::dialogs::ModalRunner {
public:
    int Run(QDialog&) override { return QDialog::Accepted; }
};

}  // namespace

int main(int argc, char** argv)
{
    using namespace velnar;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    testing::SignOnLine sign;
    link::PortDirectory ports({}, {}, link::PortDirectory::Naming::Mapped);
    serial::QtSerialLibrary library(ports);
    library.SetDeviceName(1, QString::fromStdString(sign.DevicePath()));
    link::SteadyClockPacer pacer(app::HandleWindowEventsUntil);
    link::SystemLocalClock clock;
    AnsweringRunner modal;
    model::MessageTable table;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = std::u16string(1, u'A');
    table.fileLoadedPage1 = table.fileLoadedPage2 = 1;
    const app::AppContext context{library, pacer, clock, table, modal, ports};
    app::CMainDialog window(context);
    window.show();

    QElapsedTimer elapsed;
    elapsed.start();
    qint64 lastTick = -1;
    qint64 longest = 0;
    QObject::connect(&window.Timer(), &QTimer::timeout, [&] {
        if (window.Session().Active() && lastTick >= 0)
            longest = std::max(longest, elapsed.elapsed() - lastTick);
        lastTick = elapsed.elapsed();
    });
    QObject::connect(&window.Session(), &pages::SendSession::ended, &application, &QApplication::quit);
    qobject_cast<QPushButton*>(window.Control(res::main_window::kSendAllButton))->click();
    const qint64 start = elapsed.elapsed();
    application.exec();

    std::printf("longest window stall during a send: %lld ms (target at most 50 ms; SEND ALL of 16 slots, %.1f s)\n",
                static_cast<long long>(longest), (elapsed.elapsed() - start) / 1000.0);
    return 0;
}
