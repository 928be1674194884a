#include "pages/MessagePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "controls/CHotButton.h"
#include "dialogs/DialogKeys.h"
#include "model/Selectors.h"
#include "pages/ProgressLabel.h"
#include "pages/RowText.h"
#include "pages/Vocabulary.h"
#include "res/ResourceIds.h"

namespace velnar::pages {
namespace {

constexpr QRgb kSendButtonTransparent = qRgb(255, 0, 255);
constexpr qint16 kSendButtonHotShift = 30;

const res::DialogTemplate& TemplateOf(const PageConfig& config)
{
    return *res::FindDialogTemplate(config.layout.templateId);
}

template <class Widget>
Widget* Bind(const dialogs::DialogControls& controls, int id)
{
    Widget* widget = controls.Find<Widget>(id);
    Q_ASSERT_X(widget, "MessagePage", "a control of the page layout is missing from its template");
    return widget;
}

}  // namespace

MessagePage::MessagePage(const PageConfig& config, const PageSeams& seams, QWidget* parent)
    : QWidget(parent),
      config_(config),
      seams_(seams),
      templateSize_(dialogs::ToPixels(QSize(config.layout.width, config.layout.height),
                                      dialogs::BaseUnitsOf(dialogs::TemplateFont(TemplateOf(config))))),
      completion_(this),
      notices_(*this, seams.modal, completion_)
{
    state_.firstSlot = config.layout.firstSlot;
    connect(&timer_, &QTimer::timeout, this, &MessagePage::OnTimer);
}

MessagePage::~MessagePage() = default;

QString MessagePage::Caption() const
{
    return QString::fromUtf8(config_.layout.caption);
}

int MessagePage::SlotOf(const QWidget* widget) const
{
    for (int j = 0; j < kSlots; ++j) {
        const SlotControls& slot = Slot(j);
        const QWidget* controls[] = {slot.rows[0].edit,       slot.rows[0].animation, slot.rows[0].brightness,
                                     slot.rows[0].speed,      slot.rows[1].edit,      slot.rows[1].animation,
                                     slot.rows[1].brightness, slot.rows[1].speed,     slot.twoRows,
                                     slot.selected,           slot.clock,             slot.send};
        for (const QWidget* control : controls) {
            // An editable selector's field is a child of the selector.
            if (control && (control == widget || control->isAncestorOf(widget)))
                return j;
        }
    }
    return -1;
}

void MessagePage::SetRowString(int pageRow, std::u16string text)
{
    state_.rowStrings[static_cast<std::size_t>(pageRow)] = std::move(text);
}

void MessagePage::Create()
{
    if (created_)
        return;
    created_ = true;
    controls_ = dialogs::BuildControls(
        TemplateOf(config_), *this,
        [this](const res::DialogControl& control, QWidget& parent) { return MakeControl(control, parent); });
    BindControls();
    // A row of the sign has no line break: Enter in a row moves on instead.
    for (const SlotControls& slot : slots_) {
        for (const RowControls& row : slot.rows)
            dialogs::EnterMovesFocus(*row.edit);
    }
    for (ProgressLabel*& label : progress_)
        label = new ProgressLabel(this);
    WriteEdits();
    Initialise();
    ConnectHandlers();
}

QWidget* MessagePage::MakeControl(const res::DialogControl& control, QWidget& parent) const
{
    const res::SlotIds& send = config_.layout.ids.send;
    if (std::find(send.begin(), send.end(), control.id) == send.end())
        return nullptr;
    auto* button = new controls::CHotButton(&parent);
    button->ApplyTemplateStyle(control.style);
    return button;
}

void MessagePage::BindControls()
{
    const res::PageIds& ids = config_.layout.ids;
    for (std::size_t j = 0; j < kSlots; ++j) {
        SlotControls& slot = slots_[j];
        for (std::size_t r = 0; r < 2; ++r) {
            const res::PageRowIds& rowIds = ids.rows[r];
            RowControls& row = slot.rows[r];
            row.edit = Bind<QPlainTextEdit>(controls_, rowIds.edit[j]);
            row.animation = Bind<QComboBox>(controls_, rowIds.animation[j]);
            row.brightness = Bind<QComboBox>(controls_, rowIds.brightness[j]);
            row.speed = Bind<QComboBox>(controls_, rowIds.speed[j]);
        }
        slot.language = Bind<QComboBox>(controls_, ids.language[j]);
        slot.twoRows = Bind<QCheckBox>(controls_, ids.twoRows[j]);
        slot.selected = Bind<QCheckBox>(controls_, ids.selected[j]);
        slot.clock = Bind<QCheckBox>(controls_, ids.clock[j]);
        slot.send = Bind<controls::CHotButton>(controls_, ids.send[j]);
    }
    showInTurn_ = Bind<QPushButton>(controls_, ids.showInTurnButton);
    languageLabel_ = Bind<QLabel>(controls_, ids.languageLabel);
    animationLabel_ = Bind<QLabel>(controls_, ids.animationLabel);
    selectionLabel_ = Bind<QLabel>(controls_, ids.selectionLabel);
}

// Reads the table and never writes it: every selector shows the value stored
// for its own row, or no selection for a value that names no item.
void MessagePage::Initialise()
{
    for (const SlotControls& slot : slots_) {
        slot.send->AssignBitmaps(res::kSendButtonBitmap, kSendButtonTransparent, 0, 0);
        slot.send->ShiftColor(controls::CHotButton::ColorHotBack, kSendButtonHotShift, true);
    }
    languageLabel_->setText(LanguageCaption());
    animationLabel_->setText(AnimationCaption());
    FillAnimationSelectors();
    FillLanguageSelectors();
    FillLevelSelectors();
    timer_.start(kTimerPeriodMs);
    selectionLabel_->setText(SelectionCaption());
    showInTurn_->setText(ShowInTurnCaption());
}

void MessagePage::FillAnimationSelectors()
{
    const QStringList items = AnimationItems();
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            QComboBox* selector = Slot(j).Row(row).animation;
            selector->addItems(items);
            const auto stored = seams_.table.rowAnimation[static_cast<std::size_t>(TableRow(j, row))];
            selector->setCurrentIndex(model::AnimationItemOf(stored));
        }
    }
}

void MessagePage::FillLanguageSelectors()
{
    for (const SlotControls& slot : slots_) {
        slot.language->addItems(LanguageItems());
        slot.language->setCurrentIndex(kTurkishItem);
    }
}

void MessagePage::FillLevelSelectors()
{
    const QStringList items = LevelItems();
    for (const SlotControls& slot : slots_) {
        for (const RowControls& row : slot.rows) {
            row.brightness->addItems(items);
            row.speed->addItems(items);
        }
    }
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            const auto entry = static_cast<std::size_t>(TableRow(j, row));
            Slot(j).Row(row).brightness->setCurrentIndex(model::LevelItemOf(seams_.table.rowBrightness[entry]));
            Slot(j).Row(row).speed->setCurrentIndex(model::LevelItemOf(seams_.table.rowSpeed[entry]));
        }
    }
}

void MessagePage::RefreshEditsHold()
{
    if (!editsChanged_)
        return;
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            editsHold_[static_cast<std::size_t>(PageRow(j, row))] =
                RowTextOf(Slot(j).Row(row).edit->document()->toRawText());
        }
    }
    editsChanged_ = false;
}

void MessagePage::ReadEdits()
{
    if (!created_)
        return;
    RefreshEditsHold();
    for (std::size_t i = 0; i < editsHold_.size(); ++i) {
        if (state_.rowStrings[i] != editsHold_[i])
            state_.rowStrings[i] = editsHold_[i];
    }
}

void MessagePage::WriteEdits()
{
    if (!created_)
        return;
    RefreshEditsHold();
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            const std::u16string& text = RowString(PageRow(j, row));
            std::u16string& held = editsHold_[static_cast<std::size_t>(PageRow(j, row))];
            if (text == held)
                continue;
            std::u16string shown = NormalizedRowText(text);
            if (shown == held)
                continue;
            QPlainTextEdit* edit = Slot(j).Row(row).edit;
            const QSignalBlocker programWrite(edit);
            edit->setPlainText(EditTextOf(text));
            held = std::move(shown);
        }
    }
}

}  // namespace velnar::pages
