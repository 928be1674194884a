#include <QtTest>

#include <QMenu>
#include <QPainter>

#include "TestPalette.h"
#include "controls/MenuItemMetrics.h"
#include "controls/MenuRegistry.h"
#include "controls/PlatformInfo.h"
#include "controls/PlenMenu.h"
#include "controls/SharedMenuImages.h"
#include "res/MenuFlags.h"

using namespace velnar::controls;
using namespace velnar::res;
using namespace test_palette;

namespace {

const QColor kGrey(128, 128, 128);

// A 16 x 15 icon: clear, with a black block at (4..7, 4..7) and a mid-grey
// one at (10..12, 9..11).
QImage TestIcon()
{
    QImage icon(16, 15, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.fillRect(4, 4, 4, 4, kText);
    painter.fillRect(10, 9, 3, 3, kGrey);
    return icon;
}

// Chooses from the menu that opens next, by the given keys.
void ChooseWithKeys(std::vector<Qt::Key> keys)
{
    QTimer::singleShot(0, [keys] {
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        for (Qt::Key key : keys)
            QTest::keyClick(popup, key);
    });
}

}  // namespace

class PlenMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(Palette()); }

    // The kind of Windows by its version; Qt runs on the NT line only, and
    // only XP (NT 5.1) has the themed look.
    void windowsKind()
    {
        for (const auto& [known, major, minor, kind] : {std::tuple{false, 0, 0, 1}, {true, 4, 0, 5}, {true, 5, 0, 6},
                                                        {true, 5, 1, 7}, {true, 5, 2, 1}, {true, 10, 0, 1}})
            QCOMPARE(DetectWindowsKind({known, true, major, minor}), kind);
    }

    // With 15-pixel icons: a separator, an item with a 50-pixel text.
    void menuMeasures()
    {
        struct Row { bool xp, raised; int bar, separator, height, beyondText; };
        for (const Row& row : {Row{false, true, 20, 10, 20, 2 * 16 + 1}, {true, true, 20, 11, 22, 16 + 7 + 8},
                               {false, true, 30, 15, 30, 2 * 16 + 1}}) {
            const MenuMetrics metrics{16, 15, row.bar, row.xp, row.raised};
            QCOMPARE(MeasureSeparator(metrics), QSize(0, row.separator));
            QCOMPARE(MeasureItem(metrics, 50), QSize(50 + row.beyondText, row.height));
        }
    }

    // The window's system menu, a separator and the about item: the item in
    // the menu colour, highlighted across its whole width when active. Typed
    // letters choose by mnemonic, in either case; the arrows and Return choose
    // the highlighted item, Escape none. A menu of items only is never
    // registered.
    void systemMenu()
    {
        const int registered = RegisteredMenuCount();
        PlenMenu menu;
        QVERIFY(menu.CreatePopupMenu());
        QVERIFY(menu.AppendItem(QString(), MenuSeparator, 0));
        QVERIFY(menu.AppendItem(QStringLiteral("&About"), MenuString, 100));
        QMenu* window = menu.Handle();
        QAction* about = window->actions()[1];
        QVERIFY(window->actions()[0]->isSeparator());
        window->adjustSize();
        const QPoint corner = window->actionGeometry(about).topLeft() + QPoint(1, 1);
        QCOMPARE(At(window->grab().toImage(), corner.x(), corner.y()), kMenu.rgb());
        window->setActiveAction(about);
        QCOMPARE(At(window->grab().toImage(), corner.x(), corner.y()), kSelection.rgb());

        QCOMPARE(PlenMenu::FindMnemonic('a', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 1u);
        QCOMPARE(PlenMenu::FindMnemonic('q', MenuPopup, &menu), 0u);
        const std::pair<std::vector<Qt::Key>, int> choices[] = {
            {{Qt::Key_Down, Qt::Key_Return}, 100}, {{Qt::Key_A}, 100}, {{Qt::Key_Escape}, 0}};
        for (const auto& [keys, chosen] : choices) {
            ChooseWithKeys(keys);
            QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), chosen);
        }
        QVERIFY(!PlenMenu::IsRegistered(menu));
        QCOMPARE(RegisteredMenuCount(), registered);
        QVERIFY(menu.Destroy());
    }

    // One list for every menu: with raised images a command owns three
    // entries (image, faded, shadow), and its new image replaces them in
    // place; an image of another size is cut to 16 x 15.
    void sharedImages()
    {
        SharedMenuImages shared;
        const QColor red(200, 0, 0);
        QCOMPARE(shared.AddToShared(TestIcon(), 1, false, red), 0);
        QCOMPARE(shared.AddToShared(TestIcon(), 2, true, red), 1);
        QVERIFY(!shared.HasRaisedImages(0) && shared.HasRaisedImages(1));
        QCOMPARE(shared.Image(2).pixel(4, 4), qRgb(76, 76, 76));  // black faded 30 % to white
        QCOMPARE(shared.Image(3).pixel(10, 9), red.rgb());        // the ink in the shadow colour
        QImage large(20, 20, QImage::Format_ARGB32);
        large.fill(kGrey);
        QCOMPARE(shared.AddToShared(large, 2, true, red), 1);
        QCOMPARE(shared.Count(), 4);
        QVERIFY(shared.Image(1).size() == QSize(16, 15) && shared.Image(3).size() == QSize(16, 15));
        QCOMPARE(shared.Image(1).pixel(0, 0), kGrey.rgb());
    }
};

QTEST_MAIN(PlenMenuTest)
#include "PlenMenuTest.moc"
