#include <QtTest>

#include <QLabel>
#include <algorithm>

#include "dialogs/DialogBuilder.h"
#include "res/DialogTemplate.h"
#include "res/PageLayout.h"

using namespace velnar;
using namespace velnar::res;

class DialogTemplatesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesAreLaidOutInColumns_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::newRow("page 1") << &kFirstPageLayout;
        QTest::newRow("page 2") << &kSecondPageLayout;
    }

    // No shown control covers another or leaves the page; the slots read down in columns.
    void pagesAreLaidOutInColumns()
    {
        QFETCH(const PageLayout*, layout);
        const DialogTemplate dialog = *FindDialogTemplate(layout->templateId);
        QWidget page;
        const dialogs::DialogControls controls = dialogs::BuildControls(dialog, page);

        QList<QWidget*> shown;
        for (QWidget* child : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden())
                shown << child;
        }
        QVERIFY(shown.size() > 100);
        const QRect inside(QPoint(0, 0), controls.ClientSize());
        for (int a = 0; a < shown.size(); ++a) {
            const QRect area = shown[a]->geometry();
            QVERIFY2(inside.contains(area), qPrintable(QStringLiteral("control at %1,%2").arg(area.x()).arg(area.y())));
            for (int b = a + 1; b < shown.size(); ++b) {
                const QRect common = area & shown[b]->geometry();
                QVERIFY2(common.width() <= 2 || common.height() <= 2,
                         qPrintable(QStringLiteral("controls at %1,%2 and %3,%4")
                                        .arg(area.x()).arg(area.y()).arg(shown[b]->x()).arg(shown[b]->y())));
            }
        }

        const PageIds& ids = layout->ids;
        std::vector<SlotIds> columns = {ids.twoRows, ids.selected, ids.clock, ids.send};
        for (const PageRowIds& row : ids.rows)
            columns.insert(columns.end(), {row.edit, row.animation, row.brightness, row.speed});
        for (const SlotIds& column : columns) {
            for (int id : column)
                QCOMPARE(controls.Find(id)->x(), controls.Find(column[0])->x());
        }

        QList<QLabel*> numbers;
        for (QLabel* label : page.findChildren<QLabel*>()) {
            bool isNumber = false;
            label->text().toInt(&isNumber);
            if (isNumber)
                numbers << label;
        }
        std::sort(numbers.begin(), numbers.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QCOMPARE(numbers.size(), kPageSlots);
        for (int j = 0; j < kPageSlots; ++j)
            QCOMPARE(numbers[j]->text(), QString::number(layout->firstSlot + j));
    }
};

QTEST_MAIN(DialogTemplatesTest)
#include "DialogTemplatesTest.moc"
