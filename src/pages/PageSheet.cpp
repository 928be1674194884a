#include "pages/PageSheet.h"

#include "pages/MessagePage.h"

namespace velnar::pages {

PageSheet::PageSheet(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &PageSheet::OnActivated);
}

void PageSheet::AddPage(MessagePage* page)
{
    addTab(page, page->Caption());
}

MessagePage* PageSheet::Page(int index) const
{
    return qobject_cast<MessagePage*>(widget(index));
}

void PageSheet::OnActivated(int index)
{
    if (MessagePage* page = Page(index))
        page->Create();
}

}  // namespace velnar::pages
