#pragma once

#include <QTabWidget>

namespace velnar::pages {

class MessagePage;

// The tabbed sheet that holds the message pages. A page is created the first
// time it becomes the active page: the first page as soon as it is added,
// the others when the operator or the SEND ALL chain brings them up.
class PageSheet : public QTabWidget {
    Q_OBJECT

public:
    explicit PageSheet(QWidget* parent = nullptr);

    // Takes the page over, under the caption of its template.
    void AddPage(MessagePage* page);
    MessagePage* Page(int index) const;
    void SetActivePage(int index) { setCurrentIndex(index); }

private:
    void OnActivated(int index);
};

}  // namespace velnar::pages
