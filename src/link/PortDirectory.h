#pragma once

#include <functional>
#include <vector>

#include "link/ComPorts.h"

namespace velnar::link {

// Lists the system's serial devices as they are now: the seam between the
// port list and the hardware.
using PortLister = std::function<std::vector<SystemPort>()>;

// The devices behind COM1 to COM9 as the system listed them when last
// looked up. Looking up again finds an adapter plugged in meanwhile.
class PortDirectory {
public:
    enum class Naming {
        Mapped,  // COMn maps to a listed device (Linux, macOS)
        System,  // COMn is the system's own name (Windows)
    };

    PortDirectory(PortLister lister, Environment environment, Naming naming);

    const ComPortMap& Refresh();
    const ComPortMap& Map() const { return map_; }
    // Library port number 1..9.
    const ComPort& Com(int port) const;

private:
    PortLister lister_;
    Environment environment_;
    Naming naming_;
    ComPortMap map_;
};

}  // namespace velnar::link
