#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

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
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray TableBytes(const model::MessageTable& table)
{
    return QByteArray::fromStdString(file::MessageFileBytes(table));
}

void Click(Editor& editor, int button)
{
    editor.Control<QPushButton>(button)->click();
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

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void savedMessagesComeBackWhenOpened()
    {
        Editor editor;
        editor.Start();
        FillSome(editor.table, u"MERHABA, DÜNYA 12:30");
        const model::MessageTable saved = editor.table;
        const QString path = QDir(editor.programDirectory.path()).filePath(QStringLiteral("shop.VELNAR MESSAGES"));
        editor.files.saveAnswers = {path};
        Click(editor, kSaveButton);
        QCOMPARE(FileBytes(path), TableBytes(saved));

        FillSome(editor.table, u"BAŞKA");
        editor.table.rowText[Row(16, 2)].clear();
        editor.table.slotTwoRows[3] = 0;
        editor.table.rowBrightness[Row(9, 1)] = 0;
        editor.files.openAnswers = {path};
        Click(editor, kOpenButton);

        QCOMPARE(editor.files.asked, (QStringList{QStringLiteral("save"), QStringLiteral("open")}));
        QVERIFY(editor.table.rowText == saved.rowText);
        QVERIFY(editor.table.slotTwoRows == saved.slotTwoRows);
        QVERIFY(editor.table.slotClock == saved.slotClock);
        QVERIFY(editor.table.rowAnimation == saved.rowAnimation);
        QVERIFY(editor.table.rowBrightness == saved.rowBrightness);
        QVERIFY(editor.table.rowSpeed == saved.rowSpeed);
        // The pages take it up on their next tick.
        QCOMPARE(editor.table.fileLoadedPage1, std::uint8_t{1});
        QCOMPARE(editor.table.fileLoadedPage2, std::uint8_t{1});
        QVERIFY(editor.modal.shown.empty());
    }

    void cancellingChangesNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("OPEN") << kOpenButton;
        QTest::newRow("SAVE") << kSaveButton;
    }

    void cancellingChangesNothing()
    {
        QFETCH(int, button);
        Editor editor;
        editor.Start();
        FillSome(editor.table, u"KALIR");
        const QByteArray before = TableBytes(editor.table);
        Click(editor, button);
        QCOMPARE(editor.files.asked.size(), 1);
        QCOMPARE(TableBytes(editor.table), before);
        QCOMPARE(editor.table.fileLoadedPage1, std::uint8_t{0});
        QCOMPARE(editor.table.fileLoadedPage2, std::uint8_t{0});
        QVERIFY(editor.modal.shown.empty());
        QVERIFY(QDir(editor.programDirectory.path()).isEmpty());
    }

    void aFailedSaveTellsWhyAndLeavesTheTarget()
    {
        Editor editor;
        editor.Start();
        FillSome(editor.table, u"KAYDEDİLEMEZ");
        QDir folder(editor.programDirectory.path());
        QVERIFY(folder.mkdir(QStringLiteral("taken.VELNAR MESSAGES")));
        const QString target = folder.filePath(QStringLiteral("taken.VELNAR MESSAGES"));
        // The core's own words for this failure, which the box must carry.
        const file::FileResult expected = file::SaveMessageFile(app::LocalPath(target), editor.table);
        QVERIFY(!expected.ok);
        QVERIFY(!expected.reason.empty());

        editor.files.saveAnswers = {target};
        Click(editor, kSaveButton);
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QVERIFY(editor.ShownText().contains(QString::fromStdString(expected.reason)));
        QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(target)));
        QVERIFY(QFileInfo(target).isDir());
        QVERIFY(QDir(target).isEmpty());
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("taken.VELNAR MESSAGES")});

        // Nothing was saved, so closing still asks.
        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), std::size_t{2});
    }

    void aFailedOpenTellsWhyAndKeepsTheTable()
    {
        Editor editor;
        editor.Start();
        const QString missing = QDir(editor.programDirectory.path()).filePath(QStringLiteral("yok.VELNAR MESSAGES"));
        model::MessageTable scratch;
        const file::FileResult expected = file::LoadMessageFile(app::LocalPath(missing), scratch);
        QVERIFY(!expected.ok);
        FillSome(editor.table, u"KALIR");
        const QByteArray before = TableBytes(editor.table);

        editor.files.openAnswers = {missing};
        Click(editor, kOpenButton);
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QVERIFY(editor.ShownText().contains(QString::fromStdString(expected.reason)));
        QCOMPARE(TableBytes(editor.table), before);
        // Both pages show the table again, as after any attempt.
        QCOMPARE(editor.table.fileLoadedPage1, std::uint8_t{1});
        QCOMPARE(editor.table.fileLoadedPage2, std::uint8_t{1});
    }

    void markersInTextsAreSavedAndTold()
    {
        Editor editor;
        editor.Start();
        // "2," in slot 1 row 1 is the marker of slot 1 row 2.
        editor.table.rowText[Row(1, 1)] = u"SAAT 12,50";
        editor.table.rowText[Row(1, 2)] = u"İKİNCİ";
        const std::vector<file::RowMismatch> rows = file::RowsThatWillNotReadBack(editor.table);
        QVERIFY(!rows.empty());
        const QString path = QDir(editor.programDirectory.path()).filePath(QStringLiteral("saat.VELNAR MESSAGES"));
        editor.files.saveAnswers = {path};
        Click(editor, kSaveButton);

        QCOMPARE(FileBytes(path), TableBytes(editor.table));
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        const QString told = editor.ShownText();
        for (const file::RowMismatch& row : rows) {
            QVERIFY(told.contains(QStringLiteral("Slot %1, row %2").arg(row.slot).arg(row.row)));
            QVERIFY(told.contains(QString::fromStdString(row.reason)));
        }
        QVERIFY(told.contains(QStringLiteral("Slot 1, row 1")));
    }

    void openingOrSavingMeansNothingIsLostOnClosing_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("editAfterwards");
        QTest::newRow("after SAVE") << kSaveButton << false;
        QTest::newRow("edited after SAVE") << kSaveButton << true;
        QTest::newRow("after OPEN") << kOpenButton << false;
        QTest::newRow("edited after OPEN") << kOpenButton << true;
    }

    void openingOrSavingMeansNothingIsLostOnClosing()
    {
        QFETCH(int, button);
        QFETCH(bool, editAfterwards);
        Editor editor;
        const QString path = QDir(editor.programDirectory.path()).filePath(QStringLiteral("a.VELNAR MESSAGES"));
        model::MessageTable other;
        FillSome(other, u"DOSYADAN");
        QVERIFY(file::SaveMessageFile(app::LocalPath(path), other).ok);
        editor.Start();
        FillSome(editor.table, u"DEĞİŞTİ");
        editor.files.openAnswers = {path};
        editor.files.saveAnswers = {path};
        Click(editor, button);
        QVERIFY(editor.modal.shown.empty());
        if (editAfterwards)
            editor.table.rowText[Row(12, 1)] = u"SONRA";

        editor.modal.answers = {int(QMessageBox::No)};
        editor.window->show();
        editor.window->reject();
        QCOMPARE(editor.modal.shown.size(), std::size_t{editAfterwards ? 1u : 0u});
        QCOMPARE(editor.window->isVisible(), editAfterwards);
    }

    // The pages copy a loaded file into their controls and the boxes back
    // into the table on every tick; none of that is an operator's edit.
    void aLoadedFileShownOnThePagesIsNoEdit()
    {
        Editor editor;
        const QString path = QDir(editor.programDirectory.path()).filePath(QStringLiteral("b.VELNAR MESSAGES"));
        model::MessageTable onDisk;
        FillSome(onDisk, u"İKİ\r\nSATIR");
        onDisk.rowText[Row(2, 1)] = u"YALNIZ\nLF";
        onDisk.slotClock[0] = 1;
        onDisk.slotTwoRows[0] = 1;
        onDisk.slotSelected[10] = 1;
        QVERIFY(file::SaveMessageFile(app::LocalPath(path), onDisk).ok);
        editor.Start();
        editor.files.openAnswers = {path};
        Click(editor, kOpenButton);
        for (int tick = 0; tick < 3; ++tick) {
            editor.window->OnTimer();
            editor.window->FirstPage().OnTimer();
        }
        editor.window->Sheet().SetActivePage(1);
        for (int tick = 0; tick < 3; ++tick)
            editor.window->SecondPage().OnTimer();
        QCOMPARE(editor.window->FirstPage().Slot(0).Row(1).edit->toPlainText(), QStringLiteral("İKİ\nSATIR"));

        editor.window->show();
        editor.window->reject();
        QVERIFY(editor.modal.shown.empty());
        QVERIFY(!editor.window->isVisible());
    }

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
        QCOMPARE(int(dialog->acceptMode()), mode);
        QCOMPARE(dialog->fileMode(),
                 mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(0), QStringLiteral("VELNAR MESSAGES Files(*.VELNAR MESSAGES)"));
        QCOMPARE(types->itemText(1), QStringLiteral("All Files(*.*)"));
        QCOMPARE(types->currentIndex(), 0);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("*.VELNAR MESSAGES"));
    }

    void theMessageFilterListsNamesEndingInTheExtension_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("listed");
        const QStringList all = {QStringLiteral("MESSAGES"), QStringLiteral("a.VELNAR MESSAGES"),
                                 QStringLiteral("b.VELNAR"), QStringLiteral("c.txt"),
                                 QStringLiteral("d.VELNAR MESSAGES.bak"), QStringLiteral("eski dükkan.VELNAR MESSAGES")};
        QTest::newRow("message files")
            << 0 << QStringList{QStringLiteral("a.VELNAR MESSAGES"), QStringLiteral("eski dükkan.VELNAR MESSAGES")};
        QTest::newRow("all files") << 1 << all;
    }

    void theMessageFilterListsNamesEndingInTheExtension()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, listed);
        QTemporaryDir directory;
        for (const char* name : {"MESSAGES", "a.VELNAR MESSAGES", "b.VELNAR", "c.txt", "d.VELNAR MESSAGES.bak",
                                 "eski dükkan.VELNAR MESSAGES"}) {
            QFile file(QDir(directory.path()).filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const auto dialog = app::MakeMessageFileDialog(nullptr, QFileDialog::AcceptOpen);
        dialog->setDirectory(directory.path());
        dialog->selectNameFilter(app::MessageFileNameFilters().at(filter));
        QTRY_COMPARE(ListedNames(*dialog, directory.path()), listed);
    }

    // Save pressed with the initial "*.VELNAR MESSAGES" still in the name
    // field, then again with a name typed.
    void theInitialPatternIsNoFileName()
    {
        QTemporaryDir directory;
        QWidget parent;
        int shown = 0;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        guard.start(5000);
        std::function<void()> answer = [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (++shown == 1)
                QTimer::singleShot(0, answer);
            else
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QDir(directory.path()).filePath(QStringLiteral("shop")));
            QMetaObject::invokeMethod(dialog, "accept");
        };
        QTimer::singleShot(0, answer);
        const QString chosen = app::QtFileDialogs().AskSavePath(parent);
        QCOMPARE(shown, 2);
        QCOMPARE(chosen, QDir(directory.path()).filePath(QStringLiteral("shop.VELNAR MESSAGES")));
    }

    void aTypedNameWithoutExtensionGetsTheMessageExtension_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            const char* which = mode == QFileDialog::AcceptOpen ? "open" : "save";
            QTest::addRow("%s: no extension", which) << int(mode) << "shop" << "shop.VELNAR MESSAGES";
            QTest::addRow("%s: blank in the name", which) << int(mode) << "eski dükkan" << "eski dükkan.VELNAR MESSAGES";
            QTest::addRow("%s: with the extension", which) << int(mode) << "shop.VELNAR MESSAGES"
                                                           << "shop.VELNAR MESSAGES";
            QTest::addRow("%s: another extension", which) << int(mode) << "shop.txt" << "shop.txt";
        }
    }

    void aTypedNameWithoutExtensionGetsTheMessageExtension()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir directory;
        const auto dialog = app::MakeMessageFileDialog(nullptr, QFileDialog::AcceptMode(mode));
        dialog->setDirectory(directory.path());
        dialog->selectFile(typed);
        QCOMPARE(dialog->selectedFiles(), QStringList{QDir(directory.path()).filePath(chosen)});
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
