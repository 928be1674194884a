#pragma once

#include <QIcon>

namespace velnar::res {

// The icon resource with this id, or a null icon when there is none.
QIcon LoadIconResource(int id);

}  // namespace velnar::res
