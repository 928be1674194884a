#pragma once

namespace velnar::controls {

// The process-wide look settings of the menus. The program keeps their
// defaults; the decision and painting functions take them as values.
struct MenuSettings {
    int XpLookMode = 1;                  // look on themed Windows XP: 1 flat XP look, 0 classic
    int ClassicLookMode = 0;             // look everywhere else
    bool ClassicSelectDisabled = true;   // disabled items may show the highlight bar (classic)
    bool XpSelectDisabled = false;       // disabled items may show the highlight (XP look)
    bool XpRaisedImages = true;          // XP look: wider image bar, faded and raised images
};

inline constexpr MenuSettings kMenuSettings{};

}  // namespace velnar::controls
