#pragma once

#include "pages/MessagePage.h"

namespace velnar::pages {

// Slots 1 to 8, tab "SAYFA1" (template 107).
class CFirstPage final : public MessagePage {
    Q_OBJECT

public:
    explicit CFirstPage(const PageSeams& seams, QWidget* parent = nullptr)
        : MessagePage(kFirstPageConfig, seams, parent)
    {
    }
};

}  // namespace velnar::pages
