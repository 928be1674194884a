#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "link/ComPorts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velnar::app {

// "PORTLAR…": what COM1 to COM9 map to. An empty field is the automatic
// device (shown greyed in it); the operator types a device path or a
// network address instead, with the margin a network port waits after each
// byte. "Dene" opens the port as typed and closes it again, sending nothing
// to the sign, and says whether it opened. A port that VELNAR_COMn names is
// shown, not edited: the environment wins.
class PortMapDialog final : public QDialog {
    Q_OBJECT

public:
    // Opens a port by its device or address and closes it: empty when it
    // opened, else why not.
    using TryPort = std::function<std::string(const std::string& device)>;

    PortMapDialog(const link::ComPortMap& ports, const link::PortMapEntries& entries, TryPort tryPort,
                  QWidget* parent = nullptr);

    link::PortMapEntries Entries() const;

    QLineEdit* AddressField(int port) const { return rows_[static_cast<std::size_t>(port - 1)].address; }
    QPushButton* TryButton(int port) const { return rows_[static_cast<std::size_t>(port - 1)].tryButton; }
    QLabel* TryResult(int port) const { return rows_[static_cast<std::size_t>(port - 1)].result; }

private:
    struct Row {
        QLineEdit* address;
        QSpinBox* margin;
        QPushButton* tryButton;
        QLabel* result;
        QString automatic;  // the device an empty field stands for
    };

    void Try(int port);

    TryPort tryPort_;
    std::vector<Row> rows_;
    link::PortMapEntries shadowed_;  // entries of ports the environment names, kept as they are
};

}  // namespace velnar::app
