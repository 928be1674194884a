#include "model/MessageTable.h"

namespace velnar::model {

MessageTable messageTable;

void ZeroRowAttributes(MessageTable& table)
{
    table.rowAnimation.fill(0);
    table.rowBrightness.fill(0);
    table.rowSpeed.fill(0);
}

}  // namespace velnar::model
