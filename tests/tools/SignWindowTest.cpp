#include <QLabel>
#include <QTest>

#include "SignWindow.h"
#include "signview/BoardView.h"

namespace velnar::tools {

class SignWindowTest : public QObject {
    Q_OBJECT

private slots:
    // At 10 pixels an LED, a box over LED columns 29 to 33, rows 0 to 6: a
    // character without a code. The caption names the port, the status line
    // the slot shown and the last frame.
    void paintsTheBoardOfTheLastState()
    {
        enum class Look { Unlit, Lit };
        const auto lookAt = [](const QImage& picture, int x, int y) {
            return qRed(picture.pixel(x, y)) > 200 ? Look::Lit : Look::Unlit;
        };
        std::int64_t now = 0;
        SignWindow window(QStringLiteral("/dev/pts/9"), 64, [&now] { return now; });
        auto* view = window.findChild<signview::BoardView*>();
        QVERIFY(view);
        view->setFixedSize(640, 160);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("velnar-sign: /dev/pts/9"));

        sign::SignState state;
        state.slotStates[0].rows[0] = {u"\uFFFD", 9, 8, 8};
        window.TakeFrame(state, QStringLiteral("SETTINGS slot 1 row 1 brightness 8 speed 8 accepted"));
        QImage picture = view->grab().toImage();
        QCOMPARE(lookAt(picture, 295, 5), Look::Lit);     // LED (29, 0)
        QCOMPARE(lookAt(picture, 305, 15), Look::Unlit);  // inside the box
        QCOMPARE(window.findChild<QLabel*>()->text(),
                 QStringLiteral("slot 1 | last frame: SETTINGS slot 1 row 1 brightness 8 speed 8 accepted"));

        window.TakeFrame(sign::SignState{}, QStringLiteral("BLANK slot 1 row 1 animation 0 accepted"));
        picture = view->grab().toImage();
        QCOMPARE(lookAt(picture, 295, 5), Look::Unlit);
        QVERIFY(window.findChild<QLabel*>()->text().startsWith(QStringLiteral("nothing to show | ")));
    }
};

}  // namespace velnar::tools

QTEST_MAIN(velnar::tools::SignWindowTest)
#include "SignWindowTest.moc"
