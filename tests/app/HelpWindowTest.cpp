#include <QtTest>

#include <QDir>
#include <QFile>
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

QString HelpPath(const Editor& editor)
{
    return QDir(editor.programDirectory.path()).filePath(QStringLiteral("help.txt"));
}

// Printable text with line breaks, its last byte unlike the rest, so that a
// lost last byte or an added line break shows.
QByteArray HelpBytes(int size)
{
    const QByteArray pattern = "Yardim metni 0123456789 abcdefghijklmnopqrstuvwxyz.\n";
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(pattern.at(i % pattern.size()));
    if (size > 0)
        bytes[size - 1] = '#';
    return bytes;
}

void ShowHelp(Editor& editor)
{
    editor.Control<QPushButton>(kHelpButton)->click();
}

QString Shown(Editor& editor)
{
    return editor.window->HelpDialog().Edit()->toPlainText();
}

// Keeps the test's current directory, which the help window changes.
struct CurrentDirectoryKept {
    QString kept = QDir::currentPath();
    ~CurrentDirectoryKept() { QDir::setCurrent(kept); }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theHelpTextIsShownWhole_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {0, 1, 10239, 10240, 10241, 20480, 20481})
            QTest::addRow("%d bytes", size) << size;
    }

    void theHelpTextIsShownWhole()
    {
        QFETCH(int, size);
        CurrentDirectoryKept kept;
        Editor editor;
        const QByteArray bytes = HelpBytes(size);
        QVERIFY(WriteFile(HelpPath(editor), bytes));
        editor.Start();
        ShowHelp(editor);
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QCOMPARE(editor.modal.shown.front().title, QStringLiteral("HELP"));
        QCOMPARE(Shown(editor).size(), size);
        QCOMPARE(Shown(editor), QString::fromLatin1(bytes));
    }

    void theHelpTextIsDecoded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        const QString turkish = QString::fromUtf16(u"İşçi Ğüz ŞÖÇ ıığ");
        QTest::newRow("UTF-8") << turkish.toUtf8() << turkish;
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF") + turkish.toUtf8() << turkish;
        // The same letters in the Turkish Windows code page 1254.
        QTest::newRow("code page 1254") << QByteArray("\xDD\xFE\xE7i \xD0\xFCz \xDE\xD6\xC7 \xFD\xFD\xF0") << turkish;
        QTest::newRow("euro sign and quotes in 1254") << QByteArray("\x80 \x93" "a\x94")
                                                      << QString::fromUtf16(u"€ “a”");
        QTest::newRow("Windows line breaks") << QByteArray("bir\r\niki\r\n") << QStringLiteral("bir\niki\n");
    }

    void theHelpTextIsDecoded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        CurrentDirectoryKept kept;
        Editor editor;
        QVERIFY(WriteFile(HelpPath(editor), bytes));
        editor.Start();
        ShowHelp(editor);
        QCOMPARE(Shown(editor), shown);
    }

    void everyShowingStartsFromTheFile()
    {
        CurrentDirectoryKept kept;
        Editor editor;
        QVERIFY(WriteFile(HelpPath(editor), "ilk\n"));
        editor.Start();
        app::CHelpDialog& help = editor.window->HelpDialog();
        ShowHelp(editor);
        QCOMPARE(Shown(editor), QStringLiteral("ilk\n"));
        help.Edit()->setPlainText(QStringLiteral("the operator's edits"));
        ShowHelp(editor);
        QCOMPARE(Shown(editor), QStringLiteral("ilk\n"));

        QVERIFY(WriteFile(HelpPath(editor), "ikinci\n"));
        ShowHelp(editor);
        QCOMPARE(Shown(editor), QStringLiteral("ikinci\n"));
        // The same window every time.
        QCOMPARE(&editor.window->HelpDialog(), &help);
        QCOMPARE(editor.modal.shown.size(), std::size_t{3});
    }

    void theProgramRunsInItsOwnFolderOnceHelpWasShown()
    {
        CurrentDirectoryKept kept;
        Editor editor;
        QVERIFY(WriteFile(HelpPath(editor), "x"));
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        editor.Start();
        ShowHelp(editor);
        QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(),
                 QFileInfo(editor.programDirectory.path()).canonicalFilePath());
    }

    void anUnreadableHelpFileIsToldAndTheTextBeforeKept()
    {
        CurrentDirectoryKept kept;
        Editor editor;
        editor.Start();
        std::u16string untouched;
        const file::FileResult expected = file::ReadHelpText(app::LocalPath(HelpPath(editor)), untouched);
        QVERIFY(!expected.ok);

        // The first time there is no text before.
        ShowHelp(editor);
        QCOMPARE(editor.modal.shown.size(), std::size_t{2});
        QCOMPARE(editor.modal.shown[0].title, QStringLiteral("VELNAR MESSAGES"));
        QVERIFY(editor.modal.shown[0].labels.join('\n').contains(QString::fromStdString(expected.reason)));
        QVERIFY(editor.modal.shown[0].labels.join('\n').contains(QDir::toNativeSeparators(HelpPath(editor))));
        QCOMPARE(editor.modal.shown[1].title, QStringLiteral("HELP"));
        QVERIFY(Shown(editor).isEmpty());

        QVERIFY(WriteFile(HelpPath(editor), "okundu\n"));
        ShowHelp(editor);
        QVERIFY(QFile::remove(HelpPath(editor)));
        editor.window->HelpDialog().Edit()->setPlainText(QStringLiteral("edited"));
        ShowHelp(editor);
        QCOMPARE(editor.modal.shown.size(), std::size_t{5});
        QCOMPARE(editor.modal.shown[3].title, QStringLiteral("VELNAR MESSAGES"));
        QCOMPARE(Shown(editor), QStringLiteral("okundu\n"));
        QCOMPARE(editor.window->HelpDialog().Text(), QStringLiteral("okundu\n"));
    }

    void theHelpWindowIsItsTemplate()
    {
        Editor editor;
        editor.Start();
        app::CHelpDialog& help = editor.window->HelpDialog();
        QCOMPARE(help.windowTitle(), QStringLiteral("HELP"));
        QCOMPARE(help.font().family(), QStringLiteral("Arial"));
        QVERIFY(!help.Edit()->isReadOnly());
        QCOMPARE(help.Edit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(help.findChildren<QAbstractButton*>().isEmpty());
        QCOMPARE(help.parentWidget(), editor.window.get());
    }

    void theHelpWindowCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("close box") << 0 << int(QDialog::Rejected);
    }

    void theHelpWindowCloses()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        Editor editor;
        editor.Start();
        app::CHelpDialog& help = editor.window->HelpDialog();
        help.Edit()->setPlainText(QStringLiteral("metin"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.Edit()->setFocus();
        if (key == 0)
            QVERIFY(help.close());
        else
            QTest::keyClick(help.Edit(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(!help.isVisible());
        QCOMPARE(help.result(), result);
        QCOMPARE(help.Edit()->toPlainText(), QStringLiteral("metin"));
    }

    void theHelpFileIsLookedForBesideTheProgramThenInTheDataFolder_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("chooseInstalled");
        QTest::newRow("neither") << false << false << false;
        QTest::newRow("beside only") << true << false << false;
        QTest::newRow("installed only") << false << true << true;
        QTest::newRow("both") << true << true << false;
    }

    void theHelpFileIsLookedForBesideTheProgramThenInTheDataFolder()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(bool, chooseInstalled);
        // An installed tree: <prefix>/<bindir> and <prefix>/<datadir>.
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        const QString bin = root.filePath(QStringLiteral(VELNAR_INSTALL_BINDIR));
        const QString data = root.filePath(QStringLiteral(VELNAR_INSTALL_DATADIR "/velnar-messages"));
        QVERIFY(root.mkpath(bin));
        QVERIFY(root.mkpath(data));
        const QString besideFile = QDir(bin).filePath(QStringLiteral("help.txt"));
        const QString installedFile = QDir(data).filePath(QStringLiteral("help.txt"));
        QCOMPARE(app::HelpFileCandidates(bin), (QStringList{besideFile, installedFile}));
        if (beside)
            QVERIFY(WriteFile(besideFile, "beside"));
        if (installed)
            QVERIFY(WriteFile(installedFile, "installed"));
        QCOMPARE(app::HelpFilePath(bin), chooseInstalled ? installedFile : besideFile);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
