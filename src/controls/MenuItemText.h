#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

namespace velnar::controls {

// An item text is its label, optionally followed by a tab and the
// accelerator text ("Open\tCtrl+O").
struct ItemTextParts {
    QString label;        // the text before the first tab
    QString accelerator;  // the text after the last tab; empty without a tab
};
ItemTextParts SplitItemText(const QString& text);

// Pads the labels of the items that have an accelerator with blanks up to the
// widest such label plus one blank, so the accelerators line up.
QStringList AlignAccelerators(const QStringList& texts, const QFontMetrics& metrics);

// Position of the first text holding "&" followed by the character, without
// regard to case (so a doubled ampersand before it matches too); -1 if none.
int FindMnemonicPosition(const QStringList& texts, QChar character);

}  // namespace velnar::controls
