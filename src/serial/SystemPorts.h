#pragma once

#include "link/PortDirectory.h"

namespace velnar::serial {

// The serial devices this system lists now, with their descriptions.
std::vector<link::SystemPort> ListSystemPorts();

// COM1 to COM9 on this system: the system's own COM ports on Windows, else
// VELNAR_COMn or the listed devices, USB adapters first; the operator's port
// map over them.
link::PortDirectory SystemPortDirectory();

}  // namespace velnar::serial
