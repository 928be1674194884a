#include "res/Icons.h"

#include <QString>

#include "res/ResourceIds.h"

namespace velnar::res {

QIcon LoadIconResource(int id)
{
    if (id == kMainIcon)
        return QIcon(QStringLiteral(":/velnar/images/icon.xpm"));
    return {};
}

}  // namespace velnar::res
