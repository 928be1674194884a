#pragma once

#include <QString>
#include <string>

// Row texts keep their line breaks as CR LF, as the message file stores them
// and the sign takes them; an edit holds each line break as the end of a
// paragraph. The pages convert here, where text crosses between the two.
namespace velnar::pages {

// The text to give an edit for a row.
QString EditTextOf(const std::u16string& rowText);

// The row text of an edit's raw text (QTextDocument::toRawText), whose
// paragraph and line separators become CR LF.
std::u16string RowTextOf(const QString& rawEditText);

// A row text as it reads back from an edit that was given it: every line
// break, whether CR LF, a lone CR or LF, or a separator, becomes CR LF.
std::u16string NormalizedRowText(const std::u16string& rowText);

}  // namespace velnar::pages
