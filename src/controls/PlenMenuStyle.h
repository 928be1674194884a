#pragma once

#include <QProxyStyle>

namespace velnar::controls {

class PlenMenu;
struct PlenMenuItem;

// The style of menu windows: owner-drawn items are measured and painted by
// their PlenMenu, everything else by the application's style.
class PlenMenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    // One style for all menu windows, living as long as the application.
    static PlenMenuStyle* Instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;

private:
    static const PlenMenuItem* OwnerDrawnItem(const QStyleOption* option, const QWidget* widget, PlenMenu*& menu);
};

}  // namespace velnar::controls
