#include <QtTest>

#include <QPlainTextEdit>

#include "pages/RowText.h"

using namespace velnar::pages;

class RowTextTest : public QObject {
    Q_OBJECT

private slots:
    // Every line break an edit is given, CR LF, a lone CR or LF, reads back
    // as CR LF, and the edit holds that text and no other.
    void anEditShowsTheRowAndGivesItBackWithCrLf()
    {
        const std::tuple<const char*, int, const char*> cases[] = {
            {"", 1, ""},           {"MERHABA", 1, "MERHABA"}, {"A\r\nB", 2, "A\r\nB"},
            {"A\r\n\r\nB", 3, "A\r\n\r\nB"}, {"A\nB", 2, "A\r\nB"}, {"A\rB", 2, "A\r\nB"},
            {"A\r\n", 2, "A\r\n"}, {"ŞÜ\u00A0Ç", 1, "ŞÜ\u00A0Ç"}};
        for (const auto& [row, lines, readBack] : cases) {
            QPlainTextEdit edit;
            edit.setPlainText(EditTextOf(QString::fromUtf8(row).toStdU16String()));
            QCOMPARE(edit.blockCount(), lines);
            const QString raw = edit.document()->toRawText();
            QCOMPARE(QString::fromStdU16String(RowTextOf(raw)), QString::fromUtf8(readBack));
            QVERIFY(EditHolds(raw, QString::fromUtf8(row).toStdU16String()));
        }
        QPlainTextEdit edit;
        edit.setPlainText(QStringLiteral("A\nB"));
        for (const char16_t* other : {u"AB", u"A\r\nB ", u""})
            QVERIFY(!EditHolds(edit.document()->toRawText(), other));
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
};

QTEST_MAIN(RowTextTest)
#include "RowTextTest.moc"
