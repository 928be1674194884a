#include "app/HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace velnar::app {

namespace {

const QString kHelpFileName = QStringLiteral("help.txt");

}  // namespace

QStringList HelpFileCandidates(const QString& programDirectory)
{
    const QDir program(programDirectory);
    return {
        QDir::cleanPath(program.filePath(kHelpFileName)),
        QDir::cleanPath(program.filePath(QStringLiteral(VELNAR_HELP_DIR_FROM_BINDIR "/") + kHelpFileName)),
    };
}

QString HelpFilePath(const QString& programDirectory)
{
    const QStringList candidates = HelpFileCandidates(programDirectory);
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return candidates.front();
}

}  // namespace velnar::app
