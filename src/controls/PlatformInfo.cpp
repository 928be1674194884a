#include "controls/PlatformInfo.h"

#include <QApplication>
#include <QFontMetrics>
#include <QOperatingSystemVersion>
#include <QPaintDevice>
#include <QSettings>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velnar::controls {

int DetectWindowsKind(const WindowsVersion& version)
{
    if (!version.known)
        return 1;
    if (version.nt) {
        if (version.major == 4 && version.minor == 0)
            return 5;
        if (version.major == 5 && version.minor == 0)
            return 6;
        if (version.major == 5 && version.minor == 1)
            return 7;
        return 1;
    }
    if (version.major < 4)
        return 0;
    if (version.major == 4 && version.minor == 10)
        return 3;
    if (version.major == 4 && version.minor == 90)
        return 4;
    return 2;
}

bool IsModernShell(int windowsKind)
{
    return windowsKind >= 2;
}

bool IsClassicThemeSelected(const std::optional<QString>& currentTheme)
{
    return currentTheme && currentTheme->endsWith(QLatin1String("Windows Classic.theme"), Qt::CaseInsensitive);
}

bool IsXpThemed(int windowsKind, bool classicThemeSelected)
{
    return windowsKind == 7 && !classicThemeSelected;
}

bool UseXpLook(bool xpThemed, int xpLookMode, int classicLookMode)
{
    return (xpThemed ? xpLookMode : classicLookMode) == 1;
}

bool PaintsXpLook(bool paletteDevice, bool useXpLook)
{
    return !paletteDevice && useXpLook;
}

bool IsPaletteDevice(const QPaintDevice* device)
{
    return device && device->depth() <= 8;
}

namespace {

WindowsVersion QueryWindowsVersion()
{
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    if (current.type() != QOperatingSystemVersion::Windows)
        return {};
    // Qt runs on the NT line only.
    return {true, true, current.majorVersion(), current.minorVersion()};
}

std::optional<QString> QueryCurrentTheme()
{
#ifdef Q_OS_WIN
    const QSettings key(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Plus!\\Themes\\Current"),
                        QSettings::NativeFormat);
    const QVariant value = key.value(QStringLiteral("Default"));
    if (value.isValid())
        return value.toString();
#endif
    return std::nullopt;
}

int QueryMenuBarHeight()
{
#ifdef Q_OS_WIN
    return GetSystemMetrics(SM_CYMENU);
#else
    // A Windows menu bar at the standard resolution is 20 pixels high; a
    // larger menu font needs a taller one.
    return std::max(20, QFontMetrics(QApplication::font("QMenu")).height() + 4);
#endif
}

}  // namespace

const PlatformFacts& CurrentPlatform()
{
    static const PlatformFacts facts{
        DetectWindowsKind(QueryWindowsVersion()),
        IsClassicThemeSelected(QueryCurrentTheme()),
        QueryMenuBarHeight(),
    };
    return facts;
}

}  // namespace velnar::controls
