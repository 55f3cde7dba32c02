#include "applook.h"

#include "frames.h"

#include <QApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QLocale>
#include <QPalette>
#include <QStyleFactory>
#include <QToolTip>
#include <QTranslator>

void applyApplicationLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QColor window(28, 31, 36);
    const QColor base(40, 44, 51);
    const QColor text(214, 218, 223);
    const QColor quiet(113, 120, 128);
    const QColor accent(43, 161, 182);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, QColor(168, 175, 184));
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(46, 51, 58));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(44, 49, 56));
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

void installTranslations() {
    static QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("vantorelle"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&translator);
    }
}

QPalette headerBandPalette(const QPalette& base) {
    const QColor windowColor(28, 31, 36);
    const QColor headerColor(36, 40, 46);
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
