#include "link/PortDirectory.h"

#include <utility>

namespace velnar::link {

PortDirectory::PortDirectory(PortLister lister, Environment environment, Naming naming, PortMapReader portMap)
    : lister_(std::move(lister)), environment_(std::move(environment)), naming_(naming), portMap_(std::move(portMap))
{
    Refresh();
}

const ComPortMap& PortDirectory::Refresh()
{
    const std::vector<SystemPort> ports = lister_ ? lister_() : std::vector<SystemPort>();
    map_ = naming_ == Naming::System ? SystemComPorts(ports) : MapComPorts(environment_, ports);
    if (portMap_)
        ApplyPortMap(map_, portMap_());
    return map_;
}

const ComPort& PortDirectory::Com(int port) const
{
    static const ComPort kNone;
    return port >= 1 && port <= kComPortCount ? map_[static_cast<std::size_t>(port - 1)] : kNone;
}

}  // namespace velnar::link
