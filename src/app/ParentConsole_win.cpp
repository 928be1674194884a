#include "app/ParentConsole.h"

#include <windows.h>

#include <cstdio>

namespace velnar::app {

namespace {

// No handle, or one that leads nowhere, as a windowed program started from
// a console has.
bool LeadsNowhere(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN;
}

}  // namespace

void UseParentConsole()
{
    const bool output = LeadsNowhere(STD_OUTPUT_HANDLE);
    const bool errors = LeadsNowhere(STD_ERROR_HANDLE);
    if ((!output && !errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output)
        std::freopen("CONOUT$", "w", stdout);
    if (errors)
        std::freopen("CONOUT$", "w", stderr);
}

}  // namespace velnar::app
