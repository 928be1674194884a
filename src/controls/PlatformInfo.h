#pragma once

#include <QString>
#include <optional>

class QPaintDevice;

namespace velnar::controls {

// What the version query of the system answers. Away from Windows, and when
// the query could not run, `known` is false.
struct WindowsVersion {
    bool known = false;
    bool nt = false;
    int major = 0;
    int minor = 0;
};

// The Windows kind the menus decide their look by:
// 0 non-NT below 4, 1 any other NT (and no answer), 2 other non-NT 4.x and
// later, 3 non-NT 4.10, 4 non-NT 4.90, 5 NT 4.0, 6 NT 5.0, 7 NT 5.1 (XP).
int DetectWindowsKind(const WindowsVersion& version);

// Kind 2 and above; NT after 5.1 falls back to kind 1 and so counts as not modern.
bool IsModernShell(int windowsKind);

// The current desktop theme file names the classic theme: its name ends in
// "Windows Classic.theme", in any case. No theme key gives false.
bool IsClassicThemeSelected(const std::optional<QString>& currentTheme);

bool IsXpThemed(int windowsKind, bool classicThemeSelected);

// The look mode the settings give for this desktop is the flat XP look (1).
bool UseXpLook(bool xpThemed, int xpLookMode, int classicLookMode);

// A palette (256-colour) display always gets the classic look.
bool PaintsXpLook(bool paletteDevice, bool useXpLook);
bool IsPaletteDevice(const QPaintDevice* device);

// The facts of this desktop, asked once per process.
struct PlatformFacts {
    int windowsKind = 1;
    bool classicThemeSelected = false;
    int menuBarHeight = 20;
};

const PlatformFacts& CurrentPlatform();

}  // namespace velnar::controls
