#include <QtTest>

#include <QPlainTextEdit>

#include "pages/RowText.h"

using namespace velnar::pages;

class RowTextTest : public QObject {
    Q_OBJECT

private slots:
    void anEditShowsTheRowAndGivesItBackWithCrLf_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("empty") << "" << 1 << "";
        QTest::newRow("one line") << "MERHABA" << 1 << "MERHABA";
        QTest::newRow("CR LF") << "A\r\nB" << 2 << "A\r\nB";
        QTest::newRow("two breaks") << "A\r\n\r\nB" << 3 << "A\r\n\r\nB";
        QTest::newRow("lone LF") << "A\nB" << 2 << "A\r\nB";
        QTest::newRow("lone CR") << "A\rB" << 2 << "A\r\nB";
        QTest::newRow("trailing break") << "A\r\n" << 2 << "A\r\n";
        QTest::newRow("Turkish letters and a no-break space") << "ŞÜ\u00A0Ç" << 1 << "ŞÜ\u00A0Ç";
    }

    void anEditShowsTheRowAndGivesItBackWithCrLf()
    {
        QFETCH(QString, row);
        QFETCH(int, lines);
        QFETCH(QString, readBack);
        QPlainTextEdit edit;
        edit.setPlainText(EditTextOf(row.toStdU16String()));
        QCOMPARE(edit.blockCount(), lines);
        const QString raw = edit.document()->toRawText();
        QCOMPARE(QString::fromStdU16String(RowTextOf(raw)), readBack);
        QCOMPARE(QString::fromStdU16String(NormalizedRowText(row.toStdU16String())), readBack);
        QVERIFY(EditHolds(raw, row.toStdU16String()));
    }

    void aLineBreakTypedWithShiftReadsAsCrLf()
    {
        QPlainTextEdit edit;
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("AB"));
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&edit, QStringLiteral("C"));
        QCOMPARE(RowTextOf(edit.document()->toRawText()), std::u16string(u"AB\r\nC"));
    }

    void aDifferentTextIsNotHeld()
    {
        QPlainTextEdit edit;
        edit.setPlainText(QStringLiteral("A\nB"));
        const QString raw = edit.document()->toRawText();
        QVERIFY(!EditHolds(raw, u"AB"));
        QVERIFY(!EditHolds(raw, u"A\r\nB "));
        QVERIFY(!EditHolds(raw, u""));
    }
};

QTEST_MAIN(RowTextTest)
#include "RowTextTest.moc"
