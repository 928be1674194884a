#include <QtTest>

#include <QComboBox>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <system_error>

#include "app/EditorArguments.h"
#include "app/LocalPath.h"
#include "app/QtFileDialogs.h"
#include "file/MessageFile.h"
#include "file/MessageFileWriter.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/DialogIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;
using testing::FileBytes;

namespace {

// What the operator edits and the file keeps: texts, boxes and lists.
void FillSome(model::MessageTable& table, const std::u16string& text)
{
    table.rowText[model::RowNumber(1, 1)] = text;
    table.rowText[model::RowNumber(16, 2)] = u"SON SATIR";
    table.slotTwoRows[3] = 1;
    table.slotClock[15] = 1;
    table.rowAnimation[model::RowNumber(2, 2)] = 4;
    table.rowBrightness[model::RowNumber(9, 1)] = 8;
    table.rowSpeed[model::RowNumber(5, 2)] = 4;
}

QByteArray TableBytes(const model::MessageTable& table)
{
    return QByteArray::fromStdString(file::MessageFileBytes(table));
}

// The names the dialog lists in `directory` under its current filter.
QStringList ListedNames(QFileDialog& dialog, const QString& directory)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    const QModelIndex parent = model->index(directory);
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row)
        names << model->index(row, 0, parent).data().toString();
    names.sort();
    return names;
}

// Types the next queued name into each file dialog, in `folder` ("" leaves
// the field as the dialog filled it) and accepts it, or cancels once none is
// left; records every other dialog.
class TypingRunner final : public dialogs::ModalRunner {
public:
    QString folder;
    std::deque<QString> typed;
    testing::RecordingRunner boxes;

    int Run(QDialog& dialog) override
    {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files)
            return boxes.Run(dialog);
        if (typed.empty())
            return QDialog::Rejected;
        files->setDirectory(folder);
        if (!typed.front().isEmpty())
            files->selectFile(typed.front());
        typed.pop_front();
        return QDialog::Accepted;
    }
};

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The file named on the command line (the first argument Qt left) opens
    // as AÇ.. opens it: a folder or a missing file is told in AÇ..'s
    // message, and the editor stays open and empty.
    void fileArgumentOpensAsOpenDoes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("a message file") << QStringLiteral("a.VELNAR MESSAGES") << true;
        QTest::newRow("a folder") << QStringLiteral(".") << false;
        QTest::newRow("missing") << QStringLiteral("missing.VELNAR MESSAGES") << false;
    }
    void fileArgumentOpensAsOpenDoes()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        Editor editor;
        model::MessageTable onDisk;
        FillSome(onDisk, u"DOSYA");
        QVERIFY(file::SaveMessageFile(app::LocalPath(editor.InProgramFolder(QStringLiteral("a.VELNAR MESSAGES"))), onDisk).ok);
        const QByteArray path = editor.InProgramFolder(name).toLocal8Bit();
        const char* argv[] = {"velnar-messages", path.constData()};
        QCOMPARE(QByteArray(app::EditorFileArgument(2, argv)), path);
        editor.Start();
        editor.window->OpenFile(QString::fromLocal8Bit(path));
        QCOMPARE(TableBytes(editor.table), TableBytes(opens ? onDisk : model::MessageTable{}));
        QCOMPARE(editor.ShownText().startsWith(QStringLiteral("Cannot open")), !opens);
    }

    // The port chosen and the folder of the last OPEN or SAVE are there at
    // the next start; a settings file that cannot be read means COM1.
    void portAndFolderAreRememberedAcrossStarts()
    {
        Editor first;
        first.Start();
        QComboBox* ports = first.Control<QComboBox>(kPortList);
        ports->setCurrentIndex(2);
        emit ports->activated(2);
        const QString folder = first.InProgramFolder(QStringLiteral("shop"));
        QVERIFY(QDir().mkpath(folder));
        first.files.answers = {folder + QStringLiteral("/a.VELNAR MESSAGES")};
        first.Click(kSaveButton);

        Editor next;
        next.context.settingsFile = first.context.settingsFile;
        next.Start();
        QCOMPARE(next.Control<QComboBox>(kPortList)->currentText(), QStringLiteral("COM3"));
        const std::vector<std::string>& calls = next.line.Calls();
        QVERIFY(std::count(calls.begin(), calls.end(), "OpenPort(3)") == 1);
        QVERIFY(std::count(calls.begin(), calls.end(), "OpenPort(1)") == 0);
        next.Click(kOpenButton);
        QCOMPARE(next.files.folders, QStringList{folder});

        Editor unreadable;
        unreadable.context.settingsFile = folder;
        unreadable.Start();
        QCOMPARE(unreadable.Control<QComboBox>(kPortList)->currentText(), QStringLiteral("COM1"));
    }

    // A cancelled dialog, an OPEN of a missing file and a SAVE onto a folder
    // leave the table and the folder as they were; a failure is told with
    // the path in the system's own words, and closing still asks.
    void aCancelledOrFailedCommandChangesNothing()
    {
        const std::tuple<int, const char*, std::errc> cases[] = {
            {kOpenButton, "", std::errc()},
            {kSaveButton, "", std::errc()},
            {kOpenButton, "yok.VELNAR MESSAGES", std::errc::no_such_file_or_directory},
            {kSaveButton, "taken.VELNAR MESSAGES", std::errc::is_a_directory}};
        for (const auto& [button, answer, reason] : cases) {
            testing::StartedEditor editor;
            FillSome(editor.table, u"KALIR");
            const QByteArray before = TableBytes(editor.table);
            const QString taken = editor.InProgramFolder(QStringLiteral("taken.VELNAR MESSAGES"));
            QVERIFY(QDir().mkdir(taken));
            const bool cancelled = *answer == '\0';
            const QString target = cancelled ? QString() : editor.InProgramFolder(QString::fromUtf8(answer));
            editor.files.answers = {target};
            editor.Click(button);

            QCOMPARE(editor.files.asked.size(), 1);
            QCOMPARE(TableBytes(editor.table), before);
            QCOMPARE(editor.modal.shown.size(), std::size_t(!cancelled));
            if (cancelled) {
                QCOMPARE(editor.table.fileLoadedPage1 + editor.table.fileLoadedPage2, 0);
            } else {
                QVERIFY(editor.ShownText().contains(QString::fromStdString(std::make_error_code(reason).message())));
                QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(target)));
            }
            QVERIFY(QFileInfo(taken).isDir() && QDir(taken).isEmpty());
            QCOMPARE(QDir(editor.programDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("taken.VELNAR MESSAGES")});

            editor.modal.answers = {int(QMessageBox::No)};
            editor.window->reject();
            QCOMPARE(editor.modal.shown.size(), std::size_t(cancelled ? 1 : 2));
        }
    }

    // SAVE writes the table as the file keeps it, and tells which rows will
    // not read back as written; OPEN puts a file in the table, for the pages
    // to take up on their next tick. After either, nothing is lost by closing
    // unless the operator edits afterwards; the pages copying a loaded file
    // into their controls, and their boxes back into the table on every tick,
    // is no edit.
    void openAndSaveMeanNothingIsLostOnClosing()
    {
        const std::tuple<int, bool, bool> cases[] = {// button, texts with markers, edited afterwards
                                                     {kSaveButton, false, false},
                                                     {kSaveButton, true, false},
                                                     {kSaveButton, false, true},
                                                     {kOpenButton, false, false},
                                                     {kOpenButton, false, true}};
        for (const auto& [button, markers, editAfterwards] : cases) {
            Editor editor;
            const QString path = editor.InProgramFolder(QStringLiteral("a.VELNAR MESSAGES"));
            model::MessageTable onDisk;
            FillSome(onDisk, u"İKİ\r\nSATIR");
            onDisk.rowText[model::RowNumber(2, 1)] = u"YALNIZ\nLF";
            onDisk.slotClock[0] = onDisk.slotTwoRows[0] = onDisk.slotSelected[10] = 1;
            QVERIFY(file::SaveMessageFile(app::LocalPath(path), onDisk).ok);
            editor.Start();
            // Edits that the file on disk does not hold.
            editor.table.rowText[model::RowNumber(3, 1)] = u"MERHABA, DÜNYA 12:30";
            editor.table.rowSpeed[model::RowNumber(3, 1)] = 2;
            if (markers) {
                // "2," in slot 1 row 1 is the marker of slot 1 row 2.
                editor.table.rowText[model::RowNumber(1, 1)] = u"SAAT 12,50";
                editor.table.rowText[model::RowNumber(1, 2)] = u"İKİNCİ";
            }
            const model::MessageTable edited = editor.table;
            editor.files.answers = {path};
            if (markers)
                editor.modal.answers = {int(QMessageBox::Save)};  // "Save anyway"
            editor.Click(button);
            if (button == kSaveButton) {
                QCOMPARE(editor.files.asked, QStringList{QStringLiteral("save")});
                QCOMPARE(FileBytes(path), TableBytes(edited));
                QCOMPARE(editor.modal.shown.size(), std::size_t(markers));
                QCOMPARE(editor.ShownText().contains(QStringLiteral("Slot 1, row 1")), markers);
            } else {
                QCOMPARE(editor.files.asked, QStringList{QStringLiteral("open")});
                QVERIFY(editor.modal.shown.empty());
                QCOMPARE(TableBytes(editor.table), TableBytes(onDisk));
                QCOMPARE(editor.table.fileLoadedPage1 + editor.table.fileLoadedPage2, 2);
                editor.window->Sheet().SetActivePage(1);
                for (int tick = 0; tick < 3; ++tick) {
                    editor.window->OnTimer();
                    editor.window->FirstPage().OnTimer();
                    editor.window->SecondPage().OnTimer();
                }
                QCOMPARE(editor.window->FirstPage().Slot(0).Row(1).edit->toPlainText(), QStringLiteral("İKİ\nSATIR"));
            }
            if (editAfterwards)
                editor.table.rowText[model::RowNumber(12, 1)] = u"SONRA";

            const std::size_t shown = editor.modal.shown.size();
            editor.modal.answers = {int(QMessageBox::No)};
            editor.window->show();
            editor.window->reject();
            QCOMPARE(editor.modal.shown.size(), shown + editAfterwards);
            QCOMPARE(editor.window->isVisible(), editAfterwards);
        }
    }

    // Both dialogs offer the message files first, list under that filter only
    // names ending in the extension, ask before overwriting and give a typed
    // name without extension the message extension.
    void theDialogsOfferTheMessageFilesFirst()
    {
        for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            const auto dialog = app::MakeMessageFileDialog(nullptr, mode);
            QCOMPARE(dialog->fileMode(), mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QCOMPARE(types->count(), 2);
            QCOMPARE(types->itemText(0), QStringLiteral("VELNAR MESSAGES Files(*.VELNAR MESSAGES)"));
            QCOMPARE(types->itemText(1), QStringLiteral("All Files(*.*)"));
            QCOMPARE(types->currentIndex(), 0);
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                     QStringLiteral("*.VELNAR MESSAGES"));

            QTemporaryDir directory;
            const QDir folder(directory.path());
            const QStringList all = {QStringLiteral("MESSAGES"), QStringLiteral("a.VELNAR MESSAGES"),
                                     QStringLiteral("b.VELNAR"), QStringLiteral("c.txt"),
                                     QStringLiteral("d.VELNAR MESSAGES.bak"), QStringLiteral("eski dükkan.VELNAR MESSAGES")};
            for (const QString& name : all)
                QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
            dialog->setDirectory(directory.path());
            QTRY_COMPARE(ListedNames(*dialog, directory.path()),
                         (QStringList{QStringLiteral("a.VELNAR MESSAGES"), QStringLiteral("eski dükkan.VELNAR MESSAGES")}));
            for (const auto& [typed, chosen] : {std::pair("shop", "shop.VELNAR MESSAGES"),
                                                std::pair("eski dükkan", "eski dükkan.VELNAR MESSAGES"),
                                                std::pair("shop.VELNAR MESSAGES", "shop.VELNAR MESSAGES"),
                                                std::pair("shop.txt", "shop.txt")}) {
                dialog->selectFile(QString::fromUtf8(typed));
                QCOMPARE(dialog->selectedFiles(), QStringList{folder.filePath(QString::fromUtf8(chosen))});
            }
            dialog->selectNameFilter(app::MessageFileNameFilters().at(1));
            QTRY_COMPARE(ListedNames(*dialog, directory.path()), all);
        }
    }

    // Only the initial "*.VELNAR MESSAGES" left in the name field is no
    // name, unless a file of that very name exists: the dialog then says why
    // and asks again. Names with "?" and "*" are names.
    void onlyTheUntouchedPatternIsNoFileName()
    {
        const std::tuple<QStringList, bool, const char*, bool> cases[] = {
            // typed ("" leaves the field alone; after the last, cancel), a file named as the pattern, chosen, told
            {{"", "shop"}, false, "shop.VELNAR MESSAGES", true},
            {{""}, false, "", true},
            {{"ne?"}, false, "ne?.VELNAR MESSAGES", false},
            {{"a*b.VELNAR MESSAGES"}, false, "a*b.VELNAR MESSAGES", false},
            {{""}, true, "*.VELNAR MESSAGES", false}};
        for (const auto& [typed, patternFileExists, chosen, told] : cases) {
            QTemporaryDir directory;
            const QDir folder(directory.path());
            if (patternFileExists)
                QVERIFY(QFile(folder.filePath(QStringLiteral("*.VELNAR MESSAGES"))).open(QIODevice::WriteOnly));
            TypingRunner modal;
            modal.folder = directory.path();
            modal.typed = {typed.begin(), typed.end()};
            QWidget parent;
            const QString answer = app::QtFileDialogs().AskSavePath(parent, modal, {});
            QCOMPARE(answer, *chosen ? folder.filePath(QString::fromUtf8(chosen)) : QString());
            QCOMPARE(modal.boxes.shown.size(), std::size_t(told));
            QCOMPARE(modal.boxes.Texts().join(' ').contains(QStringLiteral("\"*.VELNAR MESSAGES\" is the pattern")), told);
        }
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
