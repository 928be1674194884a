#pragma once

#include "pages/MessagePage.h"

namespace velnar::pages {

// Slots 9 to 16, tab "SAYFA2" (template 108).
class CSecondPage final : public MessagePage {
    Q_OBJECT

public:
    explicit CSecondPage(const PageSeams& seams, QWidget* parent = nullptr)
        : MessagePage(kSecondPageConfig, seams, parent)
    {
    }
};

}  // namespace velnar::pages
