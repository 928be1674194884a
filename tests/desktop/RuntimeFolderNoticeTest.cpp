#include <QStandardPaths>
#include <QTest>

#include "desktop/RuntimeFolderNotice.h"

namespace {

QStringList recorded;

void Record(QtMsgType, const QMessageLogContext&, const QString& message)
{
    recorded << message;
}

}  // namespace

class RuntimeFolderNoticeTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's note on a missing XDG_RUNTIME_DIR goes; Qt still finds its folder,
    // and its other warnings still come. Windows has no such folder to miss:
    // Qt has no note there, and the other warnings come all the same.
    void OnlyTheNoteOnTheMissingFolderIsDropped()
    {
#ifdef Q_OS_WIN
        constexpr bool kQtNotesTheMissingFolder = false;
#else
        constexpr bool kQtNotesTheMissingFolder = true;
#endif
        qunsetenv("XDG_RUNTIME_DIR");
        const QtMessageHandler testLog = qInstallMessageHandler(Record);
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        const bool qtNotes = recorded.join(QLatin1Char('\n')).contains(QStringLiteral("XDG_RUNTIME_DIR not set"));
        recorded.clear();

        velnar::desktop::DropRuntimeFolderNotice();
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        qWarning("QStandardPaths: wrong permissions on runtime directory /tmp/x");
        qInstallMessageHandler(testLog);

        QCOMPARE(qtNotes, kQtNotesTheMissingFolder);
        QVERIFY(!folder.isEmpty());
        QCOMPARE(recorded, QStringList{QStringLiteral("QStandardPaths: wrong permissions on runtime directory /tmp/x")});
    }
};

QTEST_GUILESS_MAIN(RuntimeFolderNoticeTest)
#include "RuntimeFolderNoticeTest.moc"
