#include <QtTest>

#include <QComboBox>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <system_error>

#include "app/LocalPath.h"
#include "app/QtFileDialogs.h"
#include "file/MessageFile.h"
#include "file/MessageFileWriter.h"
#include "file/RowReadBack.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/DialogIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;

namespace {

std::size_t Row(int slot, int row)
{
    return static_cast<std::size_t>(model::RowNumber(slot, row));
}

// What the operator edits and the file keeps: texts, boxes and lists.
void FillSome(model::MessageTable& table, const std::u16string& text)
{
    table.rowText[Row(1, 1)] = text;
    table.rowText[Row(16, 2)] = u"SON SATIR";
    table.slotTwoRows[3] = 1;
    table.slotClock[15] = 1;
    table.rowAnimation[Row(2, 2)] = 4;
    table.rowBrightness[Row(9, 1)] = 8;
    table.rowSpeed[Row(5, 2)] = 4;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray TableBytes(const model::MessageTable& table)
{
    return QByteArray::fromStdString(file::MessageFileBytes(table));
}

// The names the dialog lists in `directory` under its current filter.
QStringList ListedNames(QFileDialog& dialog, const QString& directory)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model)
        return {};
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
    // A cancelled dialog, an OPEN of a missing file and a SAVE onto a folder
    // leave the table and the folder as they were; a failure is told in the
    // core's own words, and closing still asks.
    void aCancelledOrFailedCommandChangesNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("reason");  // the system's error told, 0 when nothing is
        QTest::newRow("OPEN cancelled") << kOpenButton << QString() << 0;
        QTest::newRow("SAVE cancelled") << kSaveButton << QString() << 0;
        QTest::newRow("OPEN of a missing file") << kOpenButton << QStringLiteral("yok.VELNAR MESSAGES")
                                                << int(std::errc::no_such_file_or_directory);
        QTest::newRow("SAVE onto a folder") << kSaveButton << QStringLiteral("taken.VELNAR MESSAGES")
                                            << int(std::errc::is_a_directory);
    }

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
        QCOMPARE(editor.modal.shown.size(), std::size_t{cancelled ? 0u : 1u});
        if (cancelled) {
            QCOMPARE(editor.table.fileLoadedPage1, std::uint8_t{0});
            QCOMPARE(editor.table.fileLoadedPage2, std::uint8_t{0});
        } else {
            const std::string told = std::make_error_code(std::errc(reason)).message();
            QVERIFY(editor.ShownText().contains(QString::fromStdString(told)));
            QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(target)));
        }
        QVERIFY(QFileInfo(taken).isDir());
        QVERIFY(QDir(taken).isEmpty());
        QCOMPARE(QDir(editor.programDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("taken.VELNAR MESSAGES")});

        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), std::size_t{cancelled ? 1u : 2u});
    }

    // SAVE writes the table as the file keeps it, and tells which rows will
    // not read back as written; OPEN puts a file in the table, for the pages
    // to take up on their next tick. After either, nothing is lost by closing
    // unless the operator edits afterwards; the pages copying a loaded file
    // into their controls, and their boxes back into the table on every tick,
    // is no edit.
    void openAndSaveMeanNothingIsLostOnClosing_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("markers");
        QTest::addColumn<bool>("editAfterwards");
        QTest::newRow("SAVE") << kSaveButton << false << false;
        QTest::newRow("SAVE of texts with markers") << kSaveButton << true << false;
        QTest::newRow("edited after SAVE") << kSaveButton << false << true;
        QTest::newRow("OPEN, shown on the pages") << kOpenButton << false << false;
        QTest::newRow("edited after OPEN") << kOpenButton << false << true;
    }

    void openAndSaveMeanNothingIsLostOnClosing()
    {
        QFETCH(int, button);
        QFETCH(bool, markers);
        QFETCH(bool, editAfterwards);
        Editor editor;
        const QString path = editor.InProgramFolder(QStringLiteral("a.VELNAR MESSAGES"));
        model::MessageTable onDisk;
        FillSome(onDisk, u"İKİ\r\nSATIR");
        onDisk.rowText[Row(2, 1)] = u"YALNIZ\nLF";
        onDisk.slotClock[0] = 1;
        onDisk.slotTwoRows[0] = 1;
        onDisk.slotSelected[10] = 1;
        QVERIFY(file::SaveMessageFile(app::LocalPath(path), onDisk).ok);
        editor.Start();
        // Edits that the file on disk does not hold.
        editor.table.rowText[Row(3, 1)] = u"MERHABA, DÜNYA 12:30";
        editor.table.rowSpeed[Row(3, 1)] = 2;
        if (markers) {
            // "2," in slot 1 row 1 is the marker of slot 1 row 2.
            editor.table.rowText[Row(1, 1)] = u"SAAT 12,50";
            editor.table.rowText[Row(1, 2)] = u"İKİNCİ";
        }
        const model::MessageTable edited = editor.table;
        editor.files.answers = {path};
        editor.Click(button);
        if (button == kSaveButton) {
            QCOMPARE(editor.files.asked, QStringList{QStringLiteral("save")});
            QCOMPARE(FileBytes(path), TableBytes(edited));
            const std::vector<file::RowMismatch> rows = file::RowsThatWillNotReadBack(edited);
            QCOMPARE(rows.empty(), !markers);
            QCOMPARE(editor.modal.shown.size(), std::size_t{markers ? 1u : 0u});
            const QString told = editor.ShownText();
            for (const file::RowMismatch& row : rows) {
                QVERIFY(told.contains(QStringLiteral("Slot %1, row %2").arg(row.slot).arg(row.row)));
                QVERIFY(told.contains(QString::fromStdString(row.reason)));
            }
            QCOMPARE(told.contains(QStringLiteral("Slot 1, row 1")), markers);
        } else {
            QCOMPARE(editor.files.asked, QStringList{QStringLiteral("open")});
            QVERIFY(editor.modal.shown.empty());
            QVERIFY(editor.table.rowText == onDisk.rowText);
            QVERIFY(editor.table.slotTwoRows == onDisk.slotTwoRows);
            QVERIFY(editor.table.slotClock == onDisk.slotClock);
            QVERIFY(editor.table.rowAnimation == onDisk.rowAnimation);
            QVERIFY(editor.table.rowBrightness == onDisk.rowBrightness);
            QVERIFY(editor.table.rowSpeed == onDisk.rowSpeed);
            QCOMPARE(editor.table.fileLoadedPage1, std::uint8_t{1});
            QCOMPARE(editor.table.fileLoadedPage2, std::uint8_t{1});
            for (int tick = 0; tick < 3; ++tick) {
                editor.window->OnTimer();
                editor.window->FirstPage().OnTimer();
            }
            editor.window->Sheet().SetActivePage(1);
            for (int tick = 0; tick < 3; ++tick)
                editor.window->SecondPage().OnTimer();
            QCOMPARE(editor.window->FirstPage().Slot(0).Row(1).edit->toPlainText(), QStringLiteral("İKİ\nSATIR"));
        }
        if (editAfterwards)
            editor.table.rowText[Row(12, 1)] = u"SONRA";

        const std::size_t shown = editor.modal.shown.size();
        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->show();
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), shown + (editAfterwards ? 1u : 0u));
        QCOMPARE(editor.window->isVisible(), editAfterwards);
    }

    // Both dialogs offer the message files first, list under that filter only
    // names ending in the extension, ask before overwriting and give a typed
    // name without extension the message extension.
    void theDialogsOfferTheMessageFilesFirst_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("open") << int(QFileDialog::AcceptOpen);
        QTest::newRow("save") << int(QFileDialog::AcceptSave);
    }

    void theDialogsOfferTheMessageFilesFirst()
    {
        QFETCH(int, mode);
        const auto dialog = app::MakeMessageFileDialog(nullptr, QFileDialog::AcceptMode(mode));
        QCOMPARE(dialog->fileMode(),
                 mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
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
        for (const QString& name : all) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        dialog->setDirectory(directory.path());
        QTRY_COMPARE(ListedNames(*dialog, directory.path()),
                     (QStringList{QStringLiteral("a.VELNAR MESSAGES"), QStringLiteral("eski dükkan.VELNAR MESSAGES")}));
        const std::pair<const char*, const char*> typedNames[] = {
            {"shop", "shop.VELNAR MESSAGES"},
            {"eski dükkan", "eski dükkan.VELNAR MESSAGES"},
            {"shop.VELNAR MESSAGES", "shop.VELNAR MESSAGES"},
            {"shop.txt", "shop.txt"},
        };
        for (const auto& [typed, chosen] : typedNames) {
            dialog->selectFile(QString::fromUtf8(typed));
            QCOMPARE(dialog->selectedFiles(), QStringList{folder.filePath(QString::fromUtf8(chosen))});
        }

        dialog->selectNameFilter(app::MessageFileNameFilters().at(1));
        QTRY_COMPARE(ListedNames(*dialog, directory.path()), all);
    }

    // Only the initial "*.VELNAR MESSAGES" left in the name field is no
    // name, unless a file of that very name exists: the dialog then says why
    // and asks again. Names with "?" and "*" are names.
    void onlyTheUntouchedPatternIsNoFileName_data()
    {
        QTest::addColumn<QStringList>("typed");  // "" leaves the field alone; after the last, cancel
        QTest::addColumn<bool>("patternFileExists");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("told");
        QTest::newRow("pattern, then a name") << QStringList{"", "shop"} << false << "shop.VELNAR MESSAGES" << 1;
        QTest::newRow("pattern, then cancel") << QStringList{""} << false << "" << 1;
        QTest::newRow("question mark") << QStringList{"ne?"} << false << "ne?.VELNAR MESSAGES" << 0;
        QTest::newRow("star") << QStringList{"a*b.VELNAR MESSAGES"} << false << "a*b.VELNAR MESSAGES" << 0;
        QTest::newRow("a file named as the pattern") << QStringList{""} << true << "*.VELNAR MESSAGES" << 0;
    }

    void onlyTheUntouchedPatternIsNoFileName()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, patternFileExists);
        QFETCH(QString, chosen);
        QFETCH(int, told);
        QTemporaryDir directory;
        const QDir folder(directory.path());
        if (patternFileExists)
            QVERIFY(QFile(folder.filePath(QStringLiteral("*.VELNAR MESSAGES"))).open(QIODevice::WriteOnly));
        TypingRunner modal;
        modal.folder = directory.path();
        modal.typed = {typed.begin(), typed.end()};
        QWidget parent;
        const QString answer = app::QtFileDialogs().AskSavePath(parent, modal);
        QCOMPARE(answer, chosen.isEmpty() ? QString() : folder.filePath(chosen));
        QCOMPARE(modal.boxes.shown.size(), std::size_t(told));
        if (told)
            QVERIFY(modal.boxes.Texts().join(' ').contains(QStringLiteral("\"*.VELNAR MESSAGES\" is the pattern")));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
