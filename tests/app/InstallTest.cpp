#include <QtTest>

#include <QProcess>

#include "app/HelpFile.h"

using namespace velnar;

// Installs the build into a prefix of its own, as a packager would.
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

    // The installed editor finds the installed help text unless one lies beside it.
    void theHelpTextBesideTheEditorComesFirst()
    {
        QCOMPARE(QFileInfo(app::HelpFilePath(Bin())).canonicalFilePath(),
                 QFileInfo(Data("velnar-messages/help.txt")).canonicalFilePath());
        const QString beside = QDir(Bin()).filePath(QStringLiteral("help.txt"));
        QVERIFY(QFile(beside).open(QIODevice::WriteOnly));
        QCOMPARE(app::HelpFilePath(Bin()), beside);
    }
};

QTEST_MAIN(InstallTest)
#include "InstallTest.moc"
