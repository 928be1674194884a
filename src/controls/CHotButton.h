#pragma once

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <array>

#include "controls/ImagePlacement.h"
#include "controls/PlenMenu.h"

namespace velnar::controls {

// Posted to a button's menu owner when a command was chosen from its popup menu.
class MenuCommandEvent : public QEvent {
public:
    explicit MenuCommandEvent(int commandId);
    static QEvent::Type EventType();
    int CommandId() const { return m_commandId; }

private:
    int m_commandId;
};

// A push button that paints itself. Flat by default: only its face until the
// mouse rests on it (the hot state), then a lighter face and a thin raised
// frame; pressed, a sunken frame with image and caption one pixel right and
// down. It shows a bitmap with a transparent colour or an icon left of, above
// or right of a centred caption, and can act as a two-state check button,
// open a link or a popup menu on click.
//
// Its own click handling runs first; the clicked() connections of the page
// run after it (the button connects itself when it is built). Whether it is
// the default button is QPushButton's own flag, which a dialog moves along
// with the focus.
class CHotButton : public QPushButton {
    Q_OBJECT

public:
    enum ColorIndex : quint8 {
        ColorHotBack = 0,     // face while hot or pressed
        ColorHotText = 1,     // caption while hot or pressed
        ColorNormalBack = 2,  // face otherwise
        ColorNormalText = 3,  // caption otherwise
        ColorFocusBack = 4,   // face when focused and neither hot nor pressed
        ColorFocusText = 5,   // kept and adjustable; no caption is drawn in it
    };

    enum Result {
        ResultOk = 0,
        ResultInvalidResource = 1,  // an image's size could not be read
        ResultMaskFailed = 2,       // the transparent image could not be made
        ResultInvalidIndex = 3,     // colour index above 5
        ResultBadParam = 5,         // offset outside -255..255
    };

    explicit CHotButton(QWidget* parent = nullptr);
    ~CHotButton() override;

    // Takes over the style bits a dialog template gives the button: a check
    // box type (bit 0x02) makes it a check button, BS_DEFPUSHBUTTON (type 1)
    // the default button. It paints itself whatever type the template names.
    void ApplyTemplateStyle(quint32 style);

    // Bitmap resources by id; the normal one only when its id is not 0. A hot
    // bitmap that does not load leaves the button without images (ResultOk).
    int AssignBitmaps(int hotId, QRgb hotTransparent, int normalId, QRgb normalTransparent);
    // Entry 0 is drawn while hot or pressed (and always when there is no
    // entry 1); the normal image, which may be null, otherwise.
    int AssignBitmaps(const QImage& hot, QRgb hotTransparent, const QImage& normal, QRgb normalTransparent);
    int AssignIcons(const QImage& hot, const QImage& normal);

    // Moves colour `index` by up to `offset` in all channels, clipping none.
    int ShiftColor(quint8 index, qint16 offset, bool repaint);
    // Faces in the button face colour, captions in the button text colour.
    int ResetColors(bool repaint);
    QRgb Color(quint8 index) const;

    // Only in check mode; any non-zero value checks.
    int SetChecked(int check, bool repaint);
    int IsChecked() const;
    // Opened with the platform's "open" on click, a relative path as a file
    // in the current directory; at most 259 characters, an empty text clears
    // it.
    int SetLink(const QString& link);

    bool IsHot() const { return m_hot; }
    bool IsCheckMode() const { return m_checkMode; }

    // The popup menu opened on click once it holds a menu, and the object
    // that receives the chosen command as a MenuCommandEvent.
    PlenMenu& PopupMenu() { return m_popup; }
    void SetMenuOwner(QObject* owner) { m_menuOwner = owner; }

    // Settings the send buttons keep at their defaults.
    void SetFlat(bool flat);
    void SetDrawBorder(bool drawBorder);
    void SetAlign(ImageAlign align);
    void SetTransparent(bool transparent);
    void SetAlwaysTrack(bool alwaysTrack) { m_alwaysTrack = alwaysTrack; }
    void SetFlatFocus(bool flatFocus);
    void SetShowDisabledImage(bool show);

protected:
    // The face and the frame of the flat look; a derived button may draw
    // its own. Both return a result code.
    virtual int PaintFace(QPainter& painter, const QRect& rect);
    virtual int PaintFrame(QPainter& painter, const QRect& rect);

    void PaintItem(QPainter& painter, const QRect& item, bool selected, bool focused, bool disabled);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    struct ImageEntry {
        QImage image;  // transparent colour already cleared
        int width = 0;
        int height = 0;
        QRgb transparent = 0;
    };

    void OnClicked();
    void ShowPopupMenu();
    void EndHover();
    void FreeImages();
    void Repaint(bool repaint);
    void PaintStateFrame(QPainter& painter, const QRect& work);
    void PaintBackground(QPainter& painter, const QRect& work);
    void DrawImage(QPainter& painter, const std::array<ImageEntry, 2>& entries, bool embossWhenDisabled,
                   const QRect& item, QRect& caption);
    void DrawCaption(QPainter& painter, QRect caption);
    QImage ParentPixels() const;

    bool m_showDisabledImage = true;
    bool m_flat = true;
    bool m_hot = false;
    bool m_transparent = false;
    bool m_pressed = false;   // state of the paint in progress
    bool m_focused = false;   // state of the paint in progress
    bool m_disabled = false;  // state of the paint in progress
    bool m_checkMode = false;
    ImageAlign m_align = AlignLeft;
    bool m_drawBorder = true;
    bool m_flatFocus = false;
    std::array<QRgb, 6> m_colors{};
    QPointer<QObject> m_menuOwner;
    bool m_menuShown = false;
    PlenMenu m_popup;
    QImage m_background;  // the parent's pixels under the button, for the transparent face
    bool m_alwaysTrack = true;
    int m_checked = 0;
    QString m_link;
    std::array<ImageEntry, 2> m_icons;
    std::array<ImageEntry, 2> m_bitmaps;
};

}  // namespace velnar::controls
