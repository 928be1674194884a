#include "pages/RowText.h"

namespace velnar::pages {
namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kLineSeparator = u'\u2028';
constexpr char16_t kParagraphSeparator = u'\u2029';
const std::u16string kCrLf = u"\r\n";

}  // namespace

QString EditTextOf(const std::u16string& rowText)
{
    QString text = QString::fromStdU16String(rowText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::u16string RowTextOf(const QString& rawEditText)
{
    std::u16string row;
    row.reserve(static_cast<std::size_t>(rawEditText.size()));
    for (QChar c : rawEditText) {
        if (c == kParagraphSeparator || c == kLineSeparator)
            row += kCrLf;
        else
            row += c.unicode();
    }
    return row;
}

std::u16string NormalizedRowText(const std::u16string& rowText)
{
    std::u16string row;
    row.reserve(rowText.size());
    for (std::size_t i = 0; i < rowText.size(); ++i) {
        const char16_t c = rowText[i];
        if (c == kCr && i + 1 < rowText.size() && rowText[i + 1] == kLf)
            ++i;
        if (c == kCr || c == kLf || c == kLineSeparator || c == kParagraphSeparator)
            row += kCrLf;
        else
            row += c;
    }
    return row;
}

}  // namespace velnar::pages
