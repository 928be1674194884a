#include <QtTest>

#include <QMenu>

#include "TestPalette.h"
#include "controls/MenuRegistry.h"
#include "controls/PlenMenu.h"
#include "res/MenuFlags.h"

using namespace velnar::controls;
using namespace velnar::res;
using namespace test_palette;

namespace {

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

    // The window's system menu, a separator and the about item: the item in
    // the menu colour, highlighted across its whole width when active. Typed
    // letters choose by mnemonic, in either case; the arrows and Return choose
    // the highlighted item, Escape none. A menu of items only is never
    // registered.
    void aboutItemIsPaintedAndChosenByItsKeys()
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
};

QTEST_MAIN(PlenMenuTest)
#include "PlenMenuTest.moc"
