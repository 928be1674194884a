#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "file/FileIo.h"
#include "link/SignRecord.h"

namespace velnar::link {
class SendRun;
}

namespace velnar::file {

// The user's state folder, where this computer keeps what each port's sign
// holds. The editor's application data folder by the same rules, so that
// the editor and velnar-send share it: %LOCALAPPDATA%\velnar-messages on
// Windows, ~/Library/Application Support/velnar-messages on macOS, else
// $XDG_DATA_HOME/velnar-messages (an absolute one) or
// ~/.local/share/velnar-messages. Empty when the environment names none.
std::filesystem::path StateFolder(const std::function<const char*(const char*)>& environment);

// One small file per port in `folder`, named after the port's device.
std::filesystem::path SignRecordPath(const std::filesystem::path& folder, const std::string& device);

// The record of the sign on `device`: empty when there is none, and also
// when it cannot be read, was written by another version, is cut short or
// damaged, or is another device's: `warning` then says so. Never a reason
// not to send.
struct LoadedRecord {
    link::SignRecord record;
    std::string warning;
};
LoadedRecord LoadSignRecord(const std::filesystem::path& folder, const std::string& device);

// Written as the message file is: whole, in one rename. Makes the folder.
FileResult SaveSignRecord(const std::filesystem::path& folder, const link::SignRecord& record);

// Forgets what the sign on `device` holds; no record is no failure.
FileResult ForgetSignRecord(const std::filesystem::path& folder, const std::string& device);

// After a run: the record of the sign on `device` read again (another
// editor may have written it meanwhile), updated from the run and written.
// Returns the line the run's report ends with: that the record could not
// be kept, or, when Stop, a port that stopped working or the sign left
// slots of the run not taken, "<resume> sends the N slots not taken (about
// M:SS)". No device or no folder, no record and no line: a port without a
// device sends nothing.
std::string KeepRunInRecord(const std::filesystem::path& folder, const std::string& device, const link::SendRun& run,
                            const std::string& resume);

}  // namespace velnar::file
