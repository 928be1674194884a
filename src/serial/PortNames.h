#pragma once

#include <QString>

namespace velnar::serial {

// The device behind library port number n (COMn). On Windows that is "COMn";
// elsewhere the device named by the environment variable VELNAR_COMn when it
// is set, else /dev/ttyS<n-1>.
QString DefaultDeviceName(int port);

}  // namespace velnar::serial
