#pragma once

#include <QMenu>

namespace velnar::controls {

class PlenMenu;

// The window of a PlenMenu. It hands each item to the menu to be measured and
// drawn (through PlenMenuStyle) and asks the menu about typed mnemonics first.
class MenuWindow : public QMenu {
    Q_OBJECT

public:
    explicit MenuWindow(PlenMenu* owner);

    PlenMenu* Owner() const { return m_owner; }

protected:
    // Tells the style which action an option describes.
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PlenMenu* m_owner;
};

}  // namespace velnar::controls
