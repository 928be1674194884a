#include "app/LocalPath.h"

#include <QFile>

namespace velnar::app {

std::filesystem::path LocalPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace velnar::app
