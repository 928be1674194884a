#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// The option lines of a usage text, as "--port PORT".
QStringList UsageOptions(const QString& usage)
{
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    QStringList options;
    for (const QString& line : usage.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("  --")))
            options << line.trimmed().section(gap, 0, 0);
    }
    return options;
}

// A page line as a reader sees it: ".BI \-\-port " PORT"" reads "--port PORT".
QString PlainText(QString line)
{
    static const QRegularExpression macro(QStringLiteral("^\\.[A-Z]{1,2}\\s+"));
    static const QRegularExpression font(QStringLiteral("\\\\f[BIRP]"));
    line.remove(macro).remove(font).remove(QLatin1Char('"'));
    return line.replace(QStringLiteral("\\-"), QStringLiteral("-")).simplified();
}

// The terms of the page's OPTIONS section: the line after each .TP.
QStringList PageOptions(const QString& page)
{
    const QString section = page.section(QStringLiteral(".SH OPTIONS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    const QStringList lines = section.split(QLatin1Char('\n'));
    QStringList options;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == QStringLiteral(".TP"))
            options << PlainText(lines[i + 1]);
    }
    return options;
}

struct Run {
    int exitCode = -1;
    QString output;
    QString errors;
};

// As from a terminal with no display at all.
Run RunWithoutDisplay(const QString& program, const QString& option)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {option});
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

class ManPageTest : public QObject {
    Q_OBJECT

private slots:
    void PageAndHelpAgree_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("velnar-messages") << QStringLiteral(VELNAR_EDITOR_PATH);
        QTest::newRow("velnar-send") << QStringLiteral(VELNAR_SEND_PATH);
        QTest::newRow("velnar-sign") << QStringLiteral(VELNAR_SIGN_PATH);
    }

    // The page lists --help's options in order and names --version's version.
    void PageAndHelpAgree()
    {
        QFETCH(QString, program);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFile file(QStringLiteral(VELNAR_MAN_DIR "/") + name + QStringLiteral(".1"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());

        const Run help = RunWithoutDisplay(program, QStringLiteral("--help"));
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.errors, QString());
        QVERIFY(help.output.startsWith(QStringLiteral("usage: ") + name + QLatin1Char(' ')));
        const QStringList options = UsageOptions(help.output);
        QVERIFY(options.contains(QStringLiteral("--version")));
        QCOMPARE(PageOptions(page), options);

        static const QRegularExpression title(QStringLiteral("^\\.TH \\S+ 1 .*\"VELNAR MESSAGES ([^\"]+)\""),
                                              QRegularExpression::MultilineOption);
        const QRegularExpressionMatch version = title.match(page);
        QVERIFY(version.hasMatch());
        const Run printed = RunWithoutDisplay(program, QStringLiteral("--version"));
        QCOMPARE(printed.exitCode, 0);
        QCOMPARE(printed.errors, QString());
        QCOMPARE(printed.output, name + QLatin1Char(' ') + version.captured(1) + QLatin1Char('\n'));
    }
};

QTEST_GUILESS_MAIN(ManPageTest)
#include "ManPageTest.moc"
