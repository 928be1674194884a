#include "file/SignRecordFile.h"

#include "file/AtomicSave.h"
#include "link/SendRun.h"
#include "link/SlotSender.h"

namespace velnar::file {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStateFolderName = "velnar-messages";

}  // namespace

fs::path StateFolder(const std::function<const char*(const char*)>& environment)
{
    const auto variable = [&environment](const char* name) {
        const char* value = environment(name);
        return fs::path(value ? value : "");
    };
#ifdef _WIN32
    const fs::path base = variable("LOCALAPPDATA");
#elif defined(__APPLE__)
    const fs::path home = variable("HOME");
    const fs::path base = home.empty() ? home : home / "Library" / "Application Support";
#else
    fs::path base = variable("XDG_DATA_HOME");
    if (!base.is_absolute()) {
        const fs::path home = variable("HOME");
        base = home.empty() ? home : home / ".local" / "share";
    }
#endif
    return base.empty() ? base : base / kStateFolderName;
}

fs::path SignRecordPath(const fs::path& folder, const std::string& device)
{
    // Two devices may come out as one name here: the record names its device
    // inside, and a record of another device is not taken.
    std::string name = "sign";
    for (const char c : device) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.';
        name += plain ? c : '_';
    }
    return folder / (name + ".record");
}

LoadedRecord LoadSignRecord(const fs::path& folder, const std::string& device)
{
    LoadedRecord loaded;
    loaded.record.device = device;
    const fs::path path = SignRecordPath(folder, device);
    std::error_code error;
    if (!fs::exists(path, error) && !error)
        return loaded;
    std::string bytes;
    const FileResult read = ReadFileBytes(path, bytes);
    std::string problem = read.reason;
    if (read.ok) {
        std::optional<link::SignRecord> record = link::DecodeSignRecord(bytes, problem);
        if (record && record->device != device)
            problem = "it is the record of " + record->device;
        else if (record)
            loaded.record = *record;
    }
    if (!problem.empty())
        loaded.warning = path.string() + ": " + problem + "; every slot counts as not held";
    return loaded;
}

FileResult SaveSignRecord(const fs::path& folder, const link::SignRecord& record)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return Failure(error);
    return SaveFileAtomically(SignRecordPath(folder, record.device), link::EncodeSignRecord(record),
                              SystemFileAccess());
}

FileResult ForgetSignRecord(const fs::path& folder, const std::string& device)
{
    std::error_code error;
    fs::remove(SignRecordPath(folder, device), error);
    return error ? Failure(error) : FileResult{};
}

std::string KeepRunInRecord(const fs::path& folder, const std::string& device, const link::SendRun& run,
                            const std::string& resume)
{
    if (device.empty() || folder.empty())
        return {};
    LoadedRecord loaded = LoadSignRecord(folder, device);
    loaded.record.TakeRun(run);
    const FileResult saved = SaveSignRecord(folder, loaded.record);
    if (!saved.ok)
        return "What the sign holds could not be kept: " + saved.reason + ".\n";
    int notTaken = 0;
    bool framesMissing = false;
    std::int64_t ms = 0;
    for (const link::SlotResult& result : run.Results()) {
        if (result.takenWhole)
            continue;
        ++notTaken;
        framesMissing = framesMissing || result.framesMissing;
        ms += link::NominalMs(result.content);
    }
    if (!framesMissing)
        return {};
    return resume + " sends the " + std::to_string(notTaken) + (notTaken == 1 ? " slot" : " slots") +
           " not taken (about " + link::MinutesSeconds(ms) + ")\n";
}

}  // namespace velnar::file
