#include "res/PageTemplates.h"

#include <string>

#include "res/DialogStyles.h"

namespace velnar::res {
namespace {

// Heights the layout does not vary. A combo box's height includes its list,
// long enough for every item without scrolling.
constexpr int kLabelHeight = 8;
constexpr int kLineHeight = 14;  // edits and buttons
constexpr int kCheckBoxHeight = 10;
constexpr int kAnimationListHeight = 70;
constexpr int kLevelListHeight = 48;
constexpr int kLanguageListHeight = 30;
constexpr int kLanguageLabelWidth = 14;
constexpr int kLanguageSelectorWidth = 48;

// Labels and boxes are centred on the 14-unit line of their row.
constexpr int kLabelDrop = (kLineHeight - kLabelHeight) / 2;
constexpr int kCheckBoxDrop = (kLineHeight - kCheckBoxHeight) / 2;

constexpr std::uint32_t kShown = StyleChild | StyleVisible;
constexpr std::uint32_t kLabel = kShown | StaticLeft;
// Enter stays with a row edit: without want-return it would close the whole
// editor. The page makes it move on to the next control (a row has no line
// break on the sign).
constexpr std::uint32_t kRowEdit = kShown | StyleBorder | StyleVScroll | StyleTabStop | EditMultiLine | EditWantReturn;
constexpr std::uint32_t kAnimationSelector = kShown | StyleVScroll | StyleTabStop | ComboDropDown;
constexpr std::uint32_t kLevelSelector = kAnimationSelector | ComboSort;
constexpr std::uint32_t kLanguageSelector = StyleChild | StyleDisabled | ComboDropDownList;
constexpr std::uint32_t kCheckBox = kShown | StyleTabStop | ButtonAutoCheckBox;
constexpr std::uint32_t kPushButton = kShown | StyleTabStop | ButtonPush;

class PageBuilder {
public:
    explicit PageBuilder(const PageLayout& layout) : layout_(layout) {}

    DialogTemplate Build()
    {
        DialogTemplate page;
        page.id = layout_.templateId;
        page.caption = layout_.caption;
        page.style = StyleChild | StyleCaption | DialogSetFont;
        page.fontName = "Arial";
        page.fontPoints = 7;
        page.width = layout_.width;
        page.height = layout_.height;

        for (const PageHeader& header : layout_.headers)
            Add(page, header.id, ControlKind::Static, kLabel, {header.x, header.width}, 0, kLabelHeight,
                header.text);
        for (int j = 0; j < kPageSlots; ++j)
            AddSlot(page, j);

        const PagePoint language = layout_.languageSelectors;
        Add(page, layout_.ids.languageLabel, ControlKind::Static, StyleChild | StaticLeft,
            {language.x, kLanguageLabelWidth}, language.y, kLabelHeight, "DiL");
        const PagePoint button = layout_.showInTurnButton;
        Add(page, layout_.ids.showInTurnButton, ControlKind::PushButton, kPushButton,
            {button.x, layout_.showInTurnWidth}, button.y, kLineHeight, "");
        return page;
    }

private:
    void AddSlot(DialogTemplate& page, int j)
    {
        const PageIds& ids = layout_.ids;
        const PageColumns& columns = layout_.columns;
        const auto slot = static_cast<std::size_t>(j);
        const int line1 = layout_.lineY[slot][0];
        const int line2 = layout_.lineY[slot][1];

        Add(page, kNoId, ControlKind::Static, kLabel, columns.number, line1 + kLabelDrop, kLabelHeight,
            std::to_string(layout_.firstSlot + j));
        Add(page, ids.twoRows[slot], ControlKind::CheckBox, kCheckBox, columns.twoRows, line1 + kCheckBoxDrop,
            kCheckBoxHeight, "Check2");
        AddRow(page, ids.rows[0], slot, line1);
        Add(page, ids.language[slot], ControlKind::ComboBox, kLanguageSelector,
            {layout_.languageSelectors.x, kLanguageSelectorWidth}, layout_.languageSelectors.y,
            kLanguageListHeight, "");
        Add(page, ids.selected[slot], ControlKind::CheckBox, kCheckBox, columns.selected, line1 + kCheckBoxDrop,
            kCheckBoxHeight, "Check1");
        Add(page, ids.send[slot], ControlKind::PushButton, kPushButton, columns.send, line1, kLineHeight, "");
        AddRow(page, ids.rows[1], slot, line2);
        Add(page, ids.clock[slot], ControlKind::CheckBox, kCheckBox, columns.clock, line2 + kCheckBoxDrop,
            kCheckBoxHeight, "Check1");
    }

    void AddRow(DialogTemplate& page, const PageRowIds& row, std::size_t slot, int y)
    {
        const PageColumns& columns = layout_.columns;
        Add(page, row.edit[slot], ControlKind::Edit, kRowEdit, columns.edit, y, kLineHeight, "");
        Add(page, row.animation[slot], ControlKind::ComboBox, kAnimationSelector, columns.animation, y,
            kAnimationListHeight, "");
        Add(page, row.brightness[slot], ControlKind::ComboBox, kLevelSelector, columns.brightness, y,
            kLevelListHeight, "");
        Add(page, row.speed[slot], ControlKind::ComboBox, kLevelSelector, columns.speed, y, kLevelListHeight, "");
    }

    void Add(DialogTemplate& page, int id, ControlKind kind, std::uint32_t style, PageColumn column, int y,
             int height, std::string text) const
    {
        page.controls.push_back({id, kind, style, column.x, y, WidthOf(id, column.width), height, std::move(text)});
    }

    int WidthOf(int id, int columnWidth) const
    {
        if (id != kNoId) {
            for (const WidthException& exception : layout_.widthExceptions) {
                if (exception.id == id)
                    return exception.width;
            }
        }
        return columnWidth;
    }

    const PageLayout& layout_;
};

}  // namespace

DialogTemplate PageTemplate(const PageLayout& layout)
{
    return PageBuilder(layout).Build();
}

}  // namespace velnar::res
