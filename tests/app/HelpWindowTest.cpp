#include <QtTest>

#include <QPlainTextEdit>

#include "app/CHelpDialog.h"
#include "app/HelpFile.h"
#include "app/LocalPath.h"
#include "file/HelpText.h"
#include "res/DialogIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Printable text with line breaks, its last byte unlike the rest, so that a
// lost last byte or an added line break shows.
QByteArray HelpBytes(int size)
{
    const QByteArray pattern = "Yardim metni 0123456789 abcdefghijklmnopqrstuvwxyz.\n";
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(pattern.at(i % pattern.size()));
    bytes[size - 1] = '#';
    return bytes;
}

// The help text in the program's folder, and the test's current directory
// kept, which the help window changes.
struct HelpEditor : Editor {
    QString kept = QDir::currentPath();
    QString path = InProgramFolder(QStringLiteral("help.txt"));

    ~HelpEditor() { QDir::setCurrent(kept); }
    void ShowHelp() { Click(kHelpButton); }
    QString Shown() { return window->HelpDialog().Edit()->toPlainText(); }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The text is read whole, around the pieces of 10240 bytes it was once
    // read in, as UTF-8 or else in the Turkish Windows code page 1254, from
    // the program's folder, which becomes the current directory.
    void theHelpTextIsShownWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        for (const int size : {1, 10240, 10241, 20481})
            QTest::addRow("%d bytes", size) << HelpBytes(size) << QString::fromLatin1(HelpBytes(size));
        const QString turkish = QString::fromUtf16(u"İşçi Ğüz ŞÖÇ ıığ");
        QTest::newRow("UTF-8") << turkish.toUtf8() << turkish;
        QTest::newRow("code page 1254") << QByteArray("\xDD\xFE\xE7i \xD0\xFCz \xDE\xD6\xC7 \xFD\xFD\xF0") << turkish;
    }

    void theHelpTextIsShownWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        HelpEditor editor;
        QVERIFY(WriteFile(editor.path, bytes));
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        editor.Start();
        editor.ShowHelp();
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QCOMPARE(editor.modal.shown.front().title, QStringLiteral("HELP"));
        QCOMPARE(editor.Shown(), shown);
        QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(),
                 QFileInfo(editor.programDirectory.path()).canonicalFilePath());
    }

    // Each showing starts from the file: the operator may edit the text, but
    // the edits are gone the next time. A missing file is told with its path
    // and the system's reason, and the window shows the text it had before,
    // empty the first time. The text box does not want Enter: Enter closes
    // the window with OK.
    void everyShowingStartsFromTheFile()
    {
        HelpEditor editor;
        editor.Start();
        app::CHelpDialog& help = editor.window->HelpDialog();
        std::u16string untouched;
        const file::FileResult missing = file::ReadHelpText(app::LocalPath(editor.path), untouched);
        QVERIFY(!missing.ok);
        editor.ShowHelp();
        QCOMPARE(editor.modal.shown.size(), std::size_t{2});
        QCOMPARE(editor.modal.shown[0].title, QStringLiteral("VELNAR MESSAGES"));
        QVERIFY(editor.modal.shown[0].labels.join('\n').contains(QString::fromStdString(missing.reason)));
        QVERIFY(editor.modal.shown[0].labels.join('\n').contains(QDir::toNativeSeparators(editor.path)));
        QCOMPARE(editor.modal.shown[1].title, QStringLiteral("HELP"));
        QVERIFY(editor.Shown().isEmpty());

        QVERIFY(WriteFile(editor.path, "ilk\n"));
        editor.ShowHelp();
        QCOMPARE(editor.Shown(), QStringLiteral("ilk\n"));
        QVERIFY(!help.Edit()->isReadOnly());
        help.Edit()->setPlainText(QStringLiteral("the operator's edits"));
        editor.ShowHelp();
        QCOMPARE(editor.Shown(), QStringLiteral("ilk\n"));
        QVERIFY(WriteFile(editor.path, "ikinci\n"));
        editor.ShowHelp();
        QCOMPARE(editor.Shown(), QStringLiteral("ikinci\n"));
        QCOMPARE(editor.modal.shown.size(), std::size_t{5});

        QVERIFY(QFile::remove(editor.path));
        help.Edit()->setPlainText(QStringLiteral("edited"));
        editor.ShowHelp();
        QCOMPARE(editor.modal.shown.size(), std::size_t{7});
        QCOMPARE(editor.modal.shown[5].title, QStringLiteral("VELNAR MESSAGES"));
        QCOMPARE(editor.Shown(), QStringLiteral("ikinci\n"));
        QCOMPARE(help.Text(), QStringLiteral("ikinci\n"));

        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.Edit()->setFocus();
        QTest::keyClick(help.Edit(), Qt::Key_Return);
        QVERIFY(!help.isVisible());
        QCOMPARE(help.result(), int(QDialog::Accepted));
        QCOMPARE(help.Edit()->toPlainText(), QStringLiteral("ikinci\n"));
    }

    // Beside the program first, as in the build; else where an installed
    // tree keeps it: <prefix>/<bindir> and <prefix>/<datadir>.
    void theHelpFileIsLookedForBesideTheProgramThenInTheDataFolder()
    {
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        const QString bin = root.filePath(QStringLiteral(VELNAR_INSTALL_BINDIR));
        const QString data = root.filePath(QStringLiteral(VELNAR_INSTALL_DATADIR "/velnar-messages"));
        QVERIFY(root.mkpath(bin));
        QVERIFY(root.mkpath(data));
        const QString beside = QDir(bin).filePath(QStringLiteral("help.txt"));
        const QString installed = QDir(data).filePath(QStringLiteral("help.txt"));
        QCOMPARE(app::HelpFileCandidates(bin), (QStringList{beside, installed}));
        QCOMPARE(app::HelpFilePath(bin), beside);
        QVERIFY(WriteFile(installed, "installed"));
        QCOMPARE(app::HelpFilePath(bin), installed);
        QVERIFY(WriteFile(beside, "beside"));
        QCOMPARE(app::HelpFilePath(bin), beside);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
