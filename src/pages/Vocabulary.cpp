#include "pages/Vocabulary.h"

namespace velnar::pages {

QStringList AnimationItems()
{
    return {
        QStringLiteral("SOLDAN SAĞA"),        // left to right
        QStringLiteral("SAĞDAN SOLA"),        // right to left
        QStringLiteral("YUKARIDAN AŞAĞIYA"),  // top to bottom
        QStringLiteral("AŞAĞIDAN YUKARIYA"),  // bottom to top
        QStringLiteral("PERDELE"),            // curtain
    };
}

QStringList LevelItems()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
}

QStringList LanguageItems()
{
    return {QStringLiteral("ENGLISH"), QStringLiteral("TÜRKÇE")};
}

QString LanguageCaption()
{
    return QStringLiteral("DİL");
}

QString AnimationCaption()
{
    return QStringLiteral("ANİMASYON");
}

QString SelectionCaption()
{
    return QStringLiteral("SEÇİM");
}

QString ShowInTurnCaption()
{
    return QStringLiteral("SIRAYLA GÖSTER");
}

}  // namespace velnar::pages
