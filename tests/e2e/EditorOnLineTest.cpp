#include <QtTest>

#include <QPlainTextEdit>

#include "app/CMainDialog.h"
#include "controls/CHotButton.h"
#include "link/Pacer.h"
#include "model/MessageTable.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "serial/QtSerialLibrary.h"
#include "serial/SystemPorts.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingRunner.h"
#include "tests/support/SignOnLine.h"

using namespace velnar;

// The editor with the real serial library and pacing, sending to a virtual sign on a pty.
class EditorOnLineTest : public QObject {
    Q_OBJECT

private slots:
    void aSlotTypedOnPageTwoArrivesOnTheSign()
    {
        testing::SignOnLine sign;
        qputenv("VELNAR_COM1", QByteArray::fromStdString(sign.DevicePath()));
        link::PortDirectory ports = serial::SystemPortDirectory();
        serial::QtSerialLibrary library(ports);
        link::SteadyClockPacer pacer;
        testing::FixedClock clock;
        model::MessageTable table;
        testing::RecordingRunner modal;
        app::AppContext context{library, pacer, clock, table, modal, ports};
        app::CMainDialog window(context);
        QCOMPARE(QString::fromStdString(library.PortProblem(1)), QString());

        window.Sheet().SetActivePage(1);
        pages::CSecondPage& page = window.SecondPage();
        page.Slot(0).Row(1).edit->setPlainText(QStringLiteral("Hoş geldiniz"));
        page.Slot(0).send->click();
        sign.Stop();

        QCOMPARE(QString::fromStdU16String(sign.Sign().Slot(8).rows[0].text), QStringLiteral("Hoş geldiniz"));
        QCOMPARE(sign.Frames().size(), std::size_t{2});  // the long row and its settings
        QCOMPARE(modal.Texts(), QStringList{QStringLiteral("Send Complete!")});
        qunsetenv("VELNAR_COM1");
    }
};

QTEST_MAIN(EditorOnLineTest)
#include "EditorOnLineTest.moc"
