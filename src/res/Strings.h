#pragma once

#include <QString>

namespace velnar::res {

// The string resource with this id, or an empty string when there is none.
QString LoadStringResource(int id);

}  // namespace velnar::res
