// The image button used for every clickable control of the window.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QString>

#include <array>
#include <cstdint>

// BlackScroller is a push button that shows a picture with its title drawn over it, and adds
// three things to the toolkit's button:
//  - three picture slots (normal, hover, selected) and picture swapping: while the pointer is
//    over the button it shows the hover picture; when the pointer leaves it shows the selected
//    picture if the button is selected, else the normal one;
//  - a segment kind (left, middle, right, single) that decides the selected picture, so buttons
//    of one option group tile into one segmented bar;
//  - a selection flag shown through the title colour (teal when selected, grey otherwise).
// Pointer handling is active only once the button has its tracking region (setMyTracking);
// then the pointer takes the open-hand shape over the button.
// The button has no click logic: its owner decides what is selected and sets pictures. A
// checkable button reports the selection flag as its checked state; a click never toggles it.
// From the keyboard, Space, Enter and Return press the focused button. Its focus ring shows
// while the keyboard is in use in its window and hides after a mouse press there, so a button
// clicked with the mouse carries no ring.
class BlackScroller : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName)

  public:
    enum Kind : int32_t { Left = 0, Middle = 1, Right = 2, Single = 3 };
    enum Slot { NormalSlot = 0, HoverSlot = 1, SelectedSlot = 2 };

    explicit BlackScroller(QWidget* parent = nullptr);

    // The picture of a segment kind's family for a slot: "left.png", "left_hold.png",
    // "left_on.png" and so on. Empty for a kind outside the four segments.
    static QString familyImage(int32_t kind, Slot slot);

    // Title colour of a button that is not selected, and of one that is.
    static QColor greyTitleColor();
    static QColor selectedTitleColor();

    // Fills the normal and hover slots with the pictures of those names and, for a segment
    // kind, the selected slot (the family's "_on" picture when `normalName` is the family's
    // own normal picture, else the family's hover picture), and turns picture swapping on. For
    // any other kind only the first two slots change. The shown picture does not change.
    void setDisplayImage(const QString& normalName, const QString& hoverName);
    // Installs the tracking region (replacing an earlier one), turns picture swapping off and
    // clears the selection flag.
    void setMyTracking();
    // Selection flag on and the selected title colour; the picture does not change.
    void setSelected();
    // Selection flag off and the grey title colour; the picture does not change.
    void removeSelected();
    // Recolours the whole title; the selection flag does not change.
    void setMyButtonTitleColor(const QColor& color);
    void setKind(int32_t kind) { _kind = kind; }
    int32_t kind() const { return _kind; }
    bool ifSelect() const { return _ifSelect; }
    // Sets the selection flag alone; the title colour does not change.
    void setIfSelect(bool selected);

    // What the button sets, for assistive technology: with a caption such as "Photo
    // resolution" the accessible name becomes "Photo resolution 16MP". Without one the title
    // is the name. Whether it is chosen is the checked state of a checkable button.
    void setAccessibleCaption(const QString& caption);
    // True while the button has the focus and its window shows where the focus is.
    bool showsFocusRing() const;
    // True while the pointer is over the button (between its enter and leave).
    bool isHovered() const { return hovered_; }

    // The shown picture, by file name; setting it shows that picture at once.
    QString imageName() const { return shownName_; }
    void setImageName(const QString& name);
    // The file name held in a picture slot (empty for an empty slot).
    QString slotImageName(Slot slot) const { return image[slot]; }
    QColor titleColor() const { return titleColor_; }
    // Room kept free of the title at the button's left end, for a mark in the picture.
    void setTitleLeftInset(int inset) { titleLeftInset_ = inset; }
    bool hasTracking() const { return tag != 0; }
    bool swapsImages() const { return ifNeedChangeImage; }

    QSize sizeHint() const override;

  protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void mouseEntered();
    void mouseExited();
    void showSlot(Slot slot);
    void updateAccessibleName();

    // The shown picture, from the application's named pictures (decoded once, when it is first
    // drawn or measured: buttons of pages not shown yet cost no decoding at start).
    QPixmap shownPixmap() const;

    int64_t tag = 0; // handle of the tracking region; 0 while there is none
    // The slots' pictures, by name; the named-picture cache holds the pictures themselves.
    std::array<QString, 3> image;
    bool ifNeedChangeImage = false;
    bool _ifSelect = false;
    int32_t _kind = Left;

    QString shownName_;
    QColor titleColor_;
    QString accessibleCaption_;
    int titleLeftInset_ = 0;
    bool hovered_ = false;
};
