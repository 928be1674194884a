#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "app/PortMapDialog.h"
#include "link/SignLink.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using testing::Editor;

class PortMapTest : public QObject {
    Q_OBJECT

private slots:
    // "Dene" says whether the typed port opens; the map keeps what was typed.
    void theDialogTriesAndKeepsWhatTheOperatorTyped()
    {
        link::ComPortMap ports;
        ports[0].device = "/dev/ttyUSB0";
        ports[2].device = "/dev/pts/7";
        ports[2].origin = link::PortOrigin::Environment;
        ports[3].problem = "tcp://127.0.0.1: no port given";
        QStringList tried;
        app::PortMapDialog dialog(ports, {{3, {"tcp://127.0.0.1:4003", "20"}}, {4, {"tcp://127.0.0.1", ""}}},
                                  [&tried](const std::string& device) {
                                      tried << QString::fromStdString(device);
                                      return device == "tcp://127.0.0.1:4002" ? device + ": connection refused"
                                                                               : std::string();
                                  });
        QCOMPARE(dialog.AddressField(1)->placeholderText(), QStringLiteral("automatic: /dev/ttyUSB0"));
        QVERIFY(!dialog.AddressField(3)->isEnabled());
        QCOMPARE(dialog.TryResult(4)->text(), QStringLiteral("tcp://127.0.0.1: no port given"));

        dialog.AddressField(2)->setText(QStringLiteral(" tcp://127.0.0.1:4002 "));
        dialog.findChildren<QSpinBox*>().at(1)->setValue(35);
        dialog.AddressField(5)->setText(QStringLiteral("rfc2217://127.0.0.1:99999"));
        for (int port : {1, 2, 5, 6})
            dialog.TryButton(port)->click();
        QCOMPARE(tried, (QStringList{"/dev/ttyUSB0", "tcp://127.0.0.1:4002"}));
        QCOMPARE(dialog.TryResult(1)->text(), QStringLiteral("opened"));
        QCOMPARE(dialog.TryResult(2)->text(), QStringLiteral("did not open: connection refused"));
        QCOMPARE(dialog.TryResult(5)->text(), QStringLiteral("did not open: the port must be a number from 1 to 65535"));
        QCOMPARE(dialog.TryResult(6)->text(), QStringLiteral("no port"));

        const link::PortMapEntries entries = dialog.Entries();
        QCOMPARE(entries.size(), std::size_t{4});
        QCOMPARE(entries.at(2).address, std::string("tcp://127.0.0.1:4002"));
        QCOMPARE(entries.at(2).netMarginMs, std::string("35"));
        QCOMPARE(entries.at(3).address, std::string("tcp://127.0.0.1:4003"));
        QCOMPARE(entries.at(5).address, std::string("rfc2217://127.0.0.1:99999"));
    }

    // The map "PORTLAR…" closes with is used at once, with the network margin.
    void theWindowSendsThroughTheMapItKeeps()
    {
        Editor editor;
        link::PortMapEntries written;
        editor.context.portMap = {[&editor] { return editor.portMap; },
                                  [&](const link::PortMapEntries& entries) {
                                      written = entries;
                                      editor.portMap = entries;
                                  },
                                  {}};
        editor.Start();
        editor.portMap = {{1, {"rfc2217://127.0.0.1:2217", "45"}}};
        editor.window->OnSysCommand(app::CMainDialog::kPortMapCommand);

        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QCOMPARE(editor.modal.shown[0].title, QStringLiteral("PORTLAR"));
        QCOMPARE(written.at(1).address, std::string("rfc2217://127.0.0.1:2217"));
        QCOMPARE(editor.window->PortList()->itemData(0, Qt::ToolTipRole).toString(),
                 QStringLiteral("COM1: rfc2217://127.0.0.1:2217, RFC 2217 network serial server (settings)"));
        QCOMPARE(editor.window->Link().ByteMargin(), 45);
    }
};

QTEST_MAIN(PortMapTest)
#include "PortMapTest.moc"
