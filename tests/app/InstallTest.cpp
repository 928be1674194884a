#include <QtTest>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "app/HelpFile.h"
#include "app/LocalPath.h"
#include "file/HelpText.h"

using namespace velnar;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString Source(const char* relative)
{
    return QDir(QStringLiteral(VELNAR_SOURCE_DIR)).filePath(QString::fromLatin1(relative));
}

}  // namespace

// Installs the build into a prefix of its own, as `cmake --install` does for
// a packager, and looks at what landed there.
class InstallTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

    QString Installed(const QString& relative) const { return QDir(prefix_.path()).filePath(relative); }
    QString Bin() const { return Installed(QStringLiteral(VELNAR_INSTALL_BINDIR)); }
    QString Data() const { return Installed(QStringLiteral(VELNAR_INSTALL_DATADIR)); }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(VELNAR_CMAKE), {QStringLiteral("--install"), QStringLiteral(VELNAR_BUILD_DIR),
                                                     QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
                 install.readAll().constData());
    }

    void theProgramsAreInTheBinFolder_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("editor") << "velnar-messages";
        QTest::newRow("sender") << "velnar-send";
        QTest::newRow("virtual sign") << "velnar-sign";
    }

    void theProgramsAreInTheBinFolder()
    {
        QFETCH(QString, program);
        const QFileInfo installed(QDir(Bin()).filePath(program));
        QVERIFY2(installed.isFile(), qPrintable(installed.filePath()));
        QVERIFY(installed.isExecutable());
    }

    void theDataFilesAreWhereTheDesktopLooks_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("source");
        QTest::newRow("help text") << "velnar-messages/help.txt" << Source("data/help.txt");
        QTest::newRow("menu entry") << "applications/velnar-messages.desktop"
                                    << Source("data/velnar-messages.desktop");
    }

    void theDataFilesAreWhereTheDesktopLooks()
    {
        QFETCH(QString, installed);
        QFETCH(QString, source);
        const QByteArray bytes = FileBytes(QDir(Data()).filePath(installed));
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes, FileBytes(source));
    }

    void theIconIsInTheIconTheme()
    {
        const QImage icon(QDir(Data()).filePath(QStringLiteral("icons/hicolor/32x32/apps/velnar-messages.png")));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(32, 32));
        const QImage drawn(Source("src/res/images/icon.xpm"));
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
    }

    void theMenuEntryStartsTheEditorWithItsIcon()
    {
        const QString entry =
            QString::fromUtf8(FileBytes(QDir(Data()).filePath(QStringLiteral("applications/velnar-messages.desktop"))));
        QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QStringLiteral("\nExec=velnar-messages\n")));
        QVERIFY(entry.contains(QStringLiteral("\nIcon=velnar-messages\n")));
    }

    // The installed editor lives in <prefix>/<bindir> with no help text
    // beside it, and finds the installed one.
    void theInstalledEditorFindsItsHelpText()
    {
        const QString found = app::HelpFilePath(Bin());
        QCOMPARE(QFileInfo(found).canonicalFilePath(),
                 QFileInfo(QDir(Data()).filePath(QStringLiteral("velnar-messages/help.txt"))).canonicalFilePath());
        std::u16string text;
        QVERIFY(file::ReadHelpText(app::LocalPath(found), text).ok);
        QVERIFY(QString::fromStdU16String(text).contains(QStringLiteral("VELNAR MESSAGES")));
    }
};

QTEST_MAIN(InstallTest)
#include "InstallTest.moc"
