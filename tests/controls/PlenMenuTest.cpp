#include <QtTest>

#include <QMenu>
#include <QPainter>

#include "TestPalette.h"
#include "controls/ColorMath.h"
#include "controls/MenuImages.h"
#include "controls/MenuItemPainter.h"
#include "controls/MenuRegistry.h"
#include "controls/PlenMenu.h"
#include "controls/SharedMenuImages.h"
#include "res/MenuFlags.h"
#include "res/MenuTemplates.h"
#include "res/ResourceIds.h"

using namespace velnar::controls;
using namespace velnar::res;
using test_palette::At;

namespace {

const QColor kInk(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kRed(200, 0, 0);

// A 16 x 15 icon: clear, with a black block at (4..7, 4..7), a white one at
// (10..12, 2..4) and a mid-grey one at (10..12, 9..11).
QImage TestIcon()
{
    QImage icon(16, 15, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.fillRect(4, 4, 4, 4, kInk);
    painter.fillRect(10, 2, 3, 3, Qt::white);
    painter.fillRect(10, 9, 3, 3, kGrey);
    return icon;
}

MenuColors TestColors()
{
    using namespace test_palette;
    return {kFace, kMenu, kWindowColour, kSelection, kSelectionText, kText, kGrayText, kHighlightEdge, kShadowEdge};
}

QImage Render(void (*paint)(QPainter&, const MenuItemDraw&, const MenuLookContext&), const MenuItemDraw& item,
              const MenuLookContext& look)
{
    QImage image(item.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QPainter painter(&image);
    paint(painter, item, look);
    return image;
}

MenuItemDraw Item(const QString& text)
{
    MenuItemDraw item;
    item.rect = QRect(0, 0, 140, 20);
    item.text = text;
    return item;
}

QByteArray FileAndEditTemplate()
{
    return EncodeMenuTemplate({
        {MenuPopup, 0, QStringLiteral("&File")},
        {MenuString, 1, QStringLiteral("&Open\tCtrl+O")},
        {MenuString, 0, QString()},
        {MenuEnd, 2, QStringLiteral("Save &As...\tCtrl+Shift+S")},
        {MenuPopup | MenuEnd, 0, QStringLiteral("&Edit")},
        {MenuEnd, 3, QStringLiteral("&Copy")},
    });
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
    void initTestCase() { QApplication::setPalette(test_palette::Palette()); }

    void emptyMenuIsDestroyedCleanly()
    {
        const int registered = RegisteredMenuCount();
        {
            PlenMenu menu;
            QVERIFY(!menu.Handle());
            QCOMPARE(menu.ItemCount(), 0);
            QVERIFY(!menu.AppendItem(QStringLiteral("Lost"), 0, 5));
            QVERIFY(!menu.SubMenu(0));
            QCOMPARE(PlenMenu::FindMnemonic('l', MenuPopup, &menu), 0u);
            QCOMPARE(menu.TrackPopupMenu(QPoint(0, 0)), 0);
            QVERIFY(!PlenMenu::IsRegistered(menu));
            QVERIFY(!menu.Destroy());
        }
        QCOMPARE(RegisteredMenuCount(), registered);
    }

    void appendedItemsAreOwnerDrawn()
    {
        PlenMenu menu;
        QVERIFY(menu.CreatePopupMenu());
        QVERIFY(menu.AppendItem(QStringLiteral("&Open"), 0, 100));
        QVERIFY(menu.AppendItem(QStringLiteral("ignored"), MenuByPosition, 0));
        QVERIFY(menu.AppendItem(QStringLiteral("E&xit"), MenuGrayed, 101));

        QCOMPARE(menu.ItemCount(), 3);
        QCOMPARE(menu.Item(0)->m_flags, MenuOwnerDraw);
        QCOMPARE(menu.Item(1)->m_flags, MenuByPosition | MenuSeparator | MenuOwnerDraw);
        QCOMPARE(menu.Item(2)->m_flags, MenuGrayed | MenuOwnerDraw);
        const QList<QAction*> actions = menu.Handle()->actions();
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions[1]->isSeparator());
        QVERIFY(!actions[2]->isEnabled());
        QCOMPARE(actions[0]->data().toInt(), 100);
        QCOMPARE(menu.ItemFor(actions[2]), menu.Item(2));
        // Appended menus are not sub-menus of anything: not registered.
        QVERIFY(!PlenMenu::IsRegistered(menu));
    }

    void popUpsAreRegisteredUntilDestroyed()
    {
        const int registered = RegisteredMenuCount();
        PlenMenu menu;
        menu.CreatePopupMenu();
        auto sub = std::make_unique<PlenMenu>();
        sub->CreatePopupMenu();
        sub->AppendItem(QStringLiteral("&Inner"), 0, 7);
        const QMenu* subWindow = sub->Handle();
        QVERIFY(menu.AppendItem(QStringLiteral("&More"), 0, std::move(sub)));

        QVERIFY(PlenMenu::IsRegistered(subWindow));
        QVERIFY(PlenMenu::IsRegistered(*menu.SubMenu(0)));
        QCOMPARE(menu.Item(0)->m_flags, MenuPopup | MenuOwnerDraw);
        QCOMPARE(RegisteredMenuCount(), registered + 1);

        QVERIFY(menu.Destroy());
        QVERIFY(!PlenMenu::IsRegistered(subWindow));
        QCOMPARE(RegisteredMenuCount(), registered);
        QCOMPARE(menu.ItemCount(), 0);
        QVERIFY(!menu.Handle());
    }

    void mainMenuLoadsByIdAndByName()
    {
        for (const bool byName : {false, true}) {
            PlenMenu menu;
            QVERIFY(byName ? menu.LoadFromResource(QStringLiteral("MENUE")) : menu.LoadFromResource(kMainMenu));
            QVERIFY(menu.IsFromResource());
            QCOMPARE(menu.ItemCount(), 3);
            QString text;
            QVERIFY(menu.ItemText(kCommandSave, text, false));
            QCOMPARE(text, QStringLiteral("SAVE"));
            QVERIFY(menu.ItemText(2, text, true));
            QCOMPARE(text, QStringLiteral("SEND ALL"));
            QVERIFY(!menu.ItemText(3, text, true));
            QVERIFY(!menu.ItemText(12345, text, false));
            // The menu bar's own items are plain; the style draws them.
            for (int i = 0; i < 3; ++i)
                QVERIFY(!(menu.Item(i)->m_flags & MenuOwnerDraw));
        }
    }

    void missingTemplateKeepsTheMenu()
    {
        PlenMenu menu;
        QVERIFY(menu.LoadFromResource(kMainMenu));
        QVERIFY(!menu.LoadFromResource(4711));
        QVERIFY(!menu.LoadFromResource(QStringLiteral("NOMENU")));
        QVERIFY(!menu.LoadFromTemplate(FileAndEditTemplate().chopped(2)));
        QCOMPARE(menu.ItemCount(), 3);
        QVERIFY(menu.IsFromResource());
    }

    void templateWithPopUpsBuildsOwnerDrawnSubMenus()
    {
        const int registered = RegisteredMenuCount();
        PlenMenu menu;
        QVERIFY(menu.LoadFromTemplate(FileAndEditTemplate()));
        QCOMPARE(menu.ItemCount(), 2);
        PlenMenu* file = menu.SubMenu(0);
        PlenMenu* edit = menu.SubMenu(1);
        QVERIFY(file && edit);
        QVERIFY(PlenMenu::IsRegistered(*file) && PlenMenu::IsRegistered(*edit));
        QCOMPARE(file->ItemCount(), 3);
        QVERIFY(file->Item(1)->m_flags & MenuSeparator);
        QVERIFY(file->Item(2)->m_flags & MenuOwnerDraw);
        QCOMPARE(menu.Item(1)->m_flags, MenuByPosition | MenuPopup);

        // By id, the search goes down into the pop-ups.
        QString text;
        QVERIFY(menu.ItemText(3, text, false));
        QCOMPARE(text, QStringLiteral("&Copy"));
        QVERIFY(menu.ItemText(1, text, false));
        QVERIFY(text.startsWith(QStringLiteral("&Open")));
        QVERIFY(text.endsWith(QStringLiteral("\tCtrl+O")));

        menu.Destroy();
        QCOMPARE(RegisteredMenuCount(), registered);
    }

    void mnemonicsAnswerForPopUpsOnly()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open"), 0, 1);
        menu.AppendItem(QStringLiteral("Salt &&fish"), 0, 2);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 1u);
        QCOMPARE(PlenMenu::FindMnemonic('o', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuString, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('q', MenuPopup, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, nullptr), 0u);
    }

    void actionsAddedBehindTheMenusBackAreTakenIn()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open"), MenuChecked, 1);
        menu.AppendItem(QStringLiteral("&Close"), 0, 2);
        const PlenMenuItem* open = menu.Item(0);
        menu.Handle()->removeAction(menu.Handle()->actions()[1]);
        QAction* zap = menu.Handle()->addAction(QStringLiteral("&Zap"));
        zap->setData(77);
        zap->setEnabled(false);
        menu.Handle()->addSeparator();

        // The look-up notices the changed item count and re-synchronises first.
        QCOMPARE(PlenMenu::FindMnemonic('z', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 1u);
        QCOMPARE(menu.ItemCount(), 3);
        QCOMPARE(menu.Item(0), open);
        QVERIFY(menu.Item(0)->m_flags & MenuChecked);
        QCOMPARE(menu.Item(1)->m_commandId, 77);
        QCOMPARE(menu.Item(1)->m_flags, MenuGrayed | MenuOwnerDraw | MenuByPosition);
        QCOMPARE(menu.ItemFor(zap), menu.Item(1));
        QCOMPARE(menu.Item(2)->m_flags, MenuSeparator | MenuOwnerDraw | MenuByPosition);
    }

    void trackingReturnsTheChosenCommand()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open"), 0, 41);
        menu.AppendItem(QString(), 0, 0);
        menu.AppendItem(QStringLiteral("Salt &&fish"), 0, 42);

        ChooseWithKeys({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 41);
        // Our look-up runs before the menu window's own: "&&f" is no mnemonic to it.
        ChooseWithKeys({Qt::Key_F});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 42);
        ChooseWithKeys({Qt::Key_Escape});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 0);
    }

    void menuWindowUsesTheMeasuresAndTheLook()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open\tCtrl+O"), 0, 51);
        menu.AppendItem(QString(), 0, 0);
        menu.AppendItem(QStringLiteral("E&xit"), 0, 52);
        QMenu* window = menu.Handle();
        window->adjustSize();
        const QList<QAction*> actions = window->actions();
        QCOMPARE(window->actionGeometry(actions[0]).height(), menu.MeasureMenuItem(*menu.Item(0)).height());
        QCOMPARE(window->actionGeometry(actions[1]).height(), menu.MeasureMenuItem(*menu.Item(1)).height());
        QCOMPARE(menu.MeasureMenuItem(*menu.Item(1)).width(), 0);

        // This desktop draws the classic look: an unselected item on the menu colour.
        const QImage image = window->grab().toImage();
        const QRect item = window->actionGeometry(actions[0]);
        QCOMPARE(At(image, item.left() + 2, item.top() + 1), test_palette::kMenu.rgb());
        const QRect separator = window->actionGeometry(actions[1]);
        const int middle = separator.top() + separator.height() / 2;
        QCOMPARE(At(image, separator.center().x(), middle), test_palette::kShadowEdge.rgb());
        QCOMPARE(At(image, separator.center().x(), middle + 1), test_palette::kHighlightEdge.rgb());
    }

    void classicLook()
    {
        using namespace test_palette;
        MenuLookContext look;
        look.colors = TestColors();

        MenuItemDraw item = Item(QStringLiteral("&Open"));
        QCOMPARE(At(Render(PaintClassicItem, item, look), 1, 1), kMenu.rgb());
        item.selected = true;
        QCOMPARE(At(Render(PaintClassicItem, item, look), 1, 1), kSelection.rgb());

        // A check mark keeps the image column out of the highlight bar.
        item.checked = true;
        const QImage checked = Render(PaintClassicItem, item, look);
        QCOMPARE(At(checked, 16 + 4, 1), kMenu.rgb());
        QCOMPARE(At(checked, 16 + 5, 1), kSelection.rgb());
        const QPoint box(1, (20 - 15 - 4) / 2 + 2);
        QCOMPARE(At(checked, box + QPoint(4, 4 + 2)), kText.rgb());  // the tick's first stroke

        // Unselected, the mark sits on the paler background in a sunken box.
        item.selected = false;
        look.modernShell = true;
        const QImage resting = Render(PaintClassicItem, item, look);
        QCOMPARE(At(resting, box + QPoint(1, 1)), BlendToWhite(kMenu.rgb(), 0.6));
        QCOMPARE(At(resting, box), kShadowEdge.rgb());
        QCOMPARE(At(resting, box + QPoint(15, 14)), kHighlightEdge.rgb());

        // The radio dot: a filled 6 x 6 dot at (+5, +4).
        item.radio = true;
        QCOMPARE(At(Render(PaintClassicItem, item, look), box + QPoint(5 + 3, 4 + 3)), kText.rgb());
    }

    void xpLook()
    {
        using namespace test_palette;
        MenuLookContext look;
        look.colors = TestColors();
        const int bar = 16 + 7;

        MenuItemDraw item = Item(QStringLiteral("&Open"));
        item.rect = QRect(0, 0, 140, 22);
        const QImage resting = Render(PaintXpItem, item, look);
        QCOMPARE(At(resting, 1, 1), BlendToWhite(kFace.rgb(), 0.25));
        QCOMPARE(At(resting, bar - 1, 1), BlendToWhite(kFace.rgb(), 0.25));
        QCOMPARE(At(resting, bar, 1), kWindowColour.rgb());

        item.selected = true;
        const QImage selected = Render(PaintXpItem, item, look);
        QCOMPARE(At(selected, 0, 0), kSelection.rgb());
        QCOMPARE(At(selected, 139, 21), kSelection.rgb());
        QCOMPARE(At(selected, 1, 1), BlendToWhite(kSelection.rgb(), 0.85));

        // Disabled items lose the highlight in this look.
        item.grayed = true;
        QCOMPARE(At(Render(PaintXpItem, item, look), 1, 1), BlendToWhite(kFace.rgb(), 0.25));

        // Themed XP: the face as it is and a stronger selection.
        look.xpThemed = true;
        item.grayed = false;
        QCOMPARE(At(Render(PaintXpItem, item, look), 1, 1), BlendToWhite(kSelection.rgb(), 0.7));
    }

    void xpSeparatorStartsBeyondTheImageBar()
    {
        using namespace test_palette;
        MenuLookContext look;
        look.colors = TestColors();
        MenuItemDraw separator = Item(QString());
        separator.separator = true;
        separator.rect = QRect(0, 0, 140, 11);
        const QImage image = Render(PaintXpItem, separator, look);
        const int start = 16 + 7 + 7;
        QCOMPARE(At(image, 2, 5), BlendToWhite(kFace.rgb(), 0.25));
        QCOMPARE(At(image, start - 1, 5), kWindowColour.rgb());
        QCOMPARE(At(image, start, 5), kShadowEdge.rgb());
        QCOMPARE(At(image, start, 6), kHighlightEdge.rgb());
    }

    void xpImagesLiftWhenSelected()
    {
        using namespace test_palette;
        MenuLookContext look;
        look.colors = TestColors();
        MenuItemDraw item = Item(QStringLiteral("&Open"));
        item.rect = QRect(0, 0, 140, 22);
        item.image = TestIcon();
        item.faded = MakeFadedImage(item.image);
        item.shadow = MakeShadowImage(item.image, kRed);
        const QPoint imageAt((16 + 7 - 16 + 1) / 2, (22 - 15 + 1) / 2);
        const QPoint block = imageAt + QPoint(4, 4);

        // Resting: the faded image in place.
        QCOMPARE(At(Render(PaintXpItem, item, look), block), BlendToWhite(kInk.rgb(), 0.3));
        // Selected: the image one pixel up and left over its shadow one down and right.
        item.selected = true;
        const QImage selected = Render(PaintXpItem, item, look);
        QCOMPARE(At(selected, block - QPoint(1, 1)), kInk.rgb());
        QCOMPARE(At(selected, block + QPoint(4, 4)), kRed.rgb());
    }

    void disabledImagesEmboss()
    {
        using namespace test_palette;
        const QImage icon = TestIcon();
        const EmbossColors colors{kFace, kHighlightEdge, kShadowEdge};
        for (const bool plain : {true, false}) {
            QImage image(20, 20, QImage::Format_RGB32);
            image.fill(Qt::darkYellow);
            {
                QPainter painter(&image);
                PaintDisabledMenuImage(painter, QPoint(0, 0), icon, kMenu, plain, colors);
            }
            QCOMPARE(At(image, 4, 4), kShadowEdge.rgb());      // black: ink either way
            QCOMPARE(At(image, 8, 8), kHighlightEdge.rgb());   // its highlight, right and down
            QCOMPARE(At(image, 0, 0), kMenu.rgb());            // the background
            QCOMPARE(At(image, 11, 3), kMenu.rgb());           // white: never ink
            // Mid-grey is nearer white, but it is neither face nor highlight.
            QCOMPARE(At(image, 10, 9), plain ? kMenu.rgb() : kShadowEdge.rgb());
        }
    }

    void sharedImagesBelongToTheirCommands()
    {
        SharedMenuImages shared(QSize(16, 15));
        const QImage icon = TestIcon();
        QCOMPARE(shared.AddToShared(QImage(), 1, false, kRed), -1);
        QCOMPARE(shared.AddToShared(icon, 1, false, kRed), 0);
        QCOMPARE(shared.AddToShared(icon, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QVERIFY(!shared.HasRaisedImages(0));
        QVERIFY(shared.HasRaisedImages(1));
        QCOMPARE(shared.IndexOf(2), 1);
        QCOMPARE(shared.IndexOf(3), -1);

        // Faded: blended 0.3 toward white; shadow: all in the shadow colour; clear stays clear.
        QCOMPARE(shared.Image(2).pixel(4, 4), BlendToWhite(kInk.rgb(), 0.3));
        QCOMPARE(shared.Image(3).pixel(10, 9), kRed.rgb());
        QCOMPARE(qAlpha(shared.Image(3).pixel(0, 0)), 0);

        // A command's new image replaces its entries in place.
        QImage other = icon;
        other.fill(kGrey);
        QCOMPARE(shared.AddToShared(other, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QCOMPARE(shared.Image(1).pixel(0, 0), kGrey.rgb());
        QCOMPARE(shared.Image(2).pixel(0, 0), BlendToWhite(kGrey.rgb(), 0.3));
    }

    void toolbarImagesAreCutPerCommand()
    {
        QImage strip(48, 15, QImage::Format_RGB32);
        strip.fill(qRgb(192, 192, 192));
        QPainter(&strip).fillRect(16 + 3, 3, 2, 2, kRed);
        const ToolbarImages toolbar{strip, {57601, 0, 32772, 32773}, qRgb(192, 192, 192)};

        const QImage second = ToolbarIcon(toolbar, 32772, QSize(16, 15));
        QCOMPARE(second.size(), QSize(16, 15));
        QCOMPARE(second.pixel(3, 3), kRed.rgb());
        QCOMPARE(qAlpha(second.pixel(0, 0)), 0);
        QVERIFY(ToolbarIcon(toolbar, 4711, QSize(16, 15)).isNull());
        QVERIFY(ToolbarIcon(toolbar, 0, QSize(16, 15)).isNull());
        QVERIFY(ToolbarIcon({strip, {1, 2, 3, 4}, qRgb(192, 192, 192)}, 4, QSize(16, 15)).isNull());

        // Appended with the toolbar, the image is shared by every menu with the command.
        PlenMenu first;
        first.CreatePopupMenu();
        first.AppendItem(QStringLiteral("&New"), 0, 32773, toolbar);
        PlenMenu later;
        later.CreatePopupMenu();
        later.AppendItem(QStringLiteral("&New"), 0, 32773);
        QVERIFY(first.Item(0)->m_sharedIndex >= 0);
        QCOMPARE(later.Item(0)->m_sharedIndex, first.Item(0)->m_sharedIndex);
        first.AppendItem(QStringLiteral("&Gone"), 0, 4711, toolbar);
        QCOMPARE(first.Item(1)->m_sharedIndex, -1);
    }
};

QTEST_MAIN(PlenMenuTest)
#include "PlenMenuTest.moc"
