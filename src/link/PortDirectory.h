#pragma once

#include <functional>
#include <vector>

#include "link/ComPorts.h"

namespace velnar::link {

// Lists the system's serial devices as they are now: the seam between the
// port list and the hardware.
using PortLister = std::function<std::vector<SystemPort>()>;
// Reads the operator's port map as it is now.
using PortMapReader = std::function<PortMapEntries()>;

// The devices behind COM1 to COM9 as the system listed them and the port
// map named them when last looked up. Looking up again finds an adapter
// plugged in meanwhile, and a port map changed meanwhile.
class PortDirectory {
public:
    enum class Naming {
        Mapped,  // COMn maps to a listed device (Linux, macOS)
        System,  // COMn is the system's own name (Windows)
    };

    PortDirectory(PortLister lister, Environment environment, Naming naming, PortMapReader portMap = {});

    const ComPortMap& Refresh();
    const ComPortMap& Map() const { return map_; }
    // Library port number 1..9.
    const ComPort& Com(int port) const;

private:
    PortLister lister_;
    Environment environment_;
    Naming naming_;
    PortMapReader portMap_;
    ComPortMap map_;
};

}  // namespace velnar::link
