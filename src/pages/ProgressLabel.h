#pragma once

#include <QLabel>

namespace velnar::pages {

// "Sending Data!" on the page while a send blocks the window. It is painted
// at once, as no event is processed during a send, and goes as soon as the
// window processes events again.
class ProgressLabel : public QLabel {
    Q_OBJECT

public:
    explicit ProgressLabel(QWidget* parent);

    void ShowAt(const QPoint& position);
};

}  // namespace velnar::pages
