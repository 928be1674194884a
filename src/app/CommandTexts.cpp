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

QString ReadBackWarningText(const std::vector<file::RowMismatch>& rows)
{
    QString text = QStringLiteral("The file is saved, but these rows will read back differently when it is opened:");
    for (const file::RowMismatch& row : rows)
        text += QStringLiteral("\nSlot %1, row %2: %3.").arg(row.slot).arg(row.row).arg(QString::fromStdString(row.reason));
    return text;
}

QString SaveChangesQuestion()
{
    return QStringLiteral("The messages have changes that are not saved. Save them before closing?");
}

QString PreviewCaption()
{
    return QStringLiteral("ÖNİZLEME");
}

}  // namespace velnar::app
