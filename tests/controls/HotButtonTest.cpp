#include <QtTest>


#include "TestPalette.h"
#include "controls/CHotButton.h"
#include "res/Bitmaps.h"
#include "res/ResourceIds.h"

using namespace velnar::controls;
using namespace test_palette;

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);
const QColor kHotFace(255, 252, 235);  // the face shifted by +30, as far as red allows
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

}  // namespace

class HotButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(Palette()); }

    // The send button's bitmap 129, ink on magenta, in each state: its
    // magenta shows the face of the state, and the frame's corners. Pressed,
    // it sinks and moves its image one pixel right and down.
    void sendButtonShowsItsImageOnTheFaceOfEachState()
    {
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        QCOMPARE(bitmap.size(), QSize(66, 16));
        int ink = 0;
        const QRgb face = kFace.rgb(), hot = kHotFace.rgb(), light = kHighlightEdge.rgb(), shadow = kShadowEdge.rgb();
        struct Row { QString state; QRgb face, topLeft, bottomRight; };
        for (const Row& row :
             {Row{"resting", face, face, face}, {"hot", hot, light, shadow}, {"down", hot, shadow, light}}) {
            SendButton send;
            CHotButton& button = *send.button;
            if (row.state == "hot")
                Mouse(button, QEvent::MouseMove, QPoint(5, 5));
            button.setDown(row.state == "down");
            QCOMPARE(button.IsHot(), row.state == "hot");
            const QImage image = button.grab().toImage();
            const QPoint origin = QPoint(7, 4) + (button.isDown() ? QPoint(1, 1) : QPoint());
            for (int y = 0; y < bitmap.height(); ++y) {
                for (int x = 0; x < bitmap.width(); ++x) {
                    const QRgb pixel = At(bitmap, x, y), shown = At(image, origin.x() + x, origin.y() + y);
                    ink += pixel != kMagenta;
                    QCOMPARE(shown, pixel == kMagenta ? row.face : pixel);
                }
            }
            QCOMPARE(At(image, 0, 0), row.topLeft);
            QCOMPARE(At(image, kButtonSize.width() - 1, kButtonSize.height() - 1), row.bottomRight);
        }
        QVERIFY(ink > 3 * 100);  // a glyph, not a blank face
    }

    // Steps, in order: "enter", "move" (inside), "out" (a move outside),
    // "leave", "deactivate" (another window takes the activation), "drag" (a
    // move inside with the left button held, which keeps a lit button lit
    // and lights no other).
    void litOnlyWhileThePointerIsOverIt()
    {
        struct Row { QStringList steps; bool hot; };
        for (const Row& row : {Row{{"enter", "move"}, true}, {{"enter", "out"}, false}, {{"enter", "leave"}, false},
                               {{"drag"}, false}, {{"enter", "deactivate"}, false}, {{"enter", "drag"}, true}}) {
            SendButton send;
            CHotButton& button = *send.button;
            QWidget other;
            QEvent leave(QEvent::Leave);
            for (const QString& step : row.steps) {
                if (step == "enter" || step == "move" || step == "out" || step == "drag") {
                    const QPoint at = step == "enter" ? QPoint(5, 5) : step == "out" ? QPoint(-5, 5) : QPoint(7, 7);
                    Mouse(button, QEvent::MouseMove, at, step == "drag" ? Qt::LeftButton : Qt::NoButton);
                } else if (step == "deactivate") {
                    other.setGeometry(600, 400, 50, 50);
                    other.show();
                    QVERIFY(QTest::qWaitForWindowActive(&other));
                } else {
                    QApplication::sendEvent(&button, &leave);
                }
            }
            const QByteArray what = row.steps.join(", ").toUtf8();
            QVERIFY2(button.IsHot() == row.hot, what);
            QVERIFY2(At(button.grab().toImage(), 0, 0) == (row.hot ? kHighlightEdge : kFace).rgb(), what);
        }
    }

    // A double click counts as two presses, each a click the page handles,
    // and a click gives the button the focus.
    void doubleClickPressesTwice()
    {
        SendButton send;
        CHotButton& button = *send.button;
        int clicks = 0;
        connect(&button, &QAbstractButton::clicked, this, [&clicks] { ++clicks; });
        for (QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
            Mouse(button, press, QPoint(5, 5), Qt::LeftButton);
            Mouse(button, QEvent::MouseButtonRelease, QPoint(5, 5));
        }
        QCOMPARE(clicks, 2);
        QCOMPARE(send.window.focusWidget(), &button);
    }
};

QTEST_MAIN(HotButtonTest)
#include "HotButtonTest.moc"
