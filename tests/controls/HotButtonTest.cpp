#include <QtTest>

#include "controls/CHotButton.h"
#include "res/Bitmaps.h"
#include "res/ResourceIds.h"

using namespace velnar::controls;

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);
// The XP button face, whose hot face (+30) is RGB(255,252,235).
const QColor kFace(236, 233, 216);
const QColor kHotFace(255, 252, 235);
const QColor kLight(255, 255, 255);

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

// A send button as the pages make it, in a window of its own to be hovered.
struct SendButton {
    QWidget window;
    CHotButton* button = new CHotButton(&window);

    SendButton()
    {
        window.resize(200, 100);
        button->setGeometry(10, 10, 80, 24);
        button->ApplyTemplateStyle(0x50010000);
        button->AssignBitmaps(velnar::res::kSendButtonBitmap, kMagenta, 0, 0);
        button->ShiftColor(CHotButton::ColorHotBack, 30, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->clearFocus();
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
};

}  // namespace

class HotButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QPalette palette;
        palette.setColor(QPalette::Button, kFace);
        palette.setColor(QPalette::Light, kLight);
        QApplication::setPalette(palette);
    }

    // The send bitmap's magenta shows the face, hot under the pointer.
    void sendButtonShowsItsImageAndLightsOnlyUnderThePointer()
    {
        const QImage bitmap = velnar::res::LoadBitmap(velnar::res::kSendButtonBitmap);
        SendButton send;
        CHotButton& button = *send.button;
        const auto showsImageOn = [&](const QColor& face) {
            const QImage image = button.grab().toImage();
            int ink = 0;
            for (int y = 0; y < bitmap.height(); ++y) {
                for (int x = 0; x < bitmap.width(); ++x) {
                    const QRgb pixel = At(bitmap, x, y);
                    ink += pixel != kMagenta;
                    if (At(image, 7 + x, 4 + y) != (pixel == kMagenta ? face.rgb() : pixel))
                        return false;
                }
            }
            return ink > 100;  // a glyph, not a blank face
        };
        QVERIFY(showsImageOn(kFace));
        send.Mouse(QEvent::MouseMove, QPoint(5, 5));
        QVERIFY(showsImageOn(kHotFace));
        QCOMPARE(At(button.grab().toImage(), 0, 0), kLight.rgb());
        send.Mouse(QEvent::MouseMove, QPoint(-5, 5));
        QVERIFY(showsImageOn(kFace));
    }

    // A double click is two clicks, and a click focuses the button.
    void doubleClickPressesTwice()
    {
        SendButton send;
        int clicks = 0;
        connect(send.button, &QAbstractButton::clicked, this, [&clicks] { ++clicks; });
        for (QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
            send.Mouse(press, QPoint(5, 5), Qt::LeftButton);
            send.Mouse(QEvent::MouseButtonRelease, QPoint(5, 5));
        }
        QCOMPARE(clicks, 2);
        QCOMPARE(send.window.focusWidget(), send.button);
    }
};

QTEST_MAIN(HotButtonTest)
#include "HotButtonTest.moc"
