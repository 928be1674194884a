#include "controls/MenuItemMetrics.h"

#include <algorithm>

namespace velnar::controls {

int ImagePad(const MenuMetrics& metrics)
{
    return metrics.xpLook && metrics.raisedImages ? 7 : 4;
}

QSize MeasureSeparator(const MenuMetrics& metrics)
{
    return {0, std::max((metrics.iconHeight + ImagePad(metrics)) / 2, metrics.menuBarHeight / 2)};
}

QSize MeasureItem(const MenuMetrics& metrics, int textWidth)
{
    const int pad = ImagePad(metrics);
    const int width = metrics.xpLook ? textWidth + metrics.iconWidth + pad + 8 : textWidth + 2 * metrics.iconWidth + 1;
    return {width, std::max(metrics.iconHeight + pad, metrics.menuBarHeight)};
}

}  // namespace velnar::controls
