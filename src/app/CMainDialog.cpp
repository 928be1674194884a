#include "app/CMainDialog.h"


#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include "app/CAboutDialog.h"
#include "app/CommandTexts.h"
#include "app/LocalPath.h"
#include "app/NativeSystemMenu.h"
#include "app/PortList.h"
#include "app/PortMapDialog.h"
#include "controls/PlenMenu.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/ModalRunner.h"
#include "file/MessageFile.h"
#include "link/NetworkAddress.h"
#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "link/SerialLibrary.h"
#include "model/MessageTable.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/Bitmaps.h"
#include "res/DialogIds.h"
#include "res/Icons.h"
#include "res/MenuFlags.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

namespace velnar::app {
namespace {

using namespace res::main_window;

// Captions with Turkish letters, set over the template's ASCII placeholders.
struct Caption {
    int id;
    QString text;
};

const Caption kCaptions[] = {
    {kPortLabel, QStringLiteral("PORT SEÇİMİ")},
    {kDateLabel, QStringLiteral("TARİH (Gn-Ay-Yıl)")},
    {kOpenButton, QStringLiteral("AÇ..")},
    {kSendAllButton, QStringLiteral("HEPSİNİ GÖNDER")},
    {kDayLabel, QStringLiteral("GÜN")},
};

// Program writes replace what the operator typed; an unchanged text is not
// written again, so the fields repaint only when the second turns.
void WriteField(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

QWidget* MakeControl(const res::DialogControl& control, QWidget& parent)
{
    return control.id == kPortList ? new PortList(&parent) : nullptr;
}

}  // namespace

CMainDialog::CMainDialog(const AppContext& context, QWidget* parent)
    : TemplateDialog(res::kMainDialog, parent, MakeControl),
      context_(context),
      link_(context.library, context.pacer, context.table),
      sender_(link_, context.clock, context.table),
      session_(link_, sender_, context.table, [&pacer = context.pacer] { return pacer.NowMs(); },
               [this] { return PortProblem(); }),
      help_(context.modal, context.programDirectory, this), settings_(context.settingsFile)
{
    banner_ = res::LoadBitmap(res::kBannerBitmap);

    AddAboutItem();
    setWindowIcon(res::LoadIconResource(res::kMainIcon));
    FillPortList();
    OpenPort(context_.table.portIndex);
    ShowPortState();
    CreateSheet();
    model::ZeroRowAttributes(context_.table);
    connect(&timer_, &QTimer::timeout, this, &CMainDialog::OnTimer);
    timer_.start(kTimerPeriodMs);
    SetCaptions();
    ConnectCommands();
    connect(&session_, &pages::SendSession::ended, this, &CMainDialog::CloseIfAsked);
    followedPage_ = firstPage_;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
    auto* preview = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(preview, &QShortcut::activated, this, &CMainDialog::ShowPreview);
    auto* sendChanged = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(sendChanged, &QShortcut::activated, this, &CMainDialog::SendChanged);
    session_.KeepRunsWith([this](const link::SendRun& run) { return KeepRun(run); });
    saved_.Remember(context_.table);
}

CMainDialog::~CMainDialog() = default;

QComboBox* CMainDialog::PortList() const
{
    return Controls().Find<QComboBox>(kPortList);
}

void CMainDialog::AddAboutItem()
{
    const QString about = res::LoadStringResource(res::kAboutString);
    if (about.isEmpty())
        return;
    const bool portMap = context_.portMap.read && context_.portMap.write;
    if (AppendSystemMenuItem(*this, about, kAboutCommand)) {
        AppendSystemMenuItem(*this, PreviewCaption(), kPreviewCommand);
        AppendSystemMenuItem(*this, SendChangedCaption(), kSendChangedCommand);
        AppendSystemMenuItem(*this, ForgetSignCaption(), kForgetCommand);
        if (portMap)
            AppendSystemMenuItem(*this, PortMapCaption(), kPortMapCommand);
        return;
    }
    systemMenu_ = std::make_unique<controls::PlenMenu>();
    systemMenu_->CreatePopupMenu();
    systemMenu_->AppendItem(QString(), res::MenuSeparator, 0);
    systemMenu_->AppendItem(about, res::MenuString, kAboutCommand);
    systemMenu_->AppendItem(PreviewCaption(), res::MenuString, kPreviewCommand);
    systemMenu_->AppendItem(SendChangedCaption(), res::MenuString, kSendChangedCommand);
    systemMenu_->AppendItem(ForgetSignCaption(), res::MenuString, kForgetCommand);
    if (portMap)
        systemMenu_->AppendItem(PortMapCaption(), res::MenuString, kPortMapCommand);
    // Alt+Space opens it from whichever control has the focus (eventFilter).
    QCoreApplication::instance()->installEventFilter(this);
}

// The port chosen last time, COM1 the first time.
void CMainDialog::FillPortList()
{
    context_.table.portIndex = settings_.PortIndex();
    QComboBox* ports = PortList();
    for (int port = 1; port <= kPortCount; ++port)
        ports->addItem(QStringLiteral("COM%1").arg(port));
    ports->setCurrentIndex(context_.table.portIndex);
    ShowPortItems();
}

void CMainDialog::ShowPortItems()
{
    for (int port = 1; port <= kPortCount; ++port) {
        const std::string text = link::DescribeComPort(port, context_.ports.Com(port));
        PortList()->setItemData(port - 1, QString::fromStdString(text), Qt::ToolTipRole);
    }
}

void CMainDialog::CreateSheet()
{
    const pages::PageSeams seams{context_.table, context_.clock, session_, context_.modal};
    sheet_ = new pages::PageSheet(this);
    firstPage_ = new pages::CFirstPage(seams);
    secondPage_ = new pages::CSecondPage(seams);
    sheet_->AddPage(firstPage_);
    sheet_->AddPage(secondPage_);
    LayOutSheet();
}

// The sheet follows the window's size: from its place below the fields to
// the window's right and bottom edges.
void CMainDialog::LayOutSheet()
{
    if (sheet_)
        sheet_->setGeometry(QRect(kSheetPosition, QSize(width(), height() - kSheetPosition.y())));
}

void CMainDialog::SetCaptions()
{
    for (const Caption& caption : kCaptions) {
        QWidget* control = Control(caption.id);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption.text);
        else if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(caption.text);
    }
}

void CMainDialog::ConnectCommands()
{
    for (const int id : {kOpenButton, kSaveButton, kSendAllButton, kHelpButton})
        connect(Controls().Find<QPushButton>(id), &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    // Only the operator's choice from the list; the program's own
    // selections change no port.
    connect(PortList(), &QComboBox::activated, this, &CMainDialog::OnPortChanged);
    connect(Controls().Find<app::PortList>(kPortList), &app::PortList::aboutToOpen, this, &CMainDialog::OnPortListOpening);
}

void CMainDialog::OnTimer()
{
    // Ticks come every 5 ms; the texts change once a second.
    const link::LocalDateTime now = context_.clock.Now();
    if (!displayed_ || *displayed_ != now) {
        display_ = FormatDateDisplay(now);
        displayed_ = now;
    }
    if (context_.table.sendAllPage2Turn)
        sheet_->SetActivePage(1);
    if (context_.table.sendAllRequested && !session_.Busy())
        sheet_->SetActivePage(0);
    WriteField(Controls().Find<QLineEdit>(kDateField), display_.date);
    WriteField(Controls().Find<QLineEdit>(kTimeField), display_.time);
    WriteField(Controls().Find<QLineEdit>(kDayField), display_.day);
}

void CMainDialog::OnSysCommand(int command)
{
    switch (command & 0xFFF0) {
    case kPreviewCommand: ShowPreview(); return;
    case kSendChangedCommand: SendChanged(); return;
    case kForgetCommand: ForgetSign(); return;
    case kPortMapCommand: ShowPortMap(); return;
    default: break;
    }
    if ((command & 0xFFF0) != kAboutCommand)
        return;
    CAboutDialog about(this);
    context_.modal.Run(about);
}

void CMainDialog::ShowPreview()
{
    if (!preview_) {
        preview_ = new PreviewWindow(context_.table, context_.clock, this);
        preview_->Follow(*followedPage_, followedSlot_);
    }
    preview_->show();
    preview_->raise();
}

// The preview shows the slot whose control has the focus, or had it last.
void CMainDialog::FollowFocus(QWidget* now)
{
    for (pages::MessagePage* page : {static_cast<pages::MessagePage*>(firstPage_), static_cast<pages::MessagePage*>(secondPage_)}) {
        const int j = now ? page->SlotOf(now) : -1;
        if (j < 0)
            continue;
        followedPage_ = page;
        followedSlot_ = j;
        if (preview_)
            preview_->Follow(*page, j);
    }
}

void CMainDialog::OpenSystemMenu(const QPoint& globalPosition)
{
    if (!systemMenu_)
        return;
    if (const int command = systemMenu_->TrackPopupMenu(globalPosition))
        OnSysCommand(command);
}

void CMainDialog::OnCommand(int id)
{
    switch (id) {
    case kOpenButton:
    case res::kCommandOpen: OnOpen(); break;
    case kSaveButton:
    case res::kCommandSave: OnSave(); break;
    case kSendAllButton:
    case res::kCommandSendAll: OnSendAll(); break;
    case kHelpButton: OnHelp(); break;
    default: break;
    }
}

// The pages take the loaded table up on their next tick (the core raises
// both flags, also after a failed read).
void CMainDialog::OnOpen()
{
    const QString path = context_.fileDialogs.AskOpenPath(*this, context_.modal, settings_.Folder());
    if (!path.isEmpty())
        OpenFile(path);
}

void CMainDialog::OpenFile(const QString& path)
{
    const file::FileResult result = file::LoadMessageFile(LocalPath(path), context_.table);
    if (!result.ok) {
        dialogs::ShowMessageBox(context_.modal, this, QMessageBox::Warning, OpenFailureText(path, result.reason));
        return;
    }
    saved_.Remember(context_.table);
    settings_.SetFolder(QFileInfo(path).absolutePath());
}

// The file has no escape for its own markers: a row that would not read
// back whole is written only on the operator's word, asked before anything
// is written.
bool CMainDialog::OnSave()
{
    const std::vector<file::RowMismatch> rows = file::RowsThatWillNotReadBack(context_.table);
    if (!rows.empty() && !AskSaveAnyway(rows))
        return false;
    const QString path = context_.fileDialogs.AskSavePath(*this, context_.modal, settings_.Folder());
    if (path.isEmpty())
        return false;
    const file::FileResult result = file::SaveMessageFile(LocalPath(path), context_.table);
    if (!result.ok) {
        dialogs::ShowMessageBox(context_.modal, this, QMessageBox::Warning, SaveFailureText(path, result.reason));
        return false;
    }
    saved_.Remember(context_.table);
    settings_.SetFolder(QFileInfo(path).absolutePath());
    return true;
}

bool CMainDialog::AskSaveAnyway(const std::vector<file::RowMismatch>& rows)
{
    QMessageBox box(QMessageBox::Warning, dialogs::ProgramCaption(), SaveAnywayQuestion(rows, context_.table),
                    QMessageBox::Save | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Save anyway"));
    box.setDefaultButton(QMessageBox::Cancel);
    dialogs::FitCaption(box);
    return context_.modal.Run(box) == QMessageBox::Save;
}

// Only raises the flag: page 1's timer takes it up. A second request while
// it is still set changes nothing.
void CMainDialog::OnSendAll()
{
    context_.table.sendAllRequested = 1;
}

void CMainDialog::OnHelp()
{
    help_.DoModal();
}

void CMainDialog::OpenPort(int index)
{
    link_.OpenLink(index);
    const link::ComPort& com = context_.ports.Com(link_.LibraryPort());
    openedDevice_ = com.device;
    link_.SetByteMargin(link::IsNetworkAddress(com.device) ? com.netMarginMs : 0);
}

// A changed map takes effect at once: the list shows it, and the selected
// port is opened again on what it maps to now.
void CMainDialog::ShowPortMap()
{
    if (session_.Busy())
        return;
    // The port the editor holds open cannot be opened a second time; that
    // it is open says enough.
    const auto tryPort = [this](const std::string& device) {
        if (device == openedDevice_ && PortProblem().isEmpty())
            return std::string();
        return context_.portMap.tryPort ? context_.portMap.tryPort(device) : std::string();
    };
    PortMapDialog dialog(context_.ports.Map(), context_.portMap.read(), tryPort, this);
    if (context_.modal.Run(dialog) != QDialog::Accepted)
        return;
    context_.portMap.write(dialog.Entries());
    context_.ports.Refresh();
    ShowPortItems();
    OpenPort(context_.table.portIndex);
    ShowPortState();
}

void CMainDialog::OnPortChanged(int index)
{
    settings_.SetPortIndex(index);
    OpenPort(index);
    ShowPortState();
}

// The devices are looked up again as the operator opens the list. A COM port
// whose device changed since it was opened is reopened, so that a send
// never goes to another device than the list shows, and the tooltip says so.
void CMainDialog::OnPortListOpening()
{
    context_.ports.Refresh();
    ShowPortItems();
    const std::string previous = openedDevice_;
    if (context_.ports.Com(link_.LibraryPort()).device == previous)
        return;
    OpenPort(context_.table.portIndex);
    ShowPortState(previous.empty() ? QStringLiteral("no port") : QString::fromStdString(previous));
}

QString CMainDialog::PortProblem() const
{
    return QString::fromStdString(context_.library.PortProblem(link_.LibraryPort()));
}

// On the port list rather than in a box, so that a machine without the
// port still starts quietly.
void CMainDialog::ShowPortState(const QString& previousDevice)
{
    const int port = link_.LibraryPort();
    PortList()->setToolTip(PortListToolTip(port, context_.ports.Com(port), previousDevice, PortProblem()));
}

// Edits that no file holds yet are lost only on the operator's word: the
// window closes on Discard or once SAVE has written them, and stays open on
// Cancel and on a save that was cancelled or failed. Enter picks Save.
void CMainDialog::done(int result)
{
    // Closing during a send stops it after the frame on the line; the
    // window closes once the send has ended and told what it got across.
    if (session_.Active()) {
        session_.Stop();
        closeWhenSent_ = result;
        return;
    }
    if (!saved_.Matches(context_.table)) {
        const QMessageBox::StandardButton answer = dialogs::ShowMessageBox(
            context_.modal, this, QMessageBox::Question, SaveChangesQuestion(),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QString(), QMessageBox::Save);
        if (answer != QMessageBox::Discard && !(answer == QMessageBox::Save && OnSave()))
            return;
    }
    QDialog::done(result);
}

void CMainDialog::CloseIfAsked()
{
    if (!closeWhenSent_)
        return;
    const int result = *closeWhenSent_;
    closeWhenSent_.reset();
    // After the handler of the send has returned.
    QTimer::singleShot(0, this, [this, result] { done(result); });
}

void CMainDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(kBannerPosition, banner_);
}

void CMainDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOutSheet();
}

// A right click on the window's free area opens the menu with the about
// item; controls with a menu of their own keep theirs.
void CMainDialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (!systemMenu_) {
        QDialog::contextMenuEvent(event);
        return;
    }
    OpenSystemMenu(event->globalPos());
}

// Alt+Space opens the window's menu before the control with the focus sees
// the key, since a button or a box takes it for Space and presses itself.
// What counts is that the key goes to a control of this window, not that the
// system made the window the active one: where the keyboard follows the
// pointer (an X display without a window manager), keys reach the window
// under it, active or not, and a window shortcut then never fires.
bool CMainDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (key.key() == Qt::Key_Space && key.modifiers() == Qt::AltModifier && widget && widget->window() == this) {
            OpenSystemMenu(mapToGlobal(QPoint(0, 0)));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CMainDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const int command = SystemMenuCommand(eventType, message);
    if (command == kAboutCommand || command == kPreviewCommand || command == kSendChangedCommand ||
        command == kForgetCommand || command == kPortMapCommand) {
        OnSysCommand(command);
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

}  // namespace velnar::app
