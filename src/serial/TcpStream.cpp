#include "serial/TcpStream.h"

// What a connection does alike on every platform; the sockets themselves
// are in TcpStream_posix.cpp and TcpStream_win.cpp.
namespace velnar::serial {

TcpStream::~TcpStream()
{
    Close();
}

// The first problem is the one that counts: what follows it is its result.
bool TcpStream::Failed(const std::string& problem)
{
    if (problem_.empty())
        problem_ = problem;
    Close();
    return false;
}

}  // namespace velnar::serial
