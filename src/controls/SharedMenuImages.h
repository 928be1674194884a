#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <vector>

namespace velnar::controls {

// Every menu's images are 16 x 15 pixels, so one list can serve them all.
inline constexpr QSize kMenuIconSize{16, 15};

// The image list that all menus share, with the command id each image belongs
// to. With raised images every command owns three consecutive entries:
// normal, faded, shadow. Images of another size are cut to kMenuIconSize.
class SharedMenuImages {
public:
    // The process-wide list.
    static SharedMenuImages& Instance();

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

    std::vector<QImage> m_images;
    std::vector<int> m_commandIds;
};

}  // namespace velnar::controls
