#include "app/CommandTexts.h"

#include <QDir>

namespace velnar::app {

namespace {

QString Failure(const QString& what, const QString& path, const std::string& reason)
{
    return QStringLiteral("%1 \"%2\":\n%3.").arg(what, QDir::toNativeSeparators(path), QString::fromStdString(reason));
}

}  // namespace

QString OpenFailureText(const QString& path, const std::string& reason)
{
    return Failure(QStringLiteral("Cannot open"), path, reason);
}

QString SaveFailureText(const QString& path, const std::string& reason)
{
    return Failure(QStringLiteral("Cannot save"), path, reason);
}

QString HelpFailureText(const QString& path, const std::string& reason)
{
    return Failure(QStringLiteral("Cannot read the help text"), path, reason);
}

QString SaveAnywayQuestion(const std::vector<file::RowMismatch>& rows, const model::MessageTable& table)
{
    QString text = QStringLiteral("These rows would not come back whole when the file is opened again:");
    for (const file::RowMismatch& row : rows) {
        const std::u16string& holds = table.rowText[static_cast<std::size_t>(model::RowNumber(row.slot, row.row))];
        text += QStringLiteral("\nSlot %1, row %2: \"%3\" would open as \"%4\"; %5.")
                    .arg(row.slot)
                    .arg(row.row)
                    .arg(QString::fromStdU16String(holds), QString::fromStdU16String(row.readBack),
                         QString::fromStdString(row.reason));
    }
    return text + QStringLiteral("\nSave anyway?");
}

QString SaveChangesQuestion()
{
    return QStringLiteral("The messages have changes that are not saved. Save them before closing?");
}

QString PreviewCaption()
{
    return QStringLiteral("ÖNİZLEME");
}

QString SendChangedCaption()
{
    return QStringLiteral("DEĞİŞENLERİ GÖNDER\tF5");
}

QString ForgetSignCaption()
{
    return QStringLiteral("Forget what the sign holds");
}

QString PortMapCaption()
{
    return QStringLiteral("PORTLAR…");
}

}  // namespace velnar::app
