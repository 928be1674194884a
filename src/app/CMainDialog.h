#pragma once

#include <QImage>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/AppContext.h"
#include "app/CHelpDialog.h"
#include "app/DateDisplay.h"
#include "app/EditorSettings.h"
#include "app/PreviewWindow.h"
#include "app/SavedContent.h"
#include "dialogs/TemplateDialog.h"
#include "file/RowReadBack.h"
#include "link/ComPorts.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "pages/SendSession.h"

class QComboBox;
class QLineEdit;

namespace velnar::controls {
class PlenMenu;
}

namespace velnar::pages {
class CFirstPage;
class CSecondPage;
class PageSheet;
}  // namespace velnar::pages

namespace velnar::app {

// The main window (template 102): the command buttons, the port list, the
// live date, time and day, the banner and the sheet with the two message
// pages. It runs as a modal dialog; closing it ends the program.
class CMainDialog : public dialogs::TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kTimerPeriodMs = 5;
    static constexpr int kAboutCommand = 16;
    static constexpr int kPreviewCommand = 32;  // "ÖNİZLEME", beside the about item
    static constexpr int kSendChangedCommand = 48;  // "DEĞİŞENLERİ GÖNDER", also F5
    static constexpr int kForgetCommand = 64;  // forget what the sign on the port holds
    static constexpr int kPortMapCommand = 80;  // "PORTLAR…"
    static constexpr int kPortCount = link::kComPortCount;  // "COM1" to "COM9"
    static constexpr QPoint kBannerPosition{230, 0};
    static constexpr QPoint kSheetPosition{0, 85};

    explicit CMainDialog(const AppContext& context, QWidget* parent = nullptr);
    ~CMainDialog() override;

    QComboBox* PortList() const;
    pages::PageSheet& Sheet() const { return *sheet_; }
    pages::CFirstPage& FirstPage() const { return *firstPage_; }
    pages::CSecondPage& SecondPage() const { return *secondPage_; }
    link::SignLink& Link() { return link_; }
    pages::SendSession& Session() { return session_; }
    QTimer& Timer() { return timer_; }
    // The menu that holds the about item where the platform has no system
    // menu of its own to take it; null otherwise.
    controls::PlenMenu* SystemMenu() const { return systemMenu_.get(); }
    CHelpDialog& HelpDialog() { return help_; }
    // The preview of the sign, made when first shown (F2, or the system
    // menu); null before.
    PreviewWindow* Preview() const { return preview_; }
    void ShowPreview();
    // Opens the message file at `path` as "AÇ.." does, with its messages
    // for a file that cannot be read: the editor's command-line argument.
    void OpenFile(const QString& path);
    // "DEĞİŞENLERİ GÖNDER": one run of the slots, in order, that differ from
    // what the port's sign holds as far as this computer knows, or that it
    // does not hold; each goes out as its own send button sends it.
    void SendChanged();
    void ForgetSign();

public slots:
    // Timer 1: the date, time and day, and the page whose turn it is in a
    // SEND ALL brought to the front.
    void OnTimer();
    // A command of the system menu: the about box for 16.
    void OnSysCommand(int command);
    void OpenSystemMenu(const QPoint& globalPosition);
    // A command button or a command of menu 142 ("MENUE"): each menu command
    // runs the handler of its button.
    void OnCommand(int id);

protected:
    // Every way of closing ends here: Escape, Enter and the close box.
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private slots:
    void OnPortChanged(int index);
    void OnPortListOpening();

private:
    void OnOpen();
    // True when the file was written.
    bool OnSave();
    bool AskSaveAnyway(const std::vector<file::RowMismatch>& rows);
    void OnSendAll();
    void OnHelp();
    void OpenPort(int index);
    void ShowPortItems();
    QString PortProblem() const;
    void ShowPortState(const QString& previousDevice = {});
    void ShowPortMap();
    void AddAboutItem();
    std::string KeepRun(const link::SendRun& run);
    pages::MessagePage& PageOfSlot(int slot) const;
    void FillPortList();
    void CreateSheet();
    void LayOutSheet();
    void SetCaptions();
    void ConnectCommands();
    void CloseIfAsked();
    void FollowFocus(QWidget* now);

    AppContext context_;
    link::SignLink link_;
    link::SlotSender sender_;
    pages::SendSession session_;
    std::optional<int> closeWhenSent_;  // the window was closed during a send
    PreviewWindow* preview_ = nullptr;
    // The slot the operator works on: its page and page-relative slot.
    pages::MessagePage* followedPage_ = nullptr;
    int followedSlot_ = 0;
    pages::PageSheet* sheet_ = nullptr;
    pages::CFirstPage* firstPage_ = nullptr;
    pages::CSecondPage* secondPage_ = nullptr;
    std::unique_ptr<controls::PlenMenu> systemMenu_;
    QImage banner_;
    QTimer timer_;
    DateDisplay display_;  // the bound texts of the date, time and day fields
    std::optional<link::LocalDateTime> displayed_;  // the time display_ shows
    CHelpDialog help_;
    SavedContent saved_;  // what the file held at the last OPEN or SAVE
    std::string openedDevice_;  // what the selected COM port was opened on
    EditorSettings settings_;
};

}  // namespace velnar::app
