#include <QLabel>
#include <QTest>

#include "SignWindow.h"

namespace velnar::tools {

class SignWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The caption names the port, the status line the slot and the last frame.
    void captionAndStatusFollowTheLastState()
    {
        SignWindow window(QStringLiteral("/dev/pts/9"), 64, [] { return std::int64_t{0}; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("velnar-sign: /dev/pts/9"));

        sign::SignState state;
        state.slotStates[0].rows[0] = {u"A", 9, 8, 8};
        window.TakeFrame(state, QStringLiteral("SETTINGS slot 1 row 1 brightness 8 speed 8 accepted"));
        QCOMPARE(window.findChild<QLabel*>()->text(),
                 QStringLiteral("slot 1 | last frame: SETTINGS slot 1 row 1 brightness 8 speed 8 accepted"));
        window.TakeFrame(sign::SignState{}, QStringLiteral("BLANK slot 1 row 1 animation 0 accepted"));
        QVERIFY(window.findChild<QLabel*>()->text().startsWith(QStringLiteral("nothing to show | ")));
    }
};

}  // namespace velnar::tools

QTEST_MAIN(velnar::tools::SignWindowTest)
#include "SignWindowTest.moc"
