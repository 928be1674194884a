#include <QtTest>

#include <map>

#include "app/DateDisplay.h"
#include "app/DisplayCheck.h"

using namespace velnar;

class DateDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsAreFormatted_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("dayOfWeek");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("dayName");
        QTest::newRow("Monday morning") << 2007 << 3 << 5 << 9 << 4 << 7 << 2 << "05/03/2007" << "09:04:07" << "PTES";
        QTest::newRow("Friday") << 2007 << 3 << 9 << 23 << 59 << 59 << 6 << "09/03/2007" << "23:59:59" << " CUMA";
        QTest::newRow("midnight on New Year") << 2027 << 1 << 1 << 0 << 0 << 0 << 6 << "01/01/2027" << "00:00:00"
                                              << " CUMA";
        QTest::newRow("afternoon, 24-hour clock")
            << 2026 << 12 << 31 << 13 << 5 << 9 << 5 << "31/12/2026" << "13:05:09" << "PERŞ";
    }

    void fieldsAreFormatted()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, second);
        QFETCH(int, dayOfWeek);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, dayName);
        const app::DateDisplay display = app::FormatDateDisplay(link::LocalDateTime{year, month, day, hour, minute, second, dayOfWeek});
        QCOMPARE(display.date, date);
        QCOMPARE(display.time, time);
        QCOMPARE(display.day, dayName);
    }

    void dayNamesFromSundayToSaturday()
    {
        const QStringList names = {QStringLiteral("PAZR"),  QStringLiteral("PTES"), QStringLiteral("SALI"),
                                   QString::fromUtf16(u"\u00C7AR\u015E"), QString::fromUtf16(u"PER\u015E"),
                                   QStringLiteral(" CUMA"), QStringLiteral("CTES")};
        for (int day = 1; day <= 7; ++day)
            QCOMPARE(app::DayName(day), names[day - 1]);
        QCOMPARE(app::DayName(6).size(), 5);
        QVERIFY(app::DayName(0).isEmpty());
        QVERIFY(app::DayName(8).isEmpty());
        QVERIFY(app::DayName(-1).isEmpty());
    }

    void aWindowNeedsADisplay_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("missing");
        QTest::newRow("nothing set") << QStringList{} << true;
        QTest::newRow("X11") << QStringList{QStringLiteral("DISPLAY=:0")} << false;
        QTest::newRow("Wayland") << QStringList{QStringLiteral("WAYLAND_DISPLAY=wayland-0")} << false;
        QTest::newRow("a platform of Qt's own") << QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen")} << false;
    }

    void aWindowNeedsADisplay()
    {
        QFETCH(QStringList, variables);
        QFETCH(bool, missing);
        std::map<std::string, std::string> environment;
        for (const QString& variable : variables) {
            const QStringList parts = variable.split(QLatin1Char('='));
            environment[parts[0].toStdString()] = parts[1].toStdString();
        }
        const std::string reason = app::MissingDisplayReason([&](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found != environment.end() ? found->second.c_str() : nullptr;
        });
        QCOMPARE(!reason.empty(), missing);
        if (missing)
            QVERIFY(reason.find("DISPLAY") != std::string::npos);
    }
};

QTEST_MAIN(DateDisplayTest)
#include "DateDisplayTest.moc"
