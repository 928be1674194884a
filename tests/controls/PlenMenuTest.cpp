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

// What a rendered item is drawn with.
constexpr int Selected = 1, Checked = 2, Radio = 4, Grayed = 8, Separator = 16, Image = 32, Themed = 64, Modern = 128,
              Plain = 256;

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

    void appendedItemsAreOwnerDrawnAndMeasuredAndPopUpsRegisteredUntilDestroyed()
    {
        const int registered = RegisteredMenuCount();
        PlenMenu menu;
        QVERIFY(menu.CreatePopupMenu());
        QVERIFY(menu.AppendItem(QStringLiteral("&Open"), 0, 100));
        QVERIFY(menu.AppendItem(QStringLiteral("ignored"), MenuByPosition, 0));
        QVERIFY(menu.AppendItem(QStringLiteral("E&xit"), MenuGrayed, 101));
        auto sub = std::make_unique<PlenMenu>();
        sub->CreatePopupMenu();
        sub->AppendItem(QStringLiteral("&Inner"), 0, 7);
        const QMenu* subWindow = sub->Handle();
        QVERIFY(menu.AppendItem(QStringLiteral("&More"), 0, std::move(sub)));

        QCOMPARE(menu.Item(0)->m_flags, MenuOwnerDraw);
        QCOMPARE(menu.Item(1)->m_flags, MenuByPosition | MenuSeparator | MenuOwnerDraw);
        QCOMPARE(menu.Item(2)->m_flags, MenuGrayed | MenuOwnerDraw);
        QCOMPARE(menu.Item(3)->m_flags, MenuPopup | MenuOwnerDraw);
        QMenu* window = menu.Handle();
        const QList<QAction*> actions = window->actions();
        QCOMPARE(actions.size(), 4);
        QVERIFY(actions[1]->isSeparator());
        QVERIFY(!actions[2]->isEnabled());

        // The window takes the items' measures; this desktop draws the classic
        // look, an etched separator on the menu colour.
        window->adjustSize();
        QCOMPARE(window->actionGeometry(actions[0]).height(), menu.MeasureMenuItem(*menu.Item(0)).height());
        QCOMPARE(window->actionGeometry(actions[1]).height(), menu.MeasureMenuItem(*menu.Item(1)).height());
        QCOMPARE(menu.MeasureMenuItem(*menu.Item(1)).width(), 0);
        const QImage image = window->grab().toImage();
        const QRect separator = window->actionGeometry(actions[1]);
        const int middle = separator.top() + separator.height() / 2;
        QCOMPARE(At(image, separator.center().x(), middle - 1), test_palette::kMenu.rgb());
        QCOMPARE(At(image, separator.center().x(), middle), test_palette::kShadowEdge.rgb());
        QCOMPARE(At(image, separator.center().x(), middle + 1), test_palette::kHighlightEdge.rgb());

        // Only the appended sub-menu is registered, until its menu is destroyed.
        QVERIFY(!PlenMenu::IsRegistered(menu));
        QVERIFY(PlenMenu::IsRegistered(subWindow));
        QVERIFY(PlenMenu::IsRegistered(*menu.SubMenu(3)));
        QCOMPARE(RegisteredMenuCount(), registered + 1);
        QVERIFY(menu.Destroy());
        QVERIFY(!PlenMenu::IsRegistered(subWindow));
        QCOMPARE(RegisteredMenuCount(), registered);
        QCOMPARE(menu.ItemCount(), 0);
    }

    void mainMenuLoadsByIdAndByNameAndAFailedLoadKeepsIt()
    {
        for (const bool byName : {false, true}) {
            PlenMenu menu;
            QVERIFY(byName ? menu.LoadFromResource(QStringLiteral("MENUE")) : menu.LoadFromResource(kMainMenu));
            QVERIFY(!menu.LoadFromResource(4711));
            QVERIFY(!menu.LoadFromResource(QStringLiteral("NOMENU")));
            QVERIFY(!menu.LoadFromTemplate(FileAndEditTemplate().chopped(2)));

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

    // The top level stays plain; its pop-ups are registered owner-drawn
    // menus, and a search by id goes down into them.
    void templateWithPopUpsBuildsOwnerDrawnSubMenus()
    {
        PlenMenu menu;
        QVERIFY(menu.LoadFromTemplate(FileAndEditTemplate()));
        QCOMPARE(menu.ItemCount(), 2);
        QCOMPARE(menu.Item(1)->m_flags, MenuByPosition | MenuPopup);
        const PlenMenu* file = menu.SubMenu(0);
        QVERIFY(file && PlenMenu::IsRegistered(*file) && PlenMenu::IsRegistered(*menu.SubMenu(1)));
        QCOMPARE(file->ItemCount(), 3);
        QCOMPARE(file->Item(1)->m_flags & (MenuSeparator | MenuOwnerDraw), MenuSeparator | MenuOwnerDraw);
        QVERIFY(file->Item(2)->m_flags & MenuOwnerDraw);
        QString text;
        QVERIFY(menu.ItemText(3, text, false));
        QCOMPARE(text, QStringLiteral("&Copy"));
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

    void mnemonicsAndTrackingChooseTheCommand()
    {
        PlenMenu menu;
        menu.CreatePopupMenu();
        menu.AppendItem(QStringLiteral("&Open"), 0, 41);
        menu.AppendItem(QString(), 0, 0);
        menu.AppendItem(QStringLiteral("Salt &&fish"), 0, 42);
        // The answer names the position; only pop-ups and a menu get one.
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 2u);
        QCOMPARE(PlenMenu::FindMnemonic('o', MenuPopup, &menu), PlenMenu::MenuCharExecute << 16 | 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuString, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('q', MenuPopup, &menu), 0u);
        QCOMPARE(PlenMenu::FindMnemonic('F', MenuPopup, nullptr), 0u);

        ChooseWithKeys({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 41);
        // Our look-up runs before the menu window's own: "&&f" is no mnemonic to it.
        ChooseWithKeys({Qt::Key_F});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 42);
        ChooseWithKeys({Qt::Key_Escape});
        QCOMPARE(menu.TrackPopupMenu(QPoint(20, 20)), 0);
    }

    // One item per row, drawn in a look and checked at one pixel.
    void renderedItem_data()
    {
        using namespace test_palette;
        QTest::addColumn<bool>("xp");
        QTest::addColumn<int>("state");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");

        const QPoint box(1, (20 - 15 - 4) / 2 + 2);  // the classic check box
        QTest::newRow("classic") << false << 0 << QPoint(1, 1) << kMenu.rgb();
        QTest::newRow("classic selected") << false << Selected << QPoint(1, 1) << kSelection.rgb();
        // A check mark keeps the image column out of the highlight bar.
        QTest::newRow("classic checked: column") << false << (Selected | Checked) << QPoint(20, 1) << kMenu.rgb();
        QTest::newRow("classic checked: bar") << false << (Selected | Checked) << QPoint(21, 1) << kSelection.rgb();
        QTest::newRow("classic tick") << false << (Selected | Checked) << box + QPoint(4, 6) << kText.rgb();
        // Unselected, the mark sits on the paler background in a sunken box.
        QTest::newRow("classic resting mark") << false << (Checked | Modern) << box + QPoint(1, 1)
                                              << BlendToWhite(kMenu.rgb(), 0.6);
        QTest::newRow("classic sunken box") << false << (Checked | Modern) << box << kShadowEdge.rgb();
        QTest::newRow("classic radio dot") << false << (Checked | Radio | Modern) << box + QPoint(8, 7) << kText.rgb();
        // A disabled image: its black embossed, with the highlight right and
        // down; white never ink; mid-grey ink unless plain (nearer white).
        const QPoint icon(2, 2);
        QTest::newRow("disabled: ink") << false << (Grayed | Image) << icon + QPoint(4, 4) << kShadowEdge.rgb();
        QTest::newRow("disabled: highlight") << false << (Grayed | Image) << icon + QPoint(8, 8) << kHighlightEdge.rgb();
        QTest::newRow("disabled: white") << false << (Grayed | Image) << icon + QPoint(11, 3) << kMenu.rgb();
        QTest::newRow("disabled: grey") << false << (Grayed | Image) << icon + QPoint(10, 9) << kShadowEdge.rgb();
        QTest::newRow("disabled plain: grey") << false << (Grayed | Image | Plain) << icon + QPoint(10, 9) << kMenu.rgb();

        const int bar = 16 + 7;
        const QRgb barColour = BlendToWhite(kFace.rgb(), 0.25);
        QTest::newRow("XP image bar") << true << 0 << QPoint(bar - 1, 1) << barColour;
        QTest::newRow("XP text area") << true << 0 << QPoint(bar, 1) << kWindowColour.rgb();
        QTest::newRow("XP selected: border") << true << Selected << QPoint(0, 0) << kSelection.rgb();
        QTest::newRow("XP selected") << true << Selected << QPoint(1, 1) << BlendToWhite(kSelection.rgb(), 0.85);
        QTest::newRow("XP disabled: no highlight") << true << (Selected | Grayed) << QPoint(1, 1) << barColour;
        QTest::newRow("XP themed: stronger") << true << (Selected | Themed) << QPoint(1, 1)
                                             << BlendToWhite(kSelection.rgb(), 0.7);
        // The separator starts beyond the image bar.
        QTest::newRow("XP separator: gap") << true << Separator << QPoint(bar + 6, 5) << kWindowColour.rgb();
        QTest::newRow("XP separator: line") << true << Separator << QPoint(bar + 7, 5) << kShadowEdge.rgb();
        // Images rest faded; selected, the image lifts one pixel up and left
        // over its shadow one down and right.
        const QPoint block = QPoint((bar - 16 + 1) / 2, (22 - 15 + 1) / 2) + QPoint(4, 4);
        QTest::newRow("XP faded image") << true << Image << block << BlendToWhite(kInk.rgb(), 0.3);
        QTest::newRow("XP lifted image") << true << (Image | Selected) << block - QPoint(1, 1) << kInk.rgb();
        QTest::newRow("XP image shadow") << true << (Image | Selected) << block + QPoint(4, 4) << kRed.rgb();
    }

    void renderedItem()
    {
        QFETCH(bool, xp);
        QFETCH(int, state);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        MenuLookContext look;
        look.colors = TestColors();
        look.xpThemed = state & Themed;
        look.modernShell = state & Modern;
        look.plainDisabled = state & Plain;
        MenuItemDraw item;
        item.rect = QRect(0, 0, 140, state & Separator ? 11 : xp ? 22 : 20);
        item.text = state & Separator ? QString() : QStringLiteral("&Open");
        item.separator = state & Separator;
        item.selected = state & Selected;
        item.checked = state & Checked;
        item.radio = state & Radio;
        item.grayed = state & Grayed;
        if (state & Image) {
            item.image = TestIcon();
            item.faded = MakeFadedImage(item.image);
            item.shadow = MakeShadowImage(item.image, kRed);
        }
        QImage image(item.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        QPainter painter(&image);
        (xp ? PaintXpItem : PaintClassicItem)(painter, item, look);
        painter.end();
        QCOMPARE(At(image, at), colour);
    }

    // With raised images a command owns three entries: the image, faded and
    // shadow. A command's new image replaces its entries in place.
    void sharedImagesBelongToTheirCommands()
    {
        SharedMenuImages shared;
        const QImage icon = TestIcon();
        QCOMPARE(shared.AddToShared(QImage(), 1, false, kRed), -1);
        QCOMPARE(shared.AddToShared(icon, 1, false, kRed), 0);
        QCOMPARE(shared.AddToShared(icon, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QVERIFY(!shared.HasRaisedImages(0));
        QVERIFY(shared.HasRaisedImages(1));
        QCOMPARE(shared.IndexOf(3), -1);
        QCOMPARE(shared.Image(2).pixel(4, 4), BlendToWhite(kInk.rgb(), 0.3));
        QCOMPARE(shared.Image(3).pixel(10, 9), kRed.rgb());

        QImage other = icon;
        other.fill(kGrey);
        QCOMPARE(shared.AddToShared(other, 2, true, kRed), 1);
        QCOMPARE(shared.Count(), 4);
        QCOMPARE(shared.Image(1).pixel(0, 0), kGrey.rgb());
    }

    // A toolbar strip holds one image per command, none for a separator (0);
    // appended with it, the image is shared by every menu with the command.
    void toolbarImagesAreCutPerCommandAndShared()
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

        PlenMenu first;
        first.CreatePopupMenu();
        first.AppendItem(QStringLiteral("&New"), 0, 32773, toolbar);
        first.AppendItem(QStringLiteral("&Gone"), 0, 4711, toolbar);
        PlenMenu later;
        later.CreatePopupMenu();
        later.AppendItem(QStringLiteral("&New"), 0, 32773);
        QVERIFY(first.Item(0)->m_sharedIndex >= 0);
        QCOMPARE(later.Item(0)->m_sharedIndex, first.Item(0)->m_sharedIndex);
        QCOMPARE(first.Item(1)->m_sharedIndex, -1);
    }
};

QTEST_MAIN(PlenMenuTest)
#include "PlenMenuTest.moc"
