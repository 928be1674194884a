#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <vector>

namespace velnar::controls {

// The image list that all menus share, with the command id each image belongs
// to. With raised images every command owns three consecutive entries:
// normal, faded, shadow.
class SharedMenuImages {
public:
    explicit SharedMenuImages(QSize iconSize);

    // The process-wide list, created on first use with the first icon size asked.
    static SharedMenuImages& Instance(QSize iconSize);

    // Stores the command's image: replaces the entries it already owns, else
    // appends. Returns the index of its (first) entry, or -1 for a null image.
    int AddToShared(const QImage& icon, int commandId, bool raisedImages, const QColor& shadow);

    int IndexOf(int commandId) const;
    int Count() const;
    const QImage& Image(int index) const;

    // The entry is followed by the faded and the shadow image of its command.
    bool HasRaisedImages(int index) const;

private:
    bool OwnedBy(int index, int commandId) const;

    QSize m_iconSize;
    std::vector<QImage> m_images;
    std::vector<int> m_commandIds;
};

}  // namespace velnar::controls
