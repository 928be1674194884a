#include <QtTest>

#include <QImage>
#include <QProcess>

#include "app/HelpFile.h"

using namespace velnar;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Source(const QString& relative)
{
    return QDir(QStringLiteral(VELNAR_SOURCE_DIR)).filePath(relative);
}

}  // namespace

// Installs the build into a prefix of its own, as `cmake --install` does for
// a packager, and looks at what landed there.
class InstallTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

    QString Bin() const { return QDir(prefix_.path()).filePath(QStringLiteral(VELNAR_INSTALL_BINDIR)); }
    QString Data(const char* relative) const
    {
        return QDir(prefix_.path()).filePath(QStringLiteral(VELNAR_INSTALL_DATADIR "/") + QLatin1String(relative));
    }

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

    // The programs in the bin folder, the help text, the menu entry and the
    // AppStream description as written, the manual pages compressed, the icon
    // as drawn; the menu entry starts the editor with that icon.
    void everythingIsWhereTheDesktopLooks()
    {
        for (const char* program : {"velnar-messages", "velnar-send", "velnar-sign"}) {
            const QFileInfo installed(QDir(Bin()).filePath(QLatin1String(program)));
            QVERIFY2(installed.isFile() && installed.isExecutable(), qPrintable(installed.filePath()));
        }
        QVERIFY(!FileBytes(Data("velnar-messages/help.txt")).isEmpty());
        for (const char* file : {"velnar-messages/help.txt", "metainfo/org.velnar.messages.metainfo.xml",
                                 "applications/velnar-messages.desktop", "mime/packages/velnar-messages.xml"})
            QCOMPARE(FileBytes(Data(file)), FileBytes(Source("data/") + QFileInfo(QLatin1String(file)).fileName()));
        for (const char* page : {"man/man1/velnar-messages.1.gz", "man/man1/velnar-send.1.gz", "man/man1/velnar-sign.1.gz"})
            QVERIFY2(FileBytes(Data(page)).startsWith("\x1f\x8b"), page);
        const QByteArray entry = FileBytes(Data("applications/velnar-messages.desktop"));
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=velnar-messages %f\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-velnar-messages;\n"));
        QVERIFY(entry.contains("\nIcon=velnar-messages\n"));

        const QImage icon(Data("icons/hicolor/32x32/apps/velnar-messages.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                 QImage(Source(QStringLiteral("src/res/images/icon.xpm"))).convertToFormat(QImage::Format_ARGB32));
        // The installed editor lives in <prefix>/<bindir> and finds the
        // installed help text, unless there is one beside it, as in the build.
        QCOMPARE(QFileInfo(app::HelpFilePath(Bin())).canonicalFilePath(), QFileInfo(Data("velnar-messages/help.txt")).canonicalFilePath());
        const QString beside = QDir(Bin()).filePath(QStringLiteral("help.txt"));
        QVERIFY(QFile(beside).open(QIODevice::WriteOnly));
        QCOMPARE(app::HelpFilePath(Bin()), beside);
    }
};

QTEST_MAIN(InstallTest)
#include "InstallTest.moc"
