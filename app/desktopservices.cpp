#include "desktopservices.h"
#include "palette.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

// Widest line an alert's text may take before it wraps; the alert stays narrower than the
// window it belongs to.
constexpr int kAlertTextWidth = 400;

// The window's look for alerts: its charcoal, its light text, segment-like buttons with the
// teal accent on the default button and on the focused one.
QString alertStyle() {
    using namespace palette;
    return QStringLiteral(
               "QMessageBox { background-color: %1; }"
               "QMessageBox QLabel { color: %2; }"
               "QMessageBox QPushButton { color: %3; background-color: %4;"
               " border: 1px solid %5; border-radius: 6px; padding: 5px 18px; min-width: 64px; }"
               "QMessageBox QPushButton:hover { background-color: %6; }"
               "QMessageBox QPushButton:pressed { background-color: %7; }"
               "QMessageBox QPushButton:default { color: %8; }"
               "QMessageBox QPushButton:focus { border-color: %9; }")
        .arg(css(kPanel), css(kText), css(kControlText), css(kButton), css(kButtonBorder),
             css(kButtonHover), css(kHeader), css(kTeal), css(kTealTitle));
}

// The mark beside an alert's text, in place of the toolkit's warning sign: a teal ring with
// an exclamation mark, drawn for the screen's pixel density.
QPixmap alertMark(qreal density) {
    constexpr int side = 40;
    const QColor teal = palette::kTealTitle;
    QPixmap pixmap(QSize(side, side) * density);
    pixmap.setDevicePixelRatio(density);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(teal, 2.5));
    painter.drawEllipse(QRectF(2.5, 2.5, side - 5.0, side - 5.0));
    painter.setPen(QPen(teal, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(side / 2.0, 11.0), QPointF(side / 2.0, 22.5));
    painter.drawPoint(QPointF(side / 2.0, 29.0));
    return pixmap;
}

// `text` broken into lines no wider than `limit` where it can break without splitting a word:
// after a blank, or after the comma or full stop of Japanese and Chinese, which put no blanks
// between words. A single piece wider than the limit keeps a line of its own.
QString wrapped(const QString& text, const QFontMetrics& metrics, int limit) {
    static const QString kStops = QStringLiteral("\u3001\u3002\uFF0C\uFF01\uFF1F");
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QStringList pieces;
        QString piece;
        for (const QChar c : paragraph) {
            piece += c;
            if (c == QLatin1Char(' ') || kStops.contains(c)) {
                pieces << piece;
                piece.clear();
            }
        }
        pieces << piece;
        QString line;
        for (const QString& next : pieces) {
            if (!line.isEmpty() && metrics.horizontalAdvance((line + next).trimmed()) > limit) {
                lines << line.trimmed();
                line.clear();
            }
            line += next;
        }
        lines << line.trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

// Gives the label named `name` its text wrapped between words, and a width that holds the
// longest line, so that the box never breaks a word to fit a narrower width of its own.
void fitLabel(QMessageBox& box, const char* name) {
    auto* label = box.findChild<QLabel*>(QLatin1String(name));
    if (label == nullptr || label->text().isEmpty()) {
        return;
    }
    const QFontMetrics metrics(label->font());
    const QString text = wrapped(label->text(), metrics, kAlertTextWidth);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    label->setText(text);
    // A pixel to spare: a label exactly as wide as its text may still wrap it.
    label->setMinimumWidth(widest + 2);
}

} // namespace

int SystemDesktopServices::runAlert(QWidget* parent, const AlertRequest& alert) {
    QMessageBox box(parent);
    box.setStyleSheet(alertStyle());
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(
        alertMark(parent != nullptr ? parent->devicePixelRatioF() : box.devicePixelRatioF()));
    // With no message text the informative text is the message: show it at full size.
    if (alert.messageText.isEmpty()) {
        box.setText(alert.informativeText);
    } else {
        box.setText(alert.messageText);
        box.setInformativeText(alert.informativeText);
    }
    // Above an informative text, the message text is the alert's title.
    auto* title = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (title != nullptr && !alert.messageText.isEmpty() && !alert.informativeText.isEmpty()) {
        QFont font = title->font();
        font.setBold(true);
        title->setFont(font);
    }
    if (box.layout() != nullptr) {
        box.layout()->setContentsMargins(22, 20, 22, 18);
    }
    fitLabel(box, "qt_msgbox_label");
    fitLabel(box, "qt_msgbox_informativelabel");
    QPushButton* defaultButton = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    if (!alert.alternateButton.isEmpty()) {
        box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    }
    box.setDefaultButton(defaultButton);
    const QPointer<QMessageBox> outer = open_;
    open_ = &box;
    const int result = box.exec();
    open_ = outer;
    if (result == kClosed && box.clickedButton() == nullptr) {
        return kClosed;
    }
    return box.clickedButton() == defaultButton ? kDefaultButton : kAlternateButton;
}

void SystemDesktopServices::closeAlert() {
    if (open_ != nullptr) {
        open_->done(kClosed);
    }
}

bool SystemDesktopServices::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QDateTime SystemDesktopServices::now() {
    return QDateTime::currentDateTime();
}
