#include <QtTest>

#include <QMenu>
#include <QPainter>

#include "TestPalette.h"
#include "controls/ColorMath.h"
#include "controls/MenuItemPainter.h"
#include "controls/MenuRegistry.h"
#include "controls/PlenMenu.h"
#include "controls/SharedMenuImages.h"
#include "res/MenuFlags.h"

using namespace velnar::controls;
using namespace velnar::res;
using namespace test_palette;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kRed(200, 0, 0);

// A 16 x 15 icon: clear, with a black block at (4..7, 4..7), a white one at
// (10..12, 2..4) and a mid-grey one at (10..12, 9..11).
QImage TestIcon()
{
    QImage icon(16, 15, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.fillRect(4, 4, 4, 4, kText);
    painter.fillRect(10, 2, 3, 3, Qt::white);
    painter.fillRect(10, 9, 3, 3, kGrey);
    return icon;
}

// What a rendered item is drawn with.
constexpr int Selected = 1, Checked = 2, Radio = 4, Grayed = 8, Image = 32, Modern = 64, Plain = 128;

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

    // As every button holds it: empty, never registered, destroyed cleanly.
    void emptyMenu()
    {
        const int registered = RegisteredMenuCount();
        {
            PlenMenu menu;
            QVERIFY(!menu.Handle() && !menu.AppendItem(QStringLiteral("Lost"), 0, 5));
            QCOMPARE(PlenMenu::FindMnemonic('l', MenuPopup, &menu), 0u);
            QCOMPARE(menu.TrackPopupMenu(QPoint(0, 0)), 0);
            QVERIFY(!PlenMenu::IsRegistered(menu) && !menu.Destroy());
        }
        QCOMPARE(RegisteredMenuCount(), registered);
    }

    // Items become owner-drawn, id 0 a separator; the window takes their
    // measures and draws the classic etched separator on the menu colour.
    // A menu of items only is never registered.
    void appendedItems()
    {
        const int registered = RegisteredMenuCount();
        PlenMenu menu;
        QVERIFY(menu.CreatePopupMenu());
        QVERIFY(menu.AppendItem(QStringLiteral("&Open"), 0, 100));
        QVERIFY(menu.AppendItem(QStringLiteral("ignored"), MenuByPosition, 0));
        QVERIFY(menu.AppendItem(QStringLiteral("E&xit"), MenuGrayed, 101));
        const unsigned flags[] = {MenuOwnerDraw, MenuByPosition | MenuSeparator | MenuOwnerDraw,
                                  MenuGrayed | MenuOwnerDraw};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(menu.Item(i)->m_flags, flags[i]);

        QMenu* window = menu.Handle();
        const QList<QAction*> actions = window->actions();
        QVERIFY(actions[1]->isSeparator() && !actions[2]->isEnabled());
        window->adjustSize();
        QCOMPARE(window->actionGeometry(actions[0]).height(), menu.MeasureMenuItem(*menu.Item(0)).height());
        QCOMPARE(window->actionGeometry(actions[1]).height(), menu.MeasureMenuItem(*menu.Item(1)).height());
        const QImage image = window->grab().toImage();
        const QRect separator = window->actionGeometry(actions[1]);
        const int x = separator.center().x(), middle = separator.top() + separator.height() / 2;
        QCOMPARE(At(image, x, middle - 1), kMenu.rgb());
        QCOMPARE(At(image, x, middle), kShadowEdge.rgb());
        QCOMPARE(At(image, x, middle + 1), kHighlightEdge.rgb());

        QVERIFY(!PlenMenu::IsRegistered(menu));
        QCOMPARE(RegisteredMenuCount(), registered);
        QVERIFY(menu.Destroy());
    }

    // The look-up answers the position, for pop-ups only, and first takes in
    // actions added behind the menu's back; it runs before the menu window's
    // own, to which "&&f" is no mnemonic.
    void mnemonicsAndTracking()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open"), MenuChecked, 41);
        menu.AppendItem(QStringLiteral("Fish"), 0, 43);
        QAction* salt = menu.Handle()->addAction(QStringLiteral("Salt &&fish"));
        salt->setData(42);
        salt->setEnabled(false);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 2u);
        QCOMPARE(menu.Item(2)->m_flags, MenuGrayed | MenuOwnerDraw | MenuByPosition);
        QCOMPARE(menu.ItemFor(salt), menu.Item(2));
        QVERIFY(menu.Item(0)->m_flags & MenuChecked);
        QCOMPARE(PlenMenu::FindMnemonic('o', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuString, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('q', MenuPopup, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, nullptr), 0u);

        salt->setEnabled(true);
        ChooseWithKeys({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 41);
        ChooseWithKeys({Qt::Key_F});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 42);
        ChooseWithKeys({Qt::Key_Escape});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 0);
    }

    // One item per row, drawn in a look and checked at one pixel.
    void renderedItem_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");

        const QPoint box(1, (20 - 15 - 4) / 2 + 2);  // the classic check box
        QTest::newRow("classic") << 0 << QPoint(1, 1) << kMenu.rgb();
        // A check mark keeps the image column out of the highlight bar.
        QTest::newRow("classic checked: column") << (Selected | Checked) << QPoint(20, 1) << kMenu.rgb();
        QTest::newRow("classic checked: bar") << (Selected | Checked) << QPoint(21, 1) << kSelection.rgb();
        QTest::newRow("classic tick") << (Selected | Checked) << box + QPoint(4, 6) << kText.rgb();
        QTest::newRow("classic sunken box") << (Checked | Modern) << box << kShadowEdge.rgb();
        QTest::newRow("classic radio dot") << (Checked | Radio | Modern) << box + QPoint(8, 7) << kText.rgb();
        // A disabled image: black embossed; mid-grey ink unless plain.
        QTest::newRow("disabled: ink") << (Grayed | Image) << QPoint(6, 6) << kShadowEdge.rgb();
        QTest::newRow("disabled: grey") << (Grayed | Image) << QPoint(12, 11) << kShadowEdge.rgb();
        QTest::newRow("disabled plain: grey") << (Grayed | Image | Plain) << QPoint(12, 11) << kMenu.rgb();
    }

    void renderedItem()
    {
        QFETCH(int, state);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        MenuLookContext look;
        look.colors = {kFace, kMenu, kWindowColour, kSelection, kSelectionText, kText, kGrayText, kHighlightEdge,
                       kShadowEdge};
        look.modernShell = state & Modern;
        look.plainDisabled = state & Plain;
        MenuItemDraw item;
        item.rect = QRect(0, 0, 140, 20);
        item.text = QStringLiteral("&Open");
        item.selected = state & Selected;
        item.checked = state & Checked;
        item.radio = state & Radio;
        item.grayed = state & Grayed;
        if (state & Image)
            item.image = TestIcon();
        QImage image(item.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        QPainter painter(&image);
        PaintClassicItem(painter, item, look);
        painter.end();
        QCOMPARE(At(image, at), colour);
    }

    // One list for every menu: with raised images a command owns three
    // entries (image, faded, shadow), and its new image replaces them in
    // place; an image of another size is cut to 16 x 15.
    void sharedImages()
    {
        SharedMenuImages shared;
        const QImage icon = TestIcon();
        QCOMPARE(shared.AddToShared(QImage(), 1, false, kRed), -1);
        QCOMPARE(shared.AddToShared(icon, 1, false, kRed), 0);
        QCOMPARE(shared.AddToShared(icon, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QVERIFY(!shared.HasRaisedImages(0) && shared.HasRaisedImages(1));
        QCOMPARE(shared.Image(2).pixel(4, 4), BlendToWhite(kText.rgb(), 0.3));
        QCOMPARE(shared.Image(3).pixel(10, 9), kRed.rgb());
        QImage large(20, 20, QImage::Format_ARGB32);
        large.fill(kGrey);
        QCOMPARE(shared.AddToShared(large, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QVERIFY(shared.Image(1).size() == kMenuIconSize && shared.Image(3).size() == kMenuIconSize);
        QCOMPARE(shared.Image(1).pixel(0, 0), kGrey.rgb());
    }
};

QTEST_MAIN(PlenMenuTest)
#include "PlenMenuTest.moc"
