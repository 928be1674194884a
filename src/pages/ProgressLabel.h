#pragma once

#include <QLabel>

namespace velnar::pages {

// "Sending Data!" beside a slot on the page while it is sent. It is painted
// at once, as the sign accepts a frame; the page takes it away when the send
// has ended.
class ProgressLabel : public QLabel {
    Q_OBJECT

public:
    explicit ProgressLabel(QWidget* parent);

    void ShowAt(const QPoint& position);
};

}  // namespace velnar::pages
