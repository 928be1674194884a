#pragma once

namespace velnar::desktop {

// Without XDG_RUNTIME_DIR (as root, or in a session no login manager
// started) Qt makes a private runtime folder of its own in the temporary
// folder, which is all these programs need, and says so on standard error
// at every start. Drops that note; every other message goes on as before.
// Call it before the application object exists.
void DropRuntimeFolderNotice();

}  // namespace velnar::desktop
