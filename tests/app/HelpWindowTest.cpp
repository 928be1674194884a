#include <QtTest>

#include <QPlainTextEdit>

#include "app/CHelpDialog.h"
#include "app/HelpFile.h"
#include "res/DialogIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The help text in the program's folder, and the test's current directory
// kept, which the help window changes.
struct HelpEditor : testing::StartedEditor {
    QString kept = QDir::currentPath();
    QString path = InProgramFolder(QStringLiteral("help.txt"));

    ~HelpEditor() { QDir::setCurrent(kept); }
    QString ShowHelp()
    {
        Click(res::main_window::kHelpButton);
        return window->HelpDialog().Edit()->toPlainText();
    }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The text is read whole, past the pieces of 10240 bytes it was once read
    // in, as UTF-8 or else in the Turkish Windows code page 1254, from the
    // program's folder, which becomes the current directory.
    void theHelpTextIsShownWhole()
    {
        // Printable, its last byte unlike the rest: a lost last byte shows.
        QByteArray longText = QByteArray("Yardim metni 0123456789 abcdefghijklmnopqrstuvwxyz.\n").repeated(400).left(20481);
        longText.back() = '#';
        const QString turkish = QStringLiteral("İşçi Ğüz ŞÖÇ ıığ");
        for (const auto& [bytes, shown] : {std::pair(longText, QString::fromLatin1(longText)),
                                           std::pair(turkish.toUtf8(), turkish),
                                           std::pair(QByteArray("\xDD\xFE\xE7i \xD0\xFCz \xDE\xD6\xC7 \xFD\xFD\xF0"), turkish)}) {
            HelpEditor editor;
            QVERIFY(WriteFile(editor.path, bytes));
            QTemporaryDir elsewhere;
            QVERIFY(QDir::setCurrent(elsewhere.path()));
            QCOMPARE(editor.ShowHelp(), shown);
            QCOMPARE(editor.modal.shown.size(), std::size_t{1});
            QCOMPARE(editor.modal.shown.front().title, QStringLiteral("HELP"));
            QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(),
                     QFileInfo(editor.programDirectory.path()).canonicalFilePath());
        }
    }

    // Each showing starts from the file: the operator may edit the text, but
    // the edits are gone the next time. A missing file is told with its path
    // and the system's reason, and the window shows the text it had before,
    // empty the first time. The text box does not want Enter: Enter closes
    // the window with OK.
    void everyShowingStartsFromTheFile()
    {
        HelpEditor editor;
        app::CHelpDialog& help = editor.window->HelpDialog();
        QVERIFY(editor.ShowHelp().isEmpty());
        QCOMPARE(editor.modal.shown.size(), std::size_t{2});
        QCOMPARE(editor.modal.shown[0].title, QStringLiteral("VELNAR MESSAGES"));
        QVERIFY(editor.ShownText().contains(QString::fromStdString(std::make_error_code(std::errc::no_such_file_or_directory).message())));
        QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(editor.path)));

        QVERIFY(WriteFile(editor.path, "ilk\n"));
        QCOMPARE(editor.ShowHelp(), QStringLiteral("ilk\n"));
        QVERIFY(!help.Edit()->isReadOnly());
        help.Edit()->setPlainText(QStringLiteral("the operator's edits"));
        QCOMPARE(editor.ShowHelp(), QStringLiteral("ilk\n"));
        QVERIFY(WriteFile(editor.path, "ikinci\n"));
        QCOMPARE(editor.ShowHelp(), QStringLiteral("ikinci\n"));

        QVERIFY(QFile::remove(editor.path));
        help.Edit()->setPlainText(QStringLiteral("edited"));
        QCOMPARE(editor.ShowHelp(), QStringLiteral("ikinci\n"));
        QCOMPARE(editor.modal.shown.size(), std::size_t{7});
        QCOMPARE(editor.modal.shown[5].title, QStringLiteral("VELNAR MESSAGES"));

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
        QVERIFY(root.mkpath(bin) && root.mkpath(data));
        const QString beside = QDir(bin).filePath(QStringLiteral("help.txt"));
        const QString installed = QDir(data).filePath(QStringLiteral("help.txt"));
        QCOMPARE(app::HelpFilePath(bin), beside);
        QVERIFY(WriteFile(installed, "installed"));
        QCOMPARE(app::HelpFilePath(bin), installed);
        QVERIFY(WriteFile(beside, "beside"));
        QCOMPARE(app::HelpFilePath(bin), beside);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
