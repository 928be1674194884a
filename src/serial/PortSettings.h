#pragma once

#include <QString>

#include "link/ComPorts.h"

namespace velnar::serial {

// The operator's port map in the user's settings, where the editor and
// velnar-send both find it: under "ports", "COMn/address" and
// "COMn/netMargin" for each port the operator mapped.
link::PortMapEntries ReadPortMap();
void WritePortMap(const link::PortMapEntries& entries);

// The user's settings file itself, for what the editor also remembers
// there (the port chosen, the last folder).
QString UserSettingsFile();

}  // namespace velnar::serial
