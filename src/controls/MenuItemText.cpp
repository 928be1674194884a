#include "controls/MenuItemText.h"

#include <QFontMetrics>
#include <algorithm>

namespace velnar::controls {

ItemTextParts SplitItemText(const QString& text)
{
    const int firstTab = text.indexOf(QLatin1Char('\t'));
    if (firstTab < 0)
        return {text, {}};
    return {text.left(firstTab), text.mid(text.lastIndexOf(QLatin1Char('\t')) + 1)};
}

QStringList AlignAccelerators(const QStringList& texts, const QFontMetrics& metrics)
{
    const QLatin1Char tab('\t');
    const QLatin1Char blank(' ');
    if (metrics.horizontalAdvance(blank) <= 0)
        return texts;

    int widest = 0;
    for (const QString& text : texts) {
        if (text.contains(tab))
            widest = std::max(widest, metrics.horizontalAdvance(SplitItemText(text).label + blank));
    }

    QStringList aligned;
    for (const QString& text : texts) {
        if (!text.contains(tab)) {
            aligned << text;
            continue;
        }
        ItemTextParts parts = SplitItemText(text);
        while (metrics.horizontalAdvance(parts.label) < widest)
            parts.label += blank;
        aligned << parts.label + tab + parts.accelerator;
    }
    return aligned;
}

int FindMnemonicPosition(const QStringList& texts, QChar character)
{
    const QString key = QLatin1Char('&') + QString(character).toLower();
    for (int position = 0; position < texts.size(); ++position) {
        if (texts[position].toLower().contains(key))
            return position;
    }
    return -1;
}

}  // namespace velnar::controls
