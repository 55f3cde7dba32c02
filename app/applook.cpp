#include "applook.h"
#include "palette.h"

#include "frames.h"

#include <QApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPalette>
#include <QStyleFactory>
#include <QToolTip>

void applyApplicationLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
    // Hints keep a palette of their own, taken from the desktop's theme unless set here.
    QToolTip::setPalette(palette);

    // The sizes a title bar and a task switcher use; larger ones only slow the start.
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        icon.addFile(QStringLiteral(":/icons/vantorelle_%1.png").arg(size), QSize(size, size));
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
