#include "file/MessageFile.h"

#include "file/AtomicSave.h"
#include "file/MessageFileFormat.h"
#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"

namespace velnar::file {

namespace fs = std::filesystem;

FileResult SaveMessageFile(const fs::path& path, const model::MessageTable& table)
{
    return SaveFileAtomically(path, MessageFileBytes(table), SystemFileAccess());
}

FileResult LoadMessageFile(const fs::path& path, model::MessageTable& table)
{
    std::string bytes;
    const FileResult result = ReadFileBytes(path, bytes);
    if (result.ok) {
        model::MessageTable loaded;
        CopyAttributeBlocks(table, loaded);
        ReadMessageFileBytes(bytes, loaded);
        table.rowText = std::move(loaded.rowText);
        CopyAttributeBlocks(loaded, table);
    }
    table.fileLoadedPage1 = 1;
    table.fileLoadedPage2 = 1;
    return result;
}

}  // namespace velnar::file
