// The window frame: header, logo, link icons, page menu, page switching and the paint of every
// page from a settings record.
#include "palette.h"
#include "tavik_camappdelegate.h"
#include "ui_datetime_page.h"
#include "ui_vantorelle.h"

#include "applook.h"
#include "blackscroller.h"
#include "frames.h"
#include "imagenamed.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPalette>

namespace {

constexpr QRect kMenuBarFrame = frameInParent(35, 320, 500, 50);
constexpr QRect kGeneralFrame = frameInParent(20, 40, 520, 250);
constexpr QRect kPhotoFrame = frameInParent(20, 95, 500, 200);
constexpr QRect kVideoFrame = frameInParent(20, 110, 500, 200);
constexpr QRect kDateSetFrame = frameInParent(25, 20, 505, 360);

// The first control of `page` that Tab reaches, or null when it has none.
QWidget* firstTabStop(QWidget* page) {
    QWidget* const window = page->window();
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) != 0) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

void Tavik_CamAppDelegate::setUpFrame() {
    superView = window_.get();
    superView->setAutoFillBackground(true);
    superView->setPalette(headerBandPalette(superView->palette()));

    logo_ = new QLabel(superView);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setScaledContents(true);
    logo_->setGeometry(kLogoFrame);
    logo_->setPixmap(imageNamed(QStringLiteral("logo.png")));
    logo_->setAccessibleName(QStringLiteral("vantorelle"));
    logo_->lower();
    logo_->show();

    ui_->headView->setGeometry(kHeaderFrame);
    ui_->headView->raise();
    setUpLinkIcons();

    for (BlackScroller* menuButton :
         {ui_->buttonPhotoUI, ui_->buttonVideoUI, ui_->buttonGeneralUI}) {
        menuButton->setMyTracking();
    }

    setUpPhotoPage();
    setUpVideoPage();
    setUpGeneralPage();
    setUpResetAndFormat();
    setUpSaveNotice();
    defineButtonGroups();
    connectControls();

    for (QWidget* page : {ui_->photoView, ui_->videoView}) {
        page->hide();
    }
    curView = nullptr;
    switchToPage(ui_->generalView);

    ui_->buttonVideoUI->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    ui_->buttonPhotoUI->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    ui_->buttonGeneralUI->setMyButtonTitleColor(BlackScroller::selectedTitleColor());
    ui_->buttonGeneralUI->setImageName(QStringLiteral("menuright_on.png"));
    ui_->buttonPhotoUI->setImageName(QStringLiteral("menuleft.png"));
    ui_->buttonVideoUI->setImageName(QStringLiteral("menumiddle.png"));

    ui_->setBarView->setGeometry(kMenuBarFrame);
    ui_->setBarView->show();
    ui_->setBarView->raise();
}

void Tavik_CamAppDelegate::setUpLinkIcons() {
    const struct {
        BlackScroller* icon;
        QLabel* label;
        QRect labelFrame; // in the icon's own coordinates, top left origin like any button
    } links[] = {
        {ui_->buttonTavikWeb, ui_->tfxTavikWeb, QRect(12, 33, 100, 15)},
        {ui_->buttonTavikFacebook, ui_->tfxTavikFacebook, QRect(1, 33, 100, 15)},
        {ui_->buttonTavikTwitter, ui_->tfxTavikTwitter, QRect(8, 33, 100, 15)},
    };
    QPalette quiet = ui_->cameraDetails->palette();
    quiet.setColor(QPalette::WindowText, BlackScroller::greyTitleColor());
    ui_->cameraDetails->setPalette(quiet);
    for (const auto& link : links) {
        link.icon->setMyTracking();
        link.label->setGeometry(link.labelFrame);
        link.label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette palette = link.label->palette();
        palette.setColor(QPalette::WindowText, palette::kLinkText);
        link.label->setPalette(palette);
    }
    ui_->buttonTavikWeb->setDisplayImage(QStringLiteral("globalmenu_1a.bmp"),
                                         QStringLiteral("globalmenu_1b.bmp"));
    // The cloud icon has no action; it keeps its pictures but is not shown.
    ui_->buttonTavikCloud->setDisplayImage(QStringLiteral("globalmenu_2a.bmp"),
                                           QStringLiteral("globalmenu_2b.bmp"));
    ui_->buttonTavikCloud->hide();
    ui_->buttonTavikFacebook->setDisplayImage(QStringLiteral("globalmenu_3a.bmp"),
                                              QStringLiteral("globalmenu_3b.bmp"));
    ui_->buttonTavikTwitter->setDisplayImage(QStringLiteral("globalmenu_4a.bmp"),
                                             QStringLiteral("globalmenu_4b.bmp"));
    ui_->buttonTavikWeb->setAccessibleName(tr("Open the maker's web site"));
    ui_->buttonTavikFacebook->setAccessibleName(tr("Open the maker's Facebook page"));
    ui_->buttonTavikTwitter->setAccessibleName(tr("Open the maker's Twitter page"));
}

void Tavik_CamAppDelegate::switchToPage(QWidget* page, QWidget* focusTarget) {
    // At start-up nothing has the focus yet: it begins on the page's first control, not on
    // the link icons of the header.
    QWidget* const focused = superView->focusWidget();
    const bool focusMoves =
        focused == nullptr || (curView != nullptr && curView->isAncestorOf(focused));
    const struct {
        QWidget* page;
        QRect frame;
    } frames[] = {{ui_->generalView, kGeneralFrame},
                  {ui_->photoView, kPhotoFrame},
                  {ui_->videoView, kVideoFrame},
                  {dateSetView_, kDateSetFrame}};
    for (const auto& entry : frames) {
        if (entry.page == page) {
            page->setGeometry(entry.frame);
        }
    }
    page->show();
    page->raise();
    if (focusMoves) {
        if (QWidget* target = focusTarget != nullptr ? focusTarget : firstTabStop(page)) {
            target->setFocus(Qt::OtherFocusReason);
        }
    }
    // Hidden after the focus has moved, so that Qt does not pass it on along the tab chain.
    if (curView != nullptr && curView != page) {
        curView->hide();
    }
    curView = page;
    placeSaveNotice();
    // The camera clock runs as an offset; its pickers need the second's tick only when seen.
    if (onDatePage()) {
        dateTimer.start(1000);
    } else {
        dateTimer.stop();
    }
}

// Back from the Date and Time page: the keyboard is where it was before, on Date Set.
void Tavik_CamAppDelegate::returnToGeneralPage() {
    switchToPage(ui_->generalView, ui_->buttonAutoDateSet);
}

void Tavik_CamAppDelegate::repaintMenu(QWidget* page) {
    const struct {
        BlackScroller* button;
        QWidget* page;
        const char* normal;
        const char* current;
    } menu[] = {
        {ui_->buttonPhotoUI, ui_->photoView, "menuleft.png", "menuleft_on.png"},
        {ui_->buttonVideoUI, ui_->videoView, "menumiddle.png", "menumiddle_on.png"},
        {ui_->buttonGeneralUI, ui_->generalView, "menuright.png", "menuright_on.png"},
    };
    for (const auto& entry : menu) {
        const bool current = entry.page == page;
        entry.button->setMyButtonTitleColor(current ? BlackScroller::selectedTitleColor()
                                                    : BlackScroller::greyTitleColor());
        entry.button->setImageName(QString::fromLatin1(current ? entry.current : entry.normal));
    }
}

void Tavik_CamAppDelegate::MouseClickOnBtnPhotoUI() {
    if (curView == ui_->photoView) {
        return;
    }
    switchToPage(ui_->photoView);
    repaintMenu(ui_->photoView);
}

void Tavik_CamAppDelegate::MouseClickOnBtnVideoUI() {
    if (curView == ui_->videoView) {
        return;
    }
    switchToPage(ui_->videoView);
    repaintMenu(ui_->videoView);
}

void Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI() {
    if (curView == ui_->generalView || onDatePage()) {
        return;
    }
    switchToPage(ui_->generalView);
    repaintMenu(ui_->generalView);
    ui_->buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
}

void Tavik_CamAppDelegate::MouseClickOnBtnDateSet() {
    if (onDatePage()) {
        return;
    }
    datePage();
    catchUpClock();
    switchToPage(dateSetView_);
    ui_->setBarView->hide();
}

void Tavik_CamAppDelegate::MouseClickOnBtnBack() {
    ui_->setBarView->show();
    if (onDatePage()) {
        returnToGeneralPage();
    }
    ui_->buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
    if (dateUi_ != nullptr) {
        dateUi_->buttonAutoBack->setImageName(QStringLiteral("single.png"));
    }
}

void Tavik_CamAppDelegate::initSelectButtonBK(tagSetting* setting) {
    paintGroups(setting);
    showStoredClock();
    showFormatRequest();
}

void Tavik_CamAppDelegate::paintGroups(tagSetting* setting) {
    const Repaint repaints[] = {
        &Tavik_CamAppDelegate::changeSelectPRButtonImage,
        &Tavik_CamAppDelegate::changeSelectPMButtonImage,
        &Tavik_CamAppDelegate::changeSelectFHDButtonImage,
        &Tavik_CamAppDelegate::changeSelectHDButtonImage,
        &Tavik_CamAppDelegate::changeSelectTVTypeButtonImage,
        &Tavik_CamAppDelegate::changeSelectFreButtonImage,
        &Tavik_CamAppDelegate::changeSelectAutoPowerButtonImage,
        &Tavik_CamAppDelegate::changeSelectAutoRotationButtonImage,
    };
    for (const Repaint repaint : repaints) {
        (this->*repaint)(setting);
    }
    setting->isInit = 0;
}
