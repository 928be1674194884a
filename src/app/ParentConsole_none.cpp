#include "app/ParentConsole.h"

namespace velnar::app {

void UseParentConsole() {}

}  // namespace velnar::app
