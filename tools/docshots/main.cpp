// velnar-docshots: the README's pictures of the editor, drawn offscreen:
// the progress window over the main window during SEND ALL, and the main
// window beside its preview.
//
//   velnar-docshots FOLDER      writes FOLDER/progress.png and FOLDER/preview.png
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "app/AppContext.h"
#include "app/CMainDialog.h"
#include "app/PreviewWindow.h"
#include "dialogs/ModalRunner.h"
#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "link/SignLink.h"
#include "sign/VirtualLine.h"
#include "model/MessageTable.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "pages/ProgressWindow.h"
#include "pages/SendSession.h"
#include "res/DialogIds.h"
#include "sign/VirtualSign.h"

using namespace velnar;

namespace {

class AnsweringRunner final : public dialogs::ModalRunner {
public:
    int Run(QDialog&) override { return QDialog::Accepted; }
};

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velnar-docshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    link::VirtualClock pacer;
    sign::VirtualLine line(pacer);
    sign::VirtualSign sign;
    sign::AttachSign(line, sign);
    link::PortDirectory ports({}, {}, link::PortDirectory::Naming::Mapped);
    link::SystemLocalClock clock;
    AnsweringRunner modal;
    model::MessageTable table;
    const char16_t* texts[] = {u"MERHABA", u"HOŞ GELDİNİZ", u"KAMPANYA", u"%50 İNDİRİM", u"AÇIK", u"09:00 - 21:00"};
    for (int i = 0; i < 6; ++i)
        table.rowText[static_cast<std::size_t>(i)] = texts[i];
    table.slotTwoRows = {1, 1, 1};
    table.rowAnimation[0] = 1;
    table.rowAnimation[8] = 4;
    table.fileLoadedPage1 = table.fileLoadedPage2 = 1;
    const app::AppContext context{line, pacer, clock, table, modal, ports};
    app::CMainDialog window(context);
    window.show();
    window.FirstPage().OnTimer();

    // The progress window as it stands at slot 3 of SEND ALL.
    int frames = 0;
    window.Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult) {
        if (++frames != 9)
            return;
        pages::ProgressWindow& progress = *window.Session().Window();
        progress.Refresh();
        QImage picture = window.grab().toImage();
        const QImage over = progress.grab().toImage();
        QPainter(&picture).drawImage((picture.width() - over.width()) / 2, (picture.height() - over.height()) / 2,
                                     over);
        picture.save(folder.filePath(QStringLiteral("progress.png")));
    });
    qobject_cast<QPushButton*>(window.Control(res::main_window::kSendAllButton))->click();
    window.FirstPage().OnTimer();
    window.OnTimer();
    window.SecondPage().OnTimer();
    window.Link().SetExchangeObserver({});

    // The editor beside its preview, slot 1 entered.
    window.Sheet().SetActivePage(0);
    window.FirstPage().Slot(0).Row(1).edit->setFocus();
    window.ShowPreview();
    window.Preview()->resize(window.width(), 260);
    Wait(2500);
    const QImage editor = window.grab().toImage();
    const QImage preview = window.Preview()->grab().toImage();
    QImage both(editor.width() + 12 + preview.width(), std::max(editor.height(), preview.height()),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, editor);
    painter.drawImage(editor.width() + 12, 0, preview);
    painter.end();
    both.save(folder.filePath(QStringLiteral("preview.png")));
    return 0;
}
