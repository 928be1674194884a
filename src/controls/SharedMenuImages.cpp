#include "controls/SharedMenuImages.h"

#include <algorithm>

#include "controls/MenuImages.h"

namespace velnar::controls {

SharedMenuImages& SharedMenuImages::Instance()
{
    static SharedMenuImages shared;
    return shared;
}

int SharedMenuImages::AddToShared(const QImage& icon, int commandId, bool raisedImages, const QColor& shadow)
{
    if (icon.isNull())
        return -1;
    const QImage image = icon.size() == kMenuIconSize ? icon : icon.copy(QRect(QPoint(0, 0), kMenuIconSize));
    std::vector<QImage> entries{image};
    if (raisedImages) {
        entries.push_back(MakeFadedImage(image));
        entries.push_back(MakeShadowImage(image, shadow));
    }

    const int existing = IndexOf(commandId);
    if (existing >= 0) {
        // The faded and shadow entries are replaced only where the command owns them.
        m_images[static_cast<std::size_t>(existing)] = entries[0];
        for (std::size_t k = 1; k < entries.size(); ++k) {
            if (OwnedBy(existing + static_cast<int>(k), commandId))
                m_images[static_cast<std::size_t>(existing) + k] = entries[k];
        }
        return existing;
    }

    const int first = Count();
    for (QImage& entry : entries) {
        m_images.push_back(std::move(entry));
        m_commandIds.push_back(commandId);
    }
    return first;
}

int SharedMenuImages::IndexOf(int commandId) const
{
    const auto found = std::find(m_commandIds.begin(), m_commandIds.end(), commandId);
    return found == m_commandIds.end() ? -1 : static_cast<int>(found - m_commandIds.begin());
}

int SharedMenuImages::Count() const
{
    return static_cast<int>(m_images.size());
}

const QImage& SharedMenuImages::Image(int index) const
{
    return m_images.at(static_cast<std::size_t>(index));
}

bool SharedMenuImages::HasRaisedImages(int index) const
{
    return index >= 0 && index < Count() && OwnedBy(index + 1, m_commandIds[static_cast<std::size_t>(index)]) &&
           OwnedBy(index + 2, m_commandIds[static_cast<std::size_t>(index)]);
}

bool SharedMenuImages::OwnedBy(int index, int commandId) const
{
    return index >= 0 && index < Count() && m_commandIds[static_cast<std::size_t>(index)] == commandId;
}

}  // namespace velnar::controls
