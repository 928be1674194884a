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
        button->ApplyTemplateStyle(0x50010000);
        button->AssignBitmaps(velnar::res::kSendButtonBitmap, kMagenta, 0, 0);
        button->ShiftColor(CHotButton::ColorHotBack, 30, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->clearFocus();
    }
};

void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
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

// Records the links handed to the platform's "open".
class Recorder : public QObject {
    Q_OBJECT

public:
    QStringList events;

public slots:
    void open(const QUrl& url) { events << QStringLiteral("open ") + url.toString(); }
};

}  // namespace

class HotButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(Palette()); }

    // Colours are taken at construction and kept through a colour change; a
    // shift outside -255..255 or of an index above 5 is refused.
    void colours()
    {
        CHotButton button;
        QPalette changed = Palette();
        changed.setColor(QPalette::Button, QColor(10, 20, 30));
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

        // Type 1 in the template makes the default button, a check box type a
        // check button.
        CHotButton defaultButton, checkButton;
        defaultButton.ApplyTemplateStyle(0x50010001);
        checkButton.ApplyTemplateStyle(0x50010003);
        QVERIFY(!defaultButton.IsCheckMode() && defaultButton.isDefault());
        QVERIFY(checkButton.IsCheckMode() && !checkButton.isDefault());
    }

    // The send button's bitmap 129, ink on magenta, in each state: its
    // magenta shows the face of the state, and the frame's corners. Pressed,
    // it sinks and moves its image one pixel right and down; disabled, the
    // ink is embossed.
    void states()
    {
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        QCOMPARE(bitmap.size(), QSize(66, 16));
        QVERIFY(velnar::res::LoadBitmap(0).isNull() && velnar::res::LoadBitmap(9999).isNull());
        int ink = 0;
        const QRgb face = kFace.rgb(), hot = kHotFace.rgb(), light = kHighlightEdge.rgb(), shadow = kShadowEdge.rgb();
        struct Row { QString state; QRgb face, topLeft, bottomRight; };
        for (const Row& row : {Row{"resting", face, face, face}, {"hot", hot, light, shadow},
                               {"down", hot, shadow, light}, {"disabled", face, face, face}}) {
            SendButton send;
            CHotButton& button = *send.button;
            if (row.state == "hot")
                Mouse(button, QEvent::MouseMove, QPoint(5, 5));
            button.setDown(row.state == "down");
            button.setEnabled(row.state != "disabled");
            QCOMPARE(button.IsHot(), row.state == "hot");
            const QImage image = button.grab().toImage();
            const QPoint origin((kButtonSize.width() - bitmap.width()) / 2 + button.isDown(),
                                (kButtonSize.height() - bitmap.height()) / 2 + button.isDown());
            for (int y = 0; y < bitmap.height(); ++y) {
                for (int x = 0; x < bitmap.width(); ++x) {
                    const QRgb pixel = At(bitmap, x, y), shown = At(image, origin + QPoint(x, y));
                    ink += pixel != kMagenta;
                    if (pixel != kMagenta)
                        QCOMPARE(shown, button.isEnabled() ? pixel : shadow);
                    else if (button.isEnabled() || shown != light)
                        QCOMPARE(shown, row.face);
                }
            }
            QCOMPARE(At(image, 0, 0), row.topLeft);
            QCOMPARE(At(image, kButtonSize.width() - 1, kButtonSize.height() - 1), row.bottomRight);
        }
        QVERIFY(ink > 4 * 100);  // a glyph, not a blank face
    }

    // Steps, in order: "enter", "move" (inside), "out" (a move outside),
    // "covered" (a move inside the button's rectangle, onto a sibling lying
    // over it), "leave", "focus out", "deactivate" (another window takes the
    // activation), "disable", "drag" (a move inside with the left button
    // held).
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
    }

    void hover()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, hot);
        SendButton send;
        CHotButton& button = *send.button;
        QWidget other;
        for (const QString& step : steps) {
            if (step == "enter" || step == "move") {
                Mouse(button, QEvent::MouseMove, step == "enter" ? QPoint(5, 5) : QPoint(6, 6));
            } else if (step == "out") {
                Mouse(button, QEvent::MouseMove, QPoint(-5, 5));
            } else if (step == "covered") {
                auto* sibling = new QWidget(&send.window);
                sibling->setGeometry(button.geometry().adjusted(40, 0, 0, 0));
                sibling->show();
                Mouse(button, QEvent::MouseMove, QPoint(50, 5));
            } else if (step == "deactivate") {
                other.setGeometry(600, 400, 50, 50);
                other.show();
                QVERIFY(QTest::qWaitForWindowActive(&other));
            } else if (step == "drag") {
                Mouse(button, QEvent::MouseMove, QPoint(7, 7), Qt::LeftButton);
            } else if (step == "disable") {
                button.setEnabled(false);
            } else {
                QFocusEvent focusOut(QEvent::FocusOut);
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(&button, step == "focus out" ? &focusOut : &leave);
            }
        }
        QCOMPARE(button.IsHot(), hot);
        QCOMPARE(At(button.grab().toImage(), 0, 0), (hot ? kHighlightEdge : kFace).rgb());
    }

    // The button's own handling of a click (open its link) runs before the
    // page's; a double click counts as two presses. A link keeps at most 259
    // characters, never half a character, and a relative one is a file in
    // the current directory, not a web host.
    void clickOpensTheLinkThenTellsThePage()
    {
        Recorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("velnar-test"), &recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        SendButton send;
        CHotButton& button = *send.button;
        connect(&button, &QAbstractButton::clicked, &recorder, [&recorder] { recorder.events << "page"; });

        button.click();  // without a link, only the page's handling
        QCOMPARE(recorder.events, QStringList{"page"});
        recorder.events.clear();
        QCOMPARE(button.SetLink(QStringLiteral("velnar-test:slot3")), int(CHotButton::ResultOk));
        for (QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
            Mouse(button, press, QPoint(5, 5), Qt::LeftButton);
            Mouse(button, QEvent::MouseButtonRelease, QPoint(5, 5));
        }
        QCOMPARE(recorder.events, (QStringList{"open velnar-test:slot3", "page", "open velnar-test:slot3", "page"}));
        QCOMPARE(send.window.focusWidget(), &button);

        const QString link = QStringLiteral("velnar-test:") + QString(258 - 12, 'a');
        QTemporaryDir current;
        const QString kept = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        const QString helpFile = QUrl::fromLocalFile(QDir(current.path()).filePath("help.txt")).toString();
        for (const auto& [set, opened] : {std::pair{link + QStringLiteral("\U0001F600"), link},
                                          std::pair{link + QStringLiteral("xyz"), link + 'x'},
                                          std::pair{QStringLiteral("help.txt"), helpFile}}) {
            button.SetLink(set);
            recorder.events.clear();
            button.click();
            QCOMPARE(recorder.events, (QStringList{QStringLiteral("open ") + opened, "page"}));
        }
        QDir::setCurrent(kept);
        QDesktopServices::unsetUrlHandler(QStringLiteral("velnar-test"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
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
