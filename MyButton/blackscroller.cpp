#include "blackscroller.h"
#include "palette.h"

#include "imagenamed.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <qdrawutil.h>

namespace {

struct SegmentFamily {
    const char* normal;
    const char* hover;
    const char* selected;
};

// Picture names by segment kind: plain is normal, "_hold" hover, "_on" selected.
constexpr SegmentFamily kFamilies[] = {
    {"left.png", "left_hold.png", "left_on.png"},
    {"middle.png", "middle_hold.png", "middle_on.png"},
    {"right.png", "right_hold.png", "right_on.png"},
    {"single.png", "single_hold.png", "single_on.png"},
};

// Handles of tracking regions; any value but 0 marks an installed region.
int64_t nextTrackingHandle = 1;

// Pictures are drawn to the button's size; their rounded ends keep their shape.
constexpr int kStretchMargin = 10;

// Set on a window while its focus is not shown: after a mouse press in it, until the next key
// press. A new window shows its focus.
constexpr char kFocusHidden[] = "blackScrollerFocusHidden";

// Watches every window's key and mouse presses for the focus ring's sake.
class FocusCues : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            setHidden(watched, false);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            setHidden(watched, true);
            break;
        default:
            break;
        }
        return false;
    }

  private:
    static void setHidden(QObject* watched, bool hidden) {
        if (!watched->isWidgetType()) {
            return;
        }
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->property(kFocusHidden).toBool() == hidden) {
            return;
        }
        window->setProperty(kFocusHidden, hidden);
        if (QWidget* focused = window->focusWidget()) {
            focused->update();
        }
    }
};

void watchFocusCues() {
    static QPointer<FocusCues> cues;
    if (cues == nullptr && qApp != nullptr) {
        cues = new FocusCues(qApp);
        qApp->installEventFilter(cues);
    }
}

} // namespace

BlackScroller::BlackScroller(QWidget* parent) : QPushButton(parent), titleColor_(greyTitleColor()) {
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
    watchFocusCues();
}

QString BlackScroller::familyImage(int32_t kind, Slot slot) {
    if (kind < Left || kind > Single) {
        return {};
    }
    const SegmentFamily& family = kFamilies[kind];
    const char* names[] = {family.normal, family.hover, family.selected};
    return QString::fromLatin1(names[slot]);
}

QColor BlackScroller::greyTitleColor() {
    return palette::kSlate;
}

QColor BlackScroller::selectedTitleColor() {
    return palette::kTealTitle;
}

void BlackScroller::setDisplayImage(const QString& normalName, const QString& hoverName) {
    image[NormalSlot] = normalName;
    image[HoverSlot] = hoverName;
    if (_kind < Left || _kind > Single) {
        return;
    }
    const QString selected = normalName == familyImage(_kind, NormalSlot)
                                 ? familyImage(_kind, SelectedSlot)
                                 : familyImage(_kind, HoverSlot);
    image[SelectedSlot] = selected;
    ifNeedChangeImage = true;
}

void BlackScroller::setMyTracking() {
    // Qt delivers enter and leave events for the button's whole area; the handle only marks
    // that the button reacts to them.
    tag = nextTrackingHandle++;
    ifNeedChangeImage = false;
    setIfSelect(false);
}

void BlackScroller::setSelected() {
    setMyButtonTitleColor(selectedTitleColor());
    setIfSelect(true);
}

void BlackScroller::removeSelected() {
    setMyButtonTitleColor(greyTitleColor());
    setIfSelect(false);
}

void BlackScroller::setIfSelect(bool selected) {
    _ifSelect = selected;
    setChecked(selected);
}

// The owner decides what is selected; a click only reports itself.
void BlackScroller::nextCheckState() {}

void BlackScroller::setAccessibleCaption(const QString& caption) {
    accessibleCaption_ = caption;
    updateAccessibleName();
}

void BlackScroller::updateAccessibleName() {
    if (accessibleCaption_.isEmpty()) {
        return;
    }
    setAccessibleName(accessibleCaption_ + QLatin1Char(' ') + text());
}

bool BlackScroller::showsFocusRing() const {
    return hasFocus() && !window()->property(kFocusHidden).toBool();
}

void BlackScroller::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Held down, the key presses once.
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void BlackScroller::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        updateAccessibleName();
    }
}

void BlackScroller::setMyButtonTitleColor(const QColor& color) {
    titleColor_ = color;
    update();
}

void BlackScroller::setImageName(const QString& name) {
    shownName_ = name;
    update();
}

void BlackScroller::showSlot(Slot slot) {
    shownName_ = image[slot];
}

QPixmap BlackScroller::shownPixmap() const {
    return imageNamed(shownName_);
}

void BlackScroller::mouseEntered() {
    hovered_ = true;
    setCursor(Qt::OpenHandCursor);
    if (ifNeedChangeImage) {
        showSlot(HoverSlot);
    }
    update();
}

void BlackScroller::mouseExited() {
    hovered_ = false;
    setCursor(Qt::ArrowCursor);
    if (ifNeedChangeImage) {
        showSlot(_ifSelect ? SelectedSlot : NormalSlot);
    }
    update();
}

void BlackScroller::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (tag != 0) {
        mouseEntered();
    }
}

void BlackScroller::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    if (tag != 0) {
        mouseExited();
    }
}

QSize BlackScroller::sizeHint() const {
    const QPixmap shown = shownPixmap();
    if (!shown.isNull()) {
        return shown.deviceIndependentSize().toSize();
    }
    return QPushButton::sizeHint();
}

void BlackScroller::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled()) {
        painter.setOpacity(0.4);
    } else if (isDown()) {
        painter.setOpacity(0.8);
    }
    if (const QPixmap shown = shownPixmap(); !shown.isNull()) {
        if (shown.deviceIndependentSize().toSize() == size()) {
            painter.drawPixmap(rect(), shown);
        } else {
            // The margins are the same size on the button as in the picture, whatever its
            // pixel density, so stretched buttons keep the outline of the others.
            const QSize source = shown.deviceIndependentSize().toSize();
            const int side = qMin(kStretchMargin, source.width() / 2 - 1);
            const int top = qMin(kStretchMargin, source.height() / 2 - 1);
            const QMargins margins(side, top, side, top);
            const qreal density = shown.devicePixelRatio();
            const QMargins sourceMargins(qRound(side * density), qRound(top * density),
                                         qRound(side * density), qRound(top * density));
            qDrawBorderPixmap(&painter, rect(), margins, shown, shown.rect(), sourceMargins);
        }
    }
    if (!text().isEmpty()) {
        painter.setPen(titleColor_);
        painter.setFont(font());
        painter.drawText(rect().adjusted(titleLeftInset_, 0, 0, 0),
                         Qt::AlignCenter | Qt::TextSingleLine, text());
    }
    if (showsFocusRing()) {
        painter.setOpacity(1.0);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(selectedTitleColor(), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    }
}
