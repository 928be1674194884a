#include "res/Strings.h"

#include "res/ResourceIds.h"

namespace velnar::res {

QString LoadStringResource(int id)
{
    if (id == kAboutString)
        return QStringLiteral("ABOUT VELNAR MESSAGES(&A)...");
    return {};
}

}  // namespace velnar::res
