#include "pages/ProgressLabel.h"

namespace velnar::pages {

namespace {

constexpr QRgb kText = qRgb(253, 125, 100);
constexpr QRgb kBackground = qRgb(0, 255, 255);

}  // namespace

ProgressLabel::ProgressLabel(QWidget* parent) : QLabel(QStringLiteral("Sending Data!"), parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(kText));
    colours.setColor(QPalette::Window, QColor(kBackground));
    setPalette(colours);
    setAutoFillBackground(true);
    adjustSize();
    hide();
}

void ProgressLabel::ShowAt(const QPoint& position)
{
    move(position);
    show();
    raise();
    repaint();
}

}  // namespace velnar::pages
