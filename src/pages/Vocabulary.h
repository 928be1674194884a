#pragma once

#include <QString>
#include <QStringList>

// The items of the pages' selectors, in list order, and the captions the
// pages set at initialisation. The templates carry ASCII placeholders; the
// Turkish letters (Ğ, Ş, İ, Ü, Ç, Ö) come in here.
namespace velnar::pages {

QStringList AnimationItems();  // item index = stored animation
QStringList LevelItems();      // brightness and speed: "1", "2", "3"
QStringList LanguageItems();   // "ENGLISH", "TÜRKÇE"
constexpr int kTurkishItem = 1;

QString LanguageCaption();    // static 1119
QString AnimationCaption();   // static 1121
QString SelectionCaption();   // static 1120
QString ShowInTurnCaption();  // button 1117

}  // namespace velnar::pages
