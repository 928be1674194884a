#include <QtTest>

#include <QDesktopServices>
#include <QMenu>
#include <QPainter>

#include "TestPalette.h"
#include "controls/CHotButton.h"
#include "controls/MenuRegistry.h"
#include "res/Bitmaps.h"
#include "res/ResourceIds.h"

using namespace velnar::controls;
using namespace test_palette;

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);
const QColor kHotFace(255, 252, 235);  // the face shifted by +30
const QSize kButtonSize(80, 24);

// A send button as the pages configure theirs, in a window of its own.
struct SendButton {
    QWidget window;
    CHotButton* button = new CHotButton(&window);

    SendButton()
    {
        window.resize(200, 100);
        button->setGeometry(QRect(QPoint(10, 10), kButtonSize));
        button->AssignBitmaps(velnar::res::kSendButtonBitmap, kMagenta, 0, 0);
        button->ShiftColor(CHotButton::ColorHotBack, 30, true);
    }
};

QImage Rendered(QWidget& widget)
{
    return widget.grab().toImage();
}

QRect BoundsOf(const QImage& image, const std::function<bool(QRgb)>& matches)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (matches(At(image, x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

void MoveMouse(QWidget& widget, QPoint position, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void SendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButtons buttons)
{
    const QPointF position(5, 5);
    QMouseEvent event(type, position, widget.mapToGlobal(position), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Records links handed to the platform's "open", and the order of events.
class Recorder : public QObject {
    Q_OBJECT

public:
    QStringList events;
    QList<int> commands;

public slots:
    void open(const QUrl& url) { events << QStringLiteral("open ") + url.toString(); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == MenuCommandEvent::EventType()) {
            commands << static_cast<MenuCommandEvent*>(event)->CommandId();
            return true;
        }
        return QObject::event(event);
    }
};

}  // namespace

class HotButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(Palette()); }

    void buildsWithItsDefaults()
    {
        const int registered = RegisteredMenuCount();
        {
            CHotButton button;
            QCOMPARE(button.Color(CHotButton::ColorHotBack), kFace.rgb());
            QCOMPARE(button.Color(CHotButton::ColorNormalBack), kFace.rgb());
            QCOMPARE(button.Color(CHotButton::ColorFocusBack), kFace.rgb());
            QCOMPARE(button.Color(CHotButton::ColorHotText), kText.rgb());
            QCOMPARE(button.Color(CHotButton::ColorNormalText), kText.rgb());
            QCOMPARE(button.Color(CHotButton::ColorFocusText), kText.rgb());
            QVERIFY(!button.IsHot());
            QVERIFY(!button.IsCheckMode());
            QVERIFY(!button.isDefault());
            // The popup menu it holds stays empty and outside the registry.
            QVERIFY(!button.PopupMenu().Handle());
            QVERIFY(!PlenMenu::IsRegistered(button.PopupMenu()));
            // Not a check button: checking is ignored, and succeeds.
            QCOMPARE(button.SetChecked(1, true), int(CHotButton::ResultOk));
            QCOMPARE(button.IsChecked(), 0);
        }
        QCOMPARE(RegisteredMenuCount(), registered);
    }

    void shiftColorRefusesBadArgumentsAndChangesNothing()
    {
        CHotButton button;
        QCOMPARE(button.ShiftColor(6, 30, false), int(CHotButton::ResultInvalidIndex));
        QCOMPARE(button.ShiftColor(CHotButton::ColorHotBack, 256, false), int(CHotButton::ResultBadParam));
        QCOMPARE(button.ShiftColor(CHotButton::ColorHotBack, -256, false), int(CHotButton::ResultBadParam));
        QCOMPARE(button.Color(CHotButton::ColorHotBack), kFace.rgb());

        QCOMPARE(button.ShiftColor(CHotButton::ColorHotBack, 30, true), int(CHotButton::ResultOk));
        QCOMPARE(button.Color(CHotButton::ColorHotBack), kHotFace.rgb());
        QCOMPARE(button.Color(CHotButton::ColorNormalBack), kFace.rgb());
        QCOMPARE(button.ResetColors(false), int(CHotButton::ResultOk));
        QCOMPARE(button.Color(CHotButton::ColorHotBack), kFace.rgb());
    }

    void colorsStayThoseTakenAtConstruction()
    {
        CHotButton button;
        QPalette changed = Palette();
        changed.setColor(QPalette::Button, QColor(10, 20, 30));
        QApplication::setPalette(changed);
        QCOMPARE(button.Color(CHotButton::ColorNormalBack), kFace.rgb());
        QApplication::setPalette(Palette());
    }

    void templateStyleBitsSetCheckModeAndDefault_data()
    {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<bool>("checkMode");
        QTest::addColumn<bool>("isDefault");

        QTest::newRow("send button template") << quint32(0x50010000) << false << false;
        QTest::newRow("default push button") << quint32(0x50010001) << false << true;
        QTest::newRow("check box") << quint32(0x50010002) << true << false;
        QTest::newRow("automatic check box") << quint32(0x50010003) << true << false;
        QTest::newRow("radio button") << quint32(0x50010004) << false << false;
    }

    void templateStyleBitsSetCheckModeAndDefault()
    {
        QFETCH(quint32, style);
        QFETCH(bool, checkMode);
        QFETCH(bool, isDefault);
        CHotButton button;
        button.ApplyTemplateStyle(style);
        QCOMPARE(button.IsCheckMode(), checkMode);
        QCOMPARE(button.isDefault(), isDefault);
    }

    void magentaShowsTheFaceWhetherHotOrNot()
    {
        SendButton send;
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        const QPoint origin((kButtonSize.width() - bitmap.width()) / 2, (kButtonSize.height() - bitmap.height()) / 2);

        QImage normal = Rendered(*send.button);
        MoveMouse(*send.button, QPoint(5, 5));
        QVERIFY(send.button->IsHot());
        QImage hot = Rendered(*send.button);
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb pixel = At(bitmap, x, y);
                const QPoint at = origin + QPoint(x, y);
                QCOMPARE(At(normal, at), pixel == kMagenta ? kFace.rgb() : pixel);
                QCOMPARE(At(hot, at), pixel == kMagenta ? kHotFace.rgb() : pixel);
            }
        }
        // Resting: no frame. Hot: the thin raised frame.
        QCOMPARE(At(normal, 0, 0), kFace.rgb());
        QCOMPARE(At(hot, 0, 0), kHighlightEdge.rgb());
        QCOMPARE(At(hot, kButtonSize.width() - 1, kButtonSize.height() - 1), kShadowEdge.rgb());
        QCOMPARE(At(hot, 1, 1), kHotFace.rgb());
    }

    void pressedSinksAndMovesTheImageUnlessACheckButton_data()
    {
        QTest::addColumn<bool>("checkButton");
        QTest::newRow("push button") << false;
        QTest::newRow("check button") << true;
    }

    void pressedSinksAndMovesTheImageUnlessACheckButton()
    {
        QFETCH(bool, checkButton);
        SendButton send;
        if (checkButton)
            send.button->ApplyTemplateStyle(0x50010003);
        const auto glyph = [](QRgb pixel) { return pixel != kFace.rgb() && pixel != kHotFace.rgb(); };
        const QRect inside(1, 1, kButtonSize.width() - 2, kButtonSize.height() - 2);
        const QRect resting = BoundsOf(Rendered(*send.button).copy(inside), glyph);

        if (checkButton)
            QCOMPARE(send.button->SetChecked(5, true), int(CHotButton::ResultOk));
        else
            send.button->setDown(true);
        const QImage pressed = Rendered(*send.button);
        QCOMPARE(At(pressed, 0, 0), kShadowEdge.rgb());
        QCOMPARE(At(pressed, kButtonSize.width() - 1, kButtonSize.height() - 1), kHighlightEdge.rgb());
        QCOMPARE(At(pressed, 1, 1), kHotFace.rgb());
        QCOMPARE(BoundsOf(pressed.copy(inside), glyph), checkButton ? resting : resting.translated(1, 1));

        // A click toggles a check button.
        send.button->setDown(false);
        send.button->click();
        QCOMPARE(send.button->IsChecked(), 0);
        QCOMPARE(At(Rendered(*send.button), 0, 0), kFace.rgb());
    }

    void imagePlacement_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("caption");
        QTest::addColumn<QPoint>("expected");
        const int W = 100, H = 40, w = 20, h = 10;

        QTest::newRow("left, alone: centred") << int(AlignLeft) << false << QPoint((W - w) / 2, (H - h) / 2);
        QTest::newRow("left of a caption") << int(AlignLeft) << true << QPoint(3, (H - h) / 2);
        QTest::newRow("top, alone: centred") << int(AlignTop) << false << QPoint((W - w) / 2, (H - h) / 2);
        QTest::newRow("above a caption") << int(AlignTop) << true << QPoint((W - w) / 2, 3);
        QTest::newRow("right, alone: centred across only") << int(AlignRight) << false << QPoint((W - w) / 2, 0);
        QTest::newRow("right of a caption") << int(AlignRight) << true << QPoint(W - w - 3, (H - h) / 2);
    }

    void imagePlacement()
    {
        QFETCH(int, align);
        QFETCH(bool, caption);
        QFETCH(QPoint, expected);
        const QColor red(220, 0, 0);
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(red);

        QWidget window;
        CHotButton button(&window);
        button.setGeometry(0, 0, 100, 40);
        button.SetAlign(static_cast<ImageAlign>(align));
        if (caption)
            button.setText(QStringLiteral("Go"));
        QCOMPARE(button.AssignBitmaps(image, kMagenta, QImage(), 0), int(CHotButton::ResultOk));

        const auto isRed = [&red](QRgb pixel) { return pixel == red.rgb(); };
        const auto isText = [](QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100; };
        const QImage rendered = Rendered(button);
        const QRect placed = BoundsOf(rendered, isRed);
        QCOMPARE(placed, QRect(expected, image.size()));
        if (caption) {
            // The caption keeps clear of the image.
            const QRect text = BoundsOf(rendered, isText);
            QVERIFY(!text.isEmpty());
            QVERIFY(!text.intersects(placed));
        }

        button.setDown(true);
        QCOMPARE(BoundsOf(Rendered(button), isRed), QRect(expected + QPoint(1, 1), image.size()));
    }

    void disabledImageIsEmbossed()
    {
        SendButton send;
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        const QPoint origin((kButtonSize.width() - bitmap.width()) / 2, (kButtonSize.height() - bitmap.height()) / 2);
        send.button->setEnabled(false);
        const QImage disabled = Rendered(*send.button);
        int ink = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb shown = At(disabled, origin + QPoint(x, y));
                if (At(bitmap, x, y) != kMagenta) {
                    QCOMPARE(shown, kShadowEdge.rgb());
                    ++ink;
                } else {
                    QVERIFY(shown == kFace.rgb() || shown == kHighlightEdge.rgb());
                }
            }
        }
        QVERIFY(ink > 0);

        send.button->SetShowDisabledImage(false);
        const QImage plain = Rendered(*send.button);
        for (int x = 0; x < bitmap.width(); ++x) {
            const QPoint middle(x, bitmap.height() / 2);
            QCOMPARE(At(plain, origin + middle), At(bitmap, middle) == kMagenta ? kFace.rgb() : At(bitmap, middle));
        }
    }

    void disabledCaptionIsEtched()
    {
        QWidget window;
        CHotButton button(&window);
        button.setGeometry(0, 0, 100, 30);
        button.setText(QStringLiteral("SEND"));
        button.setEnabled(false);
        const QImage rendered = Rendered(button);
        QVERIFY(!BoundsOf(rendered, [](QRgb pixel) { return pixel == kShadowEdge.rgb(); }).isEmpty());
        QVERIFY(!BoundsOf(rendered, [](QRgb pixel) { return pixel == kHighlightEdge.rgb(); }).isEmpty());
        QVERIFY(BoundsOf(rendered, [](QRgb pixel) { return pixel == kText.rgb(); }).isEmpty());
    }

    void iconsAreDrawnAndEmbossed()
    {
        QWidget window;
        CHotButton button(&window);
        button.setGeometry(0, 0, 40, 30);
        QImage icon(12, 12, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter(&icon).fillRect(2, 2, 8, 8, QColor(0, 0, 200));
        QCOMPARE(button.AssignIcons(icon, QImage()), int(CHotButton::ResultOk));
        const QPoint origin((40 - 12) / 2, (30 - 12) / 2);
        QCOMPARE(At(Rendered(button), origin + QPoint(2, 2)), qRgb(0, 0, 200));
        QCOMPARE(At(Rendered(button), origin), kFace.rgb());
        button.setEnabled(false);
        QCOMPARE(At(Rendered(button), origin + QPoint(2, 2)), kShadowEdge.rgb());
    }

    void resting3dFrameWhenNotFlat()
    {
        QWidget window;
        CHotButton button(&window);
        button.setGeometry(0, 0, 60, 20);
        button.SetFlat(false);
        const int r = 59, b = 19;
        QImage image = Rendered(button);
        QCOMPARE(At(image, 0, 0), kHighlightEdge.rgb());
        QCOMPARE(At(image, 1, 1), kLightEdge.rgb());
        QCOMPARE(At(image, r, b), kDarkShadowEdge.rgb());
        QCOMPARE(At(image, r - 1, b - 1), kShadowEdge.rgb());
        QCOMPARE(At(image, 2, 2), kFace.rgb());

        // The default button gets a black frame around it all.
        button.ApplyTemplateStyle(0x50010001);
        image = Rendered(button);
        QCOMPARE(At(image, 0, 0), kText.rgb());
        QCOMPARE(At(image, 1, 1), kHighlightEdge.rgb());

        button.setDown(true);
        image = Rendered(button);
        QCOMPARE(At(image, 1, 1), kShadowEdge.rgb());
        QCOMPARE(At(image, 2, 2), kFace.rgb());
        QCOMPARE(At(image, r - 1, b - 1), kShadowEdge.rgb());
    }

    void hoverEndsByLeavingFocusLossDeactivationAndDisabling()
    {
        SendButton send;
        CHotButton& button = *send.button;
        const std::function<void()> endings[] = {
            [&] { MoveMouse(button, QPoint(-5, 5)); },
            [&] {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(&button, &leave);
            },
            [&] {
                QFocusEvent focusOut(QEvent::FocusOut);
                QApplication::sendEvent(&button, &focusOut);
            },
            [&] {
                QEvent deactivated(QEvent::ActivationChange);
                QApplication::sendEvent(&button, &deactivated);
            },
            [&] { button.setEnabled(false); },
        };
        for (const auto& end : endings) {
            button.setEnabled(true);
            MoveMouse(button, QPoint(5, 5));
            QVERIFY(button.IsHot());
            MoveMouse(button, QPoint(6, 6));
            QVERIFY(button.IsHot());
            end();
            QVERIFY(!button.IsHot());
            QCOMPARE(At(Rendered(button), 0, 0), kFace.rgb());
        }
    }

    void hoverIsNotLitByADragNorOnA3dButton()
    {
        SendButton send;
        CHotButton& button = *send.button;
        MoveMouse(button, QPoint(5, 5), Qt::LeftButton);
        QVERIFY(!button.IsHot());
        // Once lit, holding the button keeps it lit.
        MoveMouse(button, QPoint(5, 5));
        MoveMouse(button, QPoint(7, 7), Qt::LeftButton);
        QVERIFY(button.IsHot());

        button.SetFlat(false);
        QVERIFY(!button.IsHot());
        MoveMouse(button, QPoint(5, 5));
        QVERIFY(!button.IsHot());
    }

    void hoverWaitsForAnActiveWindowUnlessAlwaysTracking()
    {
        QVERIFY(!QApplication::activeWindow());
        SendButton send;
        send.button->SetAlwaysTrack(false);
        MoveMouse(*send.button, QPoint(5, 5));
        QVERIFY(!send.button->IsHot());
        send.button->SetAlwaysTrack(true);
        MoveMouse(*send.button, QPoint(5, 5));
        QVERIFY(send.button->IsHot());
    }

    void doubleClickCountsAsTwoPresses()
    {
        SendButton send;
        int clicks = 0;
        connect(send.button, &QAbstractButton::clicked, send.button, [&clicks] { ++clicks; });
        SendMouse(*send.button, QEvent::MouseButtonPress, Qt::LeftButton);
        SendMouse(*send.button, QEvent::MouseButtonRelease, Qt::NoButton);
        SendMouse(*send.button, QEvent::MouseButtonDblClick, Qt::LeftButton);
        SendMouse(*send.button, QEvent::MouseButtonRelease, Qt::NoButton);
        QCOMPARE(clicks, 2);
    }

    void clickOpensTheLinkThenThePageHandlerRuns()
    {
        Recorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("velnar-test"), &recorder, "open");
        SendButton send;
        connect(send.button, &QAbstractButton::clicked, &recorder, [&recorder] { recorder.events << "page"; });

        send.button->click();
        QCOMPARE(recorder.events, QStringList{"page"});

        QCOMPARE(send.button->SetLink(QStringLiteral("velnar-test:slot3")), int(CHotButton::ResultOk));
        recorder.events.clear();
        send.button->click();
        QCOMPARE(recorder.events, (QStringList{"open velnar-test:slot3", "page"}));
        QCOMPARE(send.window.focusWidget(), send.button);

        // At most 259 characters, and never half a character.
        const QString link = QStringLiteral("velnar-test:") + QString(258 - 12, 'a');
        for (const QString& tail : {QStringLiteral("\U0001F600"), QStringLiteral("xyz")}) {
            send.button->SetLink(link + tail);
            recorder.events.clear();
            send.button->click();
            QCOMPARE(recorder.events.first(), QStringLiteral("open ") + link + (tail.startsWith('x') ? "x" : ""));
        }

        send.button->SetLink(QString());
        recorder.events.clear();
        send.button->click();
        QCOMPARE(recorder.events, QStringList{"page"});
        QDesktopServices::unsetUrlHandler(QStringLiteral("velnar-test"));
    }

    void popupMenuOpensBelowAndPostsTheCommand()
    {
        SendButton send;
        CHotButton& button = *send.button;
        Recorder owner;
        button.SetMenuOwner(&owner);
        button.PopupMenu().CreatePopupMenu();
        auto sub = std::make_unique<PlenMenu>();
        sub->CreatePopupMenu();
        sub->AppendItem(QStringLiteral("&First"), 0, 41);
        sub->AppendItem(QStringLiteral("&Second"), 0, 42);
        button.PopupMenu().AppendItem(QStringLiteral("Menu"), 0, std::move(sub));
        connect(&button, &QAbstractButton::clicked, &owner, [&owner] { owner.events << "page"; });

        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QCOMPARE(popup->pos(), button.mapToGlobal(QPoint(0, button.height())));
            // While the menu is open the button shows pressed.
            QCOMPARE(At(Rendered(button), 0, 0), kShadowEdge.rgb());
            owner.events << "menu";
            QTest::keyClick(popup, Qt::Key_S);
        });
        button.click();
        QCOMPARE(owner.events, (QStringList{"menu", "page"}));
        QCOMPARE(At(Rendered(button), 0, 0), kFace.rgb());
        // The command arrives posted, after the click.
        QVERIFY(owner.commands.isEmpty());
        QCoreApplication::sendPostedEvents(&owner);
        QCOMPARE(owner.commands, QList<int>{42});
    }

    void transparentFaceShowsTheParent()
    {
        const QColor green(10, 120, 30);
        QWidget window;
        window.resize(100, 60);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, green);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        CHotButton button(&window);
        button.setGeometry(20, 10, 40, 20);
        button.SetTransparent(true);
        const QImage rendered = Rendered(window);
        QCOMPARE(At(rendered, 25, 15), green.rgb());

        // The snapshot follows the parent's colours and the button's place.
        palette.setColor(QPalette::Window, Qt::blue);
        window.setPalette(palette);
        QCOMPARE(At(Rendered(window), 25, 15), QColor(Qt::blue).rgb());
        button.SetTransparent(false);
        QCOMPARE(At(Rendered(window), 25, 15), kFace.rgb());
    }
};

QTEST_MAIN(HotButtonTest)
#include "HotButtonTest.moc"
