#pragma once

#include <QLabel>

namespace velnar::pages {

// "Sending Data!" beside a slot on the page while it is sent. It is painted
// at once, as no event is processed during a send; the page takes it away.
class ProgressLabel : public QLabel {
    Q_OBJECT

public:
    explicit ProgressLabel(QWidget* parent);

    void ShowAt(const QPoint& position);
};

}  // namespace velnar::pages
