#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/PreviewWindow.h"
#include "pages/CFirstPage.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;

class PreviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    // F2 previews the focused slot; edits reach the preview within one page tick.
    void previewFollowsTheOperatorWithinOnePageTick()
    {
        testing::StartedEditor editor;
        editor.ShowActive();
        pages::MessagePage& page = editor.window->FirstPage();
        QPlainTextEdit* edit = page.Slot(2).Row(1).edit;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F2);
        app::PreviewWindow* preview = editor.window->Preview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("ÖNİZLEME"));
        QCOMPARE(preview->SlotText(), QStringLiteral("MESAJ 3"));

        const auto afterTick = [&] {
            page.OnTimer();
            preview->Tick();
            return preview->Notes();
        };
        QTest::keyClicks(edit, QStringLiteral("KAMPANYA BUGUN %50 INDIRIMLI"));
        QCOMPARE(afterTick(), QStringLiteral("SATIR 1: 28/209\nSATIR 1 is wider than the board and its animation "
                                             "does not scroll: only \"KAMPANYA B\" shows (10 of 28 characters)."));
        QCOMPARE(preview->Board().slotIndex, 2);

        page.Slot(2).twoRows->setChecked(true);
        QVERIFY(afterTick().startsWith(QStringLiteral("SATIR 1: 28/106\nSATIR 1 is wider")));
        page.Slot(2).Row(1).animation->setCurrentIndex(1);
        QCOMPARE(afterTick(), QStringLiteral("SATIR 1: 28/106\nSATIR 2: 0/106"));

        page.Slot(5).Row(1).speed->setFocus();
        QCOMPARE(preview->SlotText(), QStringLiteral("MESAJ 6"));
        preview->InTurnBox()->setChecked(true);
        preview->Tick();
        QCOMPARE(preview->SlotText(), QStringLiteral("MESAJ 3"));  // the first slot with something to show
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
