#pragma once

#include <QComboBox>
#include <QString>

#include "link/ComPorts.h"

namespace velnar::app {

// The port list (COM1 to COM9). It says when the operator opens it, so that
// the devices behind the items are looked up again first: an adapter
// plugged in while the editor runs is then found.
class PortList final : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void aboutToOpen();
};

// The list's own tooltip for the selected port: what it is, that it was
// reopened on another device (when `previousDevice` is not empty), and why
// it cannot be used (when `problem` is not empty).
QString PortListToolTip(int port, const link::ComPort& com, const QString& previousDevice, const QString& problem);

}  // namespace velnar::app
