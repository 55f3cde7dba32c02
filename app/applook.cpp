#include "applook.h"
#include "palette.h"

#include "frames.h"
#include "imagenamed.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace {

// A plain chevron in `color`, drawn at each size a button may ask for so that it stays sharp
// at any scale.
QIcon chevron(bool forward, const QColor& color) {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(color, side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal tip = forward ? 0.64 : 0.36;
        const qreal back = forward ? 0.40 : 0.60;
        const QPointF arm[] = {
            {back * side, 0.24 * side}, {tip * side, 0.50 * side}, {back * side, 0.76 * side}};
        painter.drawPolyline(arm, 3);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Fusion, whose arrows (the calendar's month arrows) are plain chevrons in the colour of the
// text beside them. Fusion would take them from the desktop's icon theme, and reading the
// theme's index for them cost a fifth of the window's start-up.
class LookStyle : public QProxyStyle {
  public:
    LookStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ArrowLeft || icon == SP_ArrowRight) {
            const QPalette colors = widget != nullptr ? widget->palette() : QApplication::palette();
            return chevron(icon == SP_ArrowRight, colors.color(QPalette::HighlightedText));
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void applyApplicationLook() {
    QApplication::setStyle(new LookStyle);
    const QColor window = palette::kWindow;
    const QColor base = palette::kField;
    const QColor text = palette::kText;
    const QColor quiet = palette::kSlate;
    const QColor accent = palette::kTeal;
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, palette::kControlText);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, palette::kRaised);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, palette::kButton);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, accent.darker(130));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, quiet);
    palette.setColor(QPalette::Link, accent);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, quiet.darker(120));
    }
    QApplication::setPalette(palette);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // Text from the fonts' outlines as drawn, as on a Mac, where the window was designed. The
    // light hinting most desktops ask for is a sixth of the first frame's painting here: FreeType
    // studies each face before hinting it, and the advances come from hinted glyphs. On Windows
    // the hint preference picks another font engine, so the desktop's own stays.
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);
#endif
    // Hints keep a palette of their own, taken from the desktop's theme unless set here.
    QToolTip::setPalette(palette);

    // The sizes a title bar and a task switcher use; larger ones only slow the start. Read as
    // the PNG files they are (QIcon::addFile would guess their format from their content).
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        icon.addPixmap(pictureFile(QStringLiteral(":/icons/vantorelle_%1.png").arg(size)));
    }
    QApplication::setWindowIcon(icon);
}

QPalette headerBandPalette(const QPalette& base) {
    const QColor windowColor = palette::kWindow;
    const QColor headerColor = palette::kHeader;
    QPalette palette = base;
    QLinearGradient band(0, 0, 0, kContentHeight);
    const qreal headerEnd = static_cast<qreal>(kHeaderFrame.bottom() + 1) / kContentHeight;
    band.setColorAt(0, headerColor);
    band.setColorAt(headerEnd, headerColor);
    band.setColorAt(headerEnd + 0.0001, windowColor);
    band.setColorAt(1, windowColor);
    palette.setBrush(QPalette::Window, band);
    return palette;
}
