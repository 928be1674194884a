#include "app/SavedContent.h"

#include "file/MessageFileWriter.h"

namespace velnar::app {

void SavedContent::Remember(const model::MessageTable& table)
{
    bytes_ = file::MessageFileBytes(table);
}

bool SavedContent::Matches(const model::MessageTable& table) const
{
    return file::MessageFileBytes(table) == bytes_;
}

}  // namespace velnar::app
