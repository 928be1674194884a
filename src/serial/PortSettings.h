#pragma once

#include "link/ComPorts.h"

namespace velnar::serial {

// The operator's port map in the user's settings, where the editor and
// velnar-send both find it: under "ports", "COMn/address" and
// "COMn/netMargin" for each port the operator mapped.
link::PortMapEntries ReadPortMap();
void WritePortMap(const link::PortMapEntries& entries);

}  // namespace velnar::serial
