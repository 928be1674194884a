#pragma once

#include <QString>

namespace velnar::app {

// What the editor remembers from one start to the next: the chosen COM port
// and the folder of the last OPEN or SAVE. A missing or unreadable settings
// file, or a value that makes no sense, means the defaults (COM1, the file
// dialog's own folder), without a word; a file that cannot be written is
// no reason to stop.
class EditorSettings {
public:
    // `file` empty remembers nothing.
    explicit EditorSettings(QString file) : file_(std::move(file)) {}

    int PortIndex() const;  // 0..8 for COM1..COM9
    void SetPortIndex(int index);
    QString Folder() const;
    void SetFolder(const QString& folder);

private:
    QString file_;
};

}  // namespace velnar::app
