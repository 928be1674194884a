#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <system_error>

#include "app/EditorArguments.h"
#include "app/LocalPath.h"
#include "app/QtFileDialogs.h"
#include "file/MessageFile.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/DialogIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;
using testing::FileBytes;
using testing::TableBytes;

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

// Types the next queued name ("": none) into each file dialog and accepts; cancels when none is left.
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
    // The file argument opens as AÇ.. does; a folder or missing file is told and the editor stays.
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

    // The port and the last folder survive a restart; an unreadable settings file means COM1.
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

    void aCancelledOrFailedCommandChangesNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("answer");  // empty: the dialog is cancelled
        QTest::addColumn<int>("reason");      // std::errc, 0 for none
        QTest::newRow("open, cancelled") << int(kOpenButton) << "" << 0;
        QTest::newRow("save, cancelled") << int(kSaveButton) << "" << 0;
        QTest::newRow("open, a missing file") << int(kOpenButton) << "yok.VELNAR MESSAGES"
                                              << int(std::errc::no_such_file_or_directory);
        QTest::newRow("save onto a folder") << int(kSaveButton) << "taken.VELNAR MESSAGES"
                                            << int(std::errc::is_a_directory);
    }

    // A cancelled or failed command changes nothing; a failure names path and reason.
    void aCancelledOrFailedCommandChangesNothing()
    {
        QFETCH(int, button);
        QFETCH(QString, answer);
        QFETCH(int, reason);
        testing::StartedEditor editor;
        FillSome(editor.table, u"KALIR");
        const QByteArray before = TableBytes(editor.table);
        const QString taken = editor.InProgramFolder(QStringLiteral("taken.VELNAR MESSAGES"));
        QVERIFY(QDir().mkdir(taken));
        const bool cancelled = answer.isEmpty();
        const QString target = cancelled ? QString() : editor.InProgramFolder(answer);
        editor.files.answers = {target};
        editor.Click(button);

        QCOMPARE(editor.files.asked.size(), 1);
        QCOMPARE(TableBytes(editor.table), before);
        QCOMPARE(editor.modal.shown.size(), std::size_t(!cancelled));
        if (cancelled) {
            QCOMPARE(editor.table.fileLoadedPage1 + editor.table.fileLoadedPage2, 0);
        } else {
            const std::string told = std::make_error_code(std::errc(reason)).message();
            QVERIFY(editor.ShownText().contains(QString::fromStdString(told)));
            QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(target)));
        }
        QVERIFY(QFileInfo(taken).isDir() && QDir(taken).isEmpty());
        QCOMPARE(QDir(editor.programDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("taken.VELNAR MESSAGES")});

        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), std::size_t(cancelled ? 1 : 2));
    }

    void openAndSaveMeanNothingIsLostOnClosing_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("editAfterwards");
        QTest::newRow("save") << int(kSaveButton) << false;
        QTest::newRow("save, then an edit") << int(kSaveButton) << true;
        QTest::newRow("open, then an edit") << int(kOpenButton) << true;
    }

    // SAVE writes the table, OPEN reads it; after either, closing asks only after another edit.
    void openAndSaveMeanNothingIsLostOnClosing()
    {
        QFETCH(int, button);
        QFETCH(bool, editAfterwards);
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
        const model::MessageTable edited = editor.table;
        editor.files.answers = {path};
        editor.Click(button);
        QVERIFY(editor.modal.shown.empty());
        QCOMPARE(button == kSaveButton ? FileBytes(path) : TableBytes(editor.table),
                 TableBytes(button == kSaveButton ? edited : onDisk));
        if (editAfterwards)
            editor.table.rowText[model::RowNumber(12, 1)] = u"SONRA";

        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->show();
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), std::size_t(editAfterwards));
        QCOMPARE(editor.window->isVisible(), editAfterwards);
    }

    // A ticked box and a typed row reach SAVE on the pages' timers, and a second editor shows them.
    void editsReachTheFileAndComeBackOnThePagesTimers()
    {
        testing::StartedEditor editor;
        editor.ShowActive();
        const pages::SlotControls& slot = editor.window->FirstPage().Slot(2);
        slot.clock->click();
        slot.Row(1).edit->setFocus();
        QTest::keyClicks(slot.Row(1).edit, QStringLiteral("MERHABA"));
        QTRY_VERIFY(editor.table.slotClock[2] == 1 && editor.table.rowText[model::RowNumber(3, 1)] == u"MERHABA");

        const QString path = editor.InProgramFolder(QStringLiteral("a.VELNAR MESSAGES"));
        editor.files.answers = {path};
        editor.Click(kSaveButton);
        model::MessageTable expected;
        expected.rowText[model::RowNumber(3, 1)] = u"MERHABA";
        expected.slotClock[2] = 1;
        QCOMPARE(FileBytes(path), TableBytes(expected));

        testing::StartedEditor reopened;
        reopened.files.answers = {path};
        reopened.Click(kOpenButton);
        const pages::SlotControls& shown = reopened.window->FirstPage().Slot(2);
        QTRY_VERIFY(shown.clock->isChecked());
        QCOMPARE(shown.Row(1).edit->toPlainText(), QStringLiteral("MERHABA"));
        // Taking the file into the controls is no edit: closing asks nothing.
        reopened.window->show();
        reopened.window->reject();
        QVERIFY(reopened.modal.shown.empty() && !reopened.window->isVisible());
    }

    // "2," in "12,50 TL" would cut the row: saving asks first, and Cancel writes nothing.
    void aRowThatWouldBeCutIsSavedOnlyOnTheOperatorsWord_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::addColumn<bool>("saveAnyway");
        QTest::newRow("KAYDET, cancel") << false << false;
        QTest::newRow("KAYDET, save anyway") << false << true;
        QTest::newRow("closing, save, cancel") << true << false;
        QTest::newRow("closing, save, save anyway") << true << true;
    }

    void aRowThatWouldBeCutIsSavedOnlyOnTheOperatorsWord()
    {
        QFETCH(bool, closing);
        QFETCH(bool, saveAnyway);
        testing::StartedEditor editor;
        editor.table.rowText[model::RowNumber(1, 1)] = u"12,50 TL";
        editor.table.rowText[model::RowNumber(1, 2)] = u"ELMA";
        const QString path = editor.InProgramFolder(QStringLiteral("fiyat.VELNAR MESSAGES"));
        editor.files.answers = {path};
        editor.window->show();
        if (closing)
            editor.modal.answers.push_back(int(QMessageBox::Save));
        editor.modal.answers.push_back(int(saveAnyway ? QMessageBox::Save : QMessageBox::Cancel));
        if (closing)
            editor.window->reject();
        else
            editor.Click(kSaveButton);

        QVERIFY(!editor.modal.shown.empty());
        const testing::RecordingRunner::Shown& question = editor.modal.shown.back();
        QVERIFY2(question.labels.join('\n').contains(QStringLiteral("Slot 1, row 1: \"12,50 TL\" would open as \"1\"")),
                 qPrintable(question.labels.join('\n')));
        QCOMPARE(question.buttons, (QStringList{QStringLiteral("Save anyway"), QStringLiteral("Cancel")}));
        QCOMPARE(question.defaultButton, QStringLiteral("Cancel"));
        QCOMPARE(QFile::exists(path), saveAnyway);
        QCOMPARE(editor.files.asked.size(), qsizetype(saveAnyway));
        QCOMPARE(editor.window->isVisible(), !(closing && saveAnyway));
    }

    // Both dialogs offer message files first, ask before overwriting, and add the extension.
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
            for (const auto& [typed, chosen] : {std::pair("eski dükkan", "eski dükkan.VELNAR MESSAGES"),
                                                std::pair("shop.VELNAR MESSAGES", "shop.VELNAR MESSAGES"),
                                                std::pair("shop.txt", "shop.txt")}) {
                dialog->selectFile(QString::fromUtf8(typed));
                QCOMPARE(dialog->selectedFiles(), QStringList{folder.filePath(QString::fromUtf8(chosen))});
            }
            dialog->selectNameFilter(app::MessageFileNameFilters().at(1));
            QTRY_COMPARE(ListedNames(*dialog, directory.path()), all);
        }
    }

    // The untouched pattern is no name unless such a file exists (Windows allows no "*").
    void onlyTheUntouchedPatternIsNoFileName()
    {
#ifdef Q_OS_WIN
        constexpr bool kStarInFileNames = false;
#else
        constexpr bool kStarInFileNames = true;
#endif
        const std::tuple<QStringList, bool, const char*, bool> cases[] = {
            // typed ("" leaves the field alone; after the last, cancel), a file named as the pattern, chosen, told
            {{"", "shop"}, false, "shop.VELNAR MESSAGES", true},
            {{""}, false, "", true},
            {{"a*b?"}, false, "a*b?.VELNAR MESSAGES", false},
            {{""}, true, kStarInFileNames ? "*.VELNAR MESSAGES" : "", !kStarInFileNames}};
        for (const auto& [typed, patternFileExists, chosen, told] : cases) {
            QTemporaryDir directory;
            const QDir folder(directory.path());
            if (patternFileExists)
                QCOMPARE(QFile(folder.filePath(QStringLiteral("*.VELNAR MESSAGES"))).open(QIODevice::WriteOnly),
                         kStarInFileNames);
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
