#include "app/PortMapDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "link/NetworkAddress.h"

namespace velnar::app {

PortMapDialog::PortMapDialog(const link::ComPortMap& ports, const link::PortMapEntries& entries, TryPort tryPort,
                             QWidget* parent)
    : QDialog(parent), tryPort_(std::move(tryPort))
{
    setWindowTitle(QStringLiteral("PORTLAR"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Device path, or tcp://HOST:PORT, rfc2217://HOST:PORT")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Network margin")), 0, 2);
    for (int port = 1; port <= link::kComPortCount; ++port) {
        const link::ComPort& com = ports[static_cast<std::size_t>(port - 1)];
        const auto entry = entries.find(port);
        Row row{new QLineEdit, new QSpinBox, new QPushButton(QStringLiteral("Dene")), new QLabel, {}};
        row.margin->setRange(0, 1000);
        row.margin->setSuffix(QStringLiteral(" ms"));
        row.margin->setValue(link::kDefaultNetMarginMs);
        row.margin->setToolTip(QStringLiteral("Added to the wait after each byte on a network port"));
        if (com.origin == link::PortOrigin::Environment) {
            row.address->setText(QString::fromStdString(com.device));
            row.address->setEnabled(false);
            row.address->setToolTip(QStringLiteral("VELNAR_COM%1 names this port, and wins over this map").arg(port));
            if (entry != entries.end())
                shadowed_[port] = entry->second;
        } else if (com.origin == link::PortOrigin::Automatic) {
            row.automatic = QString::fromStdString(com.device);
        }
        if (com.origin != link::PortOrigin::Environment && entry != entries.end()) {
            row.address->setText(QString::fromStdString(entry->second.address));
            bool number = false;
            const int margin = QString::fromStdString(entry->second.netMarginMs).toInt(&number);
            if (number)
                row.margin->setValue(margin);
        }
        row.address->setPlaceholderText(row.automatic.isEmpty() ? QStringLiteral("automatic: no port")
                                                                 : QStringLiteral("automatic: ") + row.automatic);
        if (!com.problem.empty())
            row.result->setText(QString::fromStdString(com.problem));
        grid->addWidget(new QLabel(QStringLiteral("COM%1").arg(port)), port, 0);
        grid->addWidget(row.address, port, 1);
        grid->addWidget(row.margin, port, 2);
        grid->addWidget(row.tryButton, port, 3);
        grid->addWidget(row.result, port, 4);
        connect(row.tryButton, &QPushButton::clicked, this, [this, port] { Try(port); });
        rows_.push_back(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void PortMapDialog::Try(int port)
{
    const Row& row = rows_[static_cast<std::size_t>(port - 1)];
    const QString device = row.address->text().trimmed().isEmpty() ? row.automatic : row.address->text().trimmed();
    if (device.isEmpty()) {
        row.result->setText(QStringLiteral("no port"));
        return;
    }
    QString problem;
    if (link::IsNetworkAddress(device.toStdString())) {
        const link::ParsedAddress parsed = link::ParseNetworkAddress(device.toStdString());
        problem = QString::fromStdString(parsed.error);
    }
    if (problem.isEmpty())
        problem = QString::fromStdString(tryPort_ ? tryPort_(device.toStdString()) : std::string());
    // The library names the port in its problem; the row already does.
    if (problem.startsWith(device + QStringLiteral(": ")))
        problem.remove(0, device.size() + 2);
    row.result->setText(problem.isEmpty() ? QStringLiteral("opened") : QStringLiteral("did not open: ") + problem);
}

link::PortMapEntries PortMapDialog::Entries() const
{
    link::PortMapEntries entries = shadowed_;
    for (int port = 1; port <= link::kComPortCount; ++port) {
        const Row& row = rows_[static_cast<std::size_t>(port - 1)];
        const std::string address = row.address->text().trimmed().toStdString();
        if (!row.address->isEnabled() || address.empty())
            continue;
        entries[port] = {address, link::IsNetworkAddress(address) ? std::to_string(row.margin->value()) : std::string()};
    }
    return entries;
}

}  // namespace velnar::app
