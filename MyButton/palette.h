// The program's colours, in one place: the charcoal surfaces from dark to light, the texts from
// quiet to bright, and the two accents. The button's two title colours lead the palette.
#pragma once

#include <QColor>
#include <QString>

namespace palette {

// Surfaces.
inline constexpr QColor kWindow(28, 31, 36);       // the window's charcoal
inline constexpr QColor kPanel(32, 36, 42);        // alerts and the date and time page
inline constexpr QColor kHeader(36, 40, 46);       // the header band, a pressed button, a row
inline constexpr QColor kField(40, 44, 51);        // text fields and lists
inline constexpr QColor kButton(44, 49, 56);       // toolkit buttons
inline constexpr QColor kRaised(46, 51, 58);       // a row under the pointer, alternate rows
inline constexpr QColor kButtonHover(54, 60, 68);  // a toolkit button under the pointer
inline constexpr QColor kPanelBorder(56, 62, 70);  // the date and time page's outline
inline constexpr QColor kButtonBorder(70, 77, 86); // a toolkit button's outline

// Texts.
inline constexpr QColor kSlate(113, 120, 128);       // an unselected title, quiet text
inline constexpr QColor kLinkText(150, 158, 168);    // the labels of the link icons
inline constexpr QColor kControlText(168, 175, 184); // toolkit controls' text
inline constexpr QColor kText(214, 218, 223);        // titles and messages

// Accents.
inline constexpr QColor kTeal(43, 161, 182);           // the accent
inline constexpr QColor kTealTitle(43, 161, 182, 204); // a selected title, the focus outline
inline constexpr QColor kAmber(214, 158, 46);          // a warning: a failed save, a format request
inline constexpr QColor kWeekend(214, 138, 128);       // weekend days in the calendar

// The colour as a style sheet writes it.
inline QString css(const QColor& color) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

} // namespace palette
