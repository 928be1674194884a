#include <QtTest>

#include <QDesktopServices>
#include <QPainter>

#include "TestPalette.h"
#include "controls/CHotButton.h"
#include "res/Bitmaps.h"
#include "res/ResourceIds.h"

using namespace velnar::controls;
using namespace test_palette;

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);
const QColor kHotFace(255, 252, 235);  // the face shifted by +30
const QSize kButtonSize(80, 24);

// A send button as the pages configure theirs, in a window of its own on
// the screen, so that it is the widget under the pointer when hovered, and
// without the focus that the window gives it.
struct SendButton {
    QWidget window;
    CHotButton* button = new CHotButton(&window);

    SendButton()
    {
        window.resize(200, 100);
        button->setGeometry(QRect(QPoint(10, 10), kButtonSize));
        button->AssignBitmaps(velnar::res::kSendButtonBitmap, kMagenta, 0, 0);
        button->ShiftColor(CHotButton::ColorHotBack, 30, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->clearFocus();
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

// Its window colour left of x = 40, blue right of it.
class TwoTonedWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.fillRect(QRect(40, 0, width() - 40, height()), Qt::blue);
    }
};

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

    // Faces in the button face colour and captions in the button text colour
    // of its construction; a shift outside -255..255 or of an index above 5
    // is refused and changes nothing.
    void coloursAreTakenAtConstructionAndShiftWithoutClipping()
    {
        CHotButton button;
        QPalette changed = Palette();
        changed.setColor(QPalette::Button, QColor(10, 20, 30));
        changed.setColor(QPalette::ButtonText, QColor(40, 50, 60));
        QApplication::setPalette(changed);
        for (quint8 index = 0; index < 6; ++index)
            QCOMPARE(button.Color(index), (index % 2 ? kText : kFace).rgb());
        QApplication::setPalette(Palette());

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
        // Only a check button can be checked, and a click toggles it; the
        // call succeeds either way.
        QCOMPARE(button.SetChecked(5, false), int(CHotButton::ResultOk));
        QCOMPARE(button.IsChecked(), checkMode ? 1 : 0);
        button.click();
        QCOMPARE(button.IsChecked(), 0);
        button.click();
        QCOMPARE(button.IsChecked(), checkMode ? 1 : 0);
    }

    // The send button's bitmap in each state: its magenta shows the face of
    // the state, and the frame's corners. Pressed, a push button sinks and
    // moves its image one pixel right and down; a checked button sinks only.
    // Steps: "hot", "down", "checked" (a check button), "3d" (not flat),
    // "default" (the default button), "disabled".
    void states_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QRgb>("face");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QRgb>("topLeft");
        QTest::addColumn<QRgb>("inner");  // at (1, 1)
        QTest::addColumn<QRgb>("bottomRight");

        const QRgb face = kFace.rgb(), hot = kHotFace.rgb(), light = kHighlightEdge.rgb(), shadow = kShadowEdge.rgb();
        QTest::newRow("resting: no frame") << QStringList{} << face << false << face << face << face;
        QTest::newRow("hot: thin raised frame") << QStringList{"hot"} << hot << false << light << hot << shadow;
        QTest::newRow("pressed") << QStringList{"down"} << hot << true << shadow << hot << light;
        QTest::newRow("checked") << QStringList{"checked"} << hot << false << shadow << hot << light;
        QTest::newRow("3-D") << QStringList{"3d"} << face << false << light << kLightEdge.rgb()
                             << kDarkShadowEdge.rgb();
        QTest::newRow("3-D default: black frame") << QStringList{"3d", "default"} << face << false << kText.rgb()
                                                   << light << kText.rgb();
        QTest::newRow("3-D default pressed")
            << QStringList{"3d", "default", "down"} << hot << true << kText.rgb() << shadow << kText.rgb();
        // Disabled, the ink is embossed in the shadow colour over the face.
        QTest::newRow("disabled") << QStringList{"disabled"} << face << false << face << face << face;
    }

    void states()
    {
        QFETCH(QStringList, steps);
        QFETCH(QRgb, face);
        QFETCH(bool, moved);
        QFETCH(QRgb, topLeft);
        QFETCH(QRgb, inner);
        QFETCH(QRgb, bottomRight);
        SendButton send;
        CHotButton& button = *send.button;
        for (const QString& step : steps) {
            if (step == "hot")
                MoveMouse(button, QPoint(5, 5));
            else if (step == "down")
                button.setDown(true);
            else if (step == "3d")
                button.SetFlat(false);
            else if (step == "default")
                button.ApplyTemplateStyle(0x50010001);
            else if (step == "checked")
                button.ApplyTemplateStyle(0x50010003);
            else
                button.setEnabled(false);
        }
        button.SetChecked(1, true);  // only a check button takes it
        QCOMPARE(button.IsHot(), steps.contains("hot"));

        const QImage image = Rendered(button);
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        const QPoint origin = QPoint((kButtonSize.width() - bitmap.width()) / 2,
                                     (kButtonSize.height() - bitmap.height()) / 2) + (moved ? QPoint(1, 1) : QPoint());
        const bool embossed = !button.isEnabled();
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb pixel = At(bitmap, x, y), shown = At(image, origin + QPoint(x, y));
                if (pixel != kMagenta)
                    QCOMPARE(shown, embossed ? kShadowEdge.rgb() : pixel);
                else if (!embossed || shown != kHighlightEdge.rgb())
                    QCOMPARE(shown, face);
            }
        }
        QCOMPARE(At(image, 0, 0), topLeft);
        QCOMPARE(At(image, 1, 1), inner);
        QCOMPARE(At(image, kButtonSize.width() - 1, kButtonSize.height() - 1), bottomRight);
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
    }

    void disabledCaptionIsEtched()
    {
        QWidget window;
        CHotButton button(&window);
        button.setGeometry(0, 0, 100, 30);
        button.setText(QStringLiteral("SEND"));
        button.setEnabled(false);
        const QImage caption = Rendered(button);
        QVERIFY(!BoundsOf(caption, [](QRgb pixel) { return pixel == kShadowEdge.rgb(); }).isEmpty());
        QVERIFY(!BoundsOf(caption, [](QRgb pixel) { return pixel == kHighlightEdge.rgb(); }).isEmpty());
        QVERIFY(BoundsOf(caption, [](QRgb pixel) { return pixel == kText.rgb(); }).isEmpty());
    }

    // Steps, in order: "enter", "move" (inside), "out" (a move outside),
    // "covered" (a move inside the button's rectangle, onto a sibling lying
    // over it), "leave", "focus out", "deactivate", "disable", "drag" (a move
    // inside with the left button held), "3d" (no longer flat), "no
    // tracking" (without an active window).
    void hover_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("hot");

        QTest::newRow("entering") << QStringList{"enter", "move"} << true;
        QTest::newRow("leaving by a move") << QStringList{"enter", "out"} << false;
        QTest::newRow("moving onto a sibling on top") << QStringList{"enter", "covered"} << false;
        QTest::newRow("leaving") << QStringList{"enter", "leave"} << false;
        QTest::newRow("focus loss") << QStringList{"enter", "focus out"} << false;
        QTest::newRow("deactivation") << QStringList{"enter", "deactivate"} << false;
        QTest::newRow("disabling") << QStringList{"enter", "disable"} << false;
        QTest::newRow("entering with the left button held") << QStringList{"drag"} << false;
        QTest::newRow("holding the left button once lit") << QStringList{"enter", "drag"} << true;
        QTest::newRow("made 3-D") << QStringList{"enter", "3d"} << false;
        QTest::newRow("3-D") << QStringList{"3d", "enter"} << false;
        QTest::newRow("no active window") << QStringList{"no tracking", "enter"} << false;
    }

    void hover()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, hot);
        SendButton send;
        CHotButton& button = *send.button;
        std::unique_ptr<QWidget> other;
        for (const QString& step : steps) {
            if (step == "enter" || step == "move") {
                MoveMouse(button, step == "enter" ? QPoint(5, 5) : QPoint(6, 6));
            } else if (step == "out") {
                MoveMouse(button, QPoint(-5, 5));
            } else if (step == "covered") {
                auto* sibling = new QWidget(&send.window);
                sibling->setGeometry(button.geometry().adjusted(40, 0, 0, 0));
                sibling->show();
                MoveMouse(button, QPoint(50, 5));
            } else if (step == "deactivate" || step == "no tracking") {
                // Another window takes the activation; hidden again, it
                // leaves no window of the program active.
                other = std::make_unique<QWidget>();
                other->setGeometry(600, 400, 50, 50);
                other->show();
                QVERIFY(QTest::qWaitForWindowActive(other.get()));
                if (step == "no tracking") {
                    other->hide();
                    QCoreApplication::processEvents();
                    QVERIFY(!QApplication::activeWindow());
                    button.SetAlwaysTrack(false);
                }
            } else if (step == "drag") {
                MoveMouse(button, QPoint(7, 7), Qt::LeftButton);
            } else if (step == "disable") {
                button.setEnabled(false);
            } else if (step == "3d") {
                button.SetFlat(false);
            } else {
                QFocusEvent focusOut(QEvent::FocusOut);
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(&button, step == "focus out" ? &focusOut : &leave);
            }
        }
        QCOMPARE(button.IsHot(), hot);
        if (!steps.contains("3d"))
            QCOMPARE(At(Rendered(button), 0, 0), (hot ? kHighlightEdge : kFace).rgb());
    }

    // The button's own handling of a click (open its link, or its popup menu
    // below it) runs before the page's; a double click counts as two presses.
    void clickRunsTheButtonsOwnHandlingThenThePages()
    {
        Recorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("velnar-test"), &recorder, "open");
        SendButton send;
        CHotButton& button = *send.button;
        connect(&button, &QAbstractButton::clicked, &recorder, [&recorder] { recorder.events << "page"; });

        QCOMPARE(button.SetLink(QStringLiteral("velnar-test:slot3")), int(CHotButton::ResultOk));
        SendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, Qt::NoButton);
        SendMouse(button, QEvent::MouseButtonDblClick, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, Qt::NoButton);
        QCOMPARE(recorder.events, (QStringList{"open velnar-test:slot3", "page", "open velnar-test:slot3", "page"}));
        QCOMPARE(send.window.focusWidget(), &button);

        // At most 259 characters, and never half a character.
        const QString link = QStringLiteral("velnar-test:") + QString(258 - 12, 'a');
        for (const QString& tail : {QStringLiteral("\U0001F600"), QStringLiteral("xyz")}) {
            button.SetLink(link + tail);
            recorder.events.clear();
            button.click();
            QCOMPARE(recorder.events.first(), QStringLiteral("open ") + link + (tail.startsWith('x') ? "x" : ""));
        }
        button.SetLink(QString());
        recorder.events.clear();
        button.click();
        QCOMPARE(recorder.events, QStringList{"page"});
        QDesktopServices::unsetUrlHandler(QStringLiteral("velnar-test"));

        // A relative link is a file in the current directory, not a web host.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        QTemporaryDir current;
        const QString kept = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        button.SetLink(QStringLiteral("help.txt"));
        recorder.events.clear();
        button.click();
        QDir::setCurrent(kept);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.events.first(),
                 QStringLiteral("open ") + QUrl::fromLocalFile(QDir(current.path()).filePath("help.txt")).toString());
        button.SetLink(QString());

        // The chosen command reaches the menu's owner posted, after the click.
        button.SetMenuOwner(&recorder);
        button.PopupMenu().CreatePopupMenu();
        auto sub = std::make_unique<PlenMenu>();
        sub->CreatePopupMenu();
        sub->AppendItem(QStringLiteral("&First"), 0, 41);
        sub->AppendItem(QStringLiteral("&Second"), 0, 42);
        button.PopupMenu().AppendItem(QStringLiteral("Menu"), 0, std::move(sub));
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QCOMPARE(popup->pos(), button.mapToGlobal(QPoint(0, button.height())));
            // While the menu is open the button shows pressed.
            QCOMPARE(At(Rendered(button), 0, 0), kShadowEdge.rgb());
            recorder.events << "menu";
            QTest::keyClick(popup, Qt::Key_S);
        });
        recorder.events.clear();
        button.click();
        QCOMPARE(recorder.events, (QStringList{"menu", "page"}));
        QCOMPARE(At(Rendered(button), 0, 0), kFace.rgb());
        QVERIFY(recorder.commands.isEmpty());
        QCoreApplication::sendPostedEvents(&recorder);
        QCOMPARE(recorder.commands, QList<int>{42});
    }

    // The face is the parent's pixels under the button, drawn by the button
    // itself over a canvas of its own; the snapshot follows the parent's
    // colours.
    void transparentFaceShowsTheParent()
    {
        TwoTonedWindow window;
        window.resize(100, 60);
        CHotButton button(&window);
        button.setGeometry(20, 10, 40, 20);
        button.SetTransparent(true);
        const auto face = [&button](int x) {
            QImage canvas(button.size(), QImage::Format_RGB32);
            canvas.fill(Qt::red);
            button.render(&canvas, QPoint(), QRegion(), {});
            return At(canvas, x, 5);
        };
        QCOMPARE(face(5), kMenu.rgb());
        QCOMPARE(face(30), QColor(Qt::blue).rgb());
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        window.setPalette(palette);
        QCOMPARE(face(5), QColor(Qt::yellow).rgb());
    }
};

QTEST_MAIN(HotButtonTest)
#include "HotButtonTest.moc"
