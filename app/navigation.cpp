// The window frame: header, logo, link icons, page menu, page switching and the paint of every
// page from a settings record.
#include "palette.h"
#include "tavik_camappdelegate.h"

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

    logo = new QLabel(superView);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setScaledContents(true);
    logo->setGeometry(kLogoFrame);
    logo->setPixmap(imageNamed(QStringLiteral("logo.png")));
    logo->setAccessibleName(QStringLiteral("vantorelle"));
    logo->lower();
    logo->show();

    ui.headView->setGeometry(kHeaderFrame);
    ui.headView->raise();
    setUpLinkIcons();

    for (BlackScroller* menuButton : {ui.buttonPhotoUI, ui.buttonVideoUI, ui.buttonGeneralUI}) {
        menuButton->setMyTracking();
    }

    setUpPhotoPage();
    setUpVideoPage();
    setUpGeneralPage();
    setUpResetAndFormat();
    setUpDateTimePage();
    setUpSaveNotice();
    defineButtonGroups();
    connectControls();

    for (QWidget* page : {ui.photoView, ui.videoView, ui.dateSetView}) {
        page->hide();
    }
    curView = nullptr;
    switchToPage(ui.generalView);

    ui.buttonVideoUI->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    ui.buttonPhotoUI->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    ui.buttonGeneralUI->setMyButtonTitleColor(BlackScroller::selectedTitleColor());
    ui.buttonGeneralUI->setImageName(QStringLiteral("menuright_on.png"));
    ui.buttonPhotoUI->setImageName(QStringLiteral("menuleft.png"));
    ui.buttonVideoUI->setImageName(QStringLiteral("menumiddle.png"));

    ui.setBarView->setGeometry(kMenuBarFrame);
    ui.setBarView->show();
    ui.setBarView->raise();
}

void Tavik_CamAppDelegate::setUpLinkIcons() {
    const struct {
        BlackScroller* icon;
        QLabel* label;
        QRect labelFrame; // in the icon's own coordinates, top left origin like any button
    } links[] = {
        {ui.buttonTavikWeb, ui.tfxTavikWeb, QRect(12, 33, 100, 15)},
        {ui.buttonTavikFacebook, ui.tfxTavikFacebook, QRect(1, 33, 100, 15)},
        {ui.buttonTavikTwitter, ui.tfxTavikTwitter, QRect(8, 33, 100, 15)},
    };
    QPalette quiet = ui.cameraDetails->palette();
    quiet.setColor(QPalette::WindowText, BlackScroller::greyTitleColor());
    ui.cameraDetails->setPalette(quiet);
    for (const auto& link : links) {
        link.icon->setMyTracking();
        link.label->setGeometry(link.labelFrame);
        link.label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette palette = link.label->palette();
        palette.setColor(QPalette::WindowText, palette::kLinkText);
        link.label->setPalette(palette);
    }
    ui.buttonTavikWeb->setDisplayImage(QStringLiteral("globalmenu_1a.bmp"),
                                       QStringLiteral("globalmenu_1b.bmp"));
    // The cloud icon has no action; it keeps its pictures but is not shown.
    ui.buttonTavikCloud->setDisplayImage(QStringLiteral("globalmenu_2a.bmp"),
                                         QStringLiteral("globalmenu_2b.bmp"));
    ui.buttonTavikCloud->hide();
    ui.buttonTavikFacebook->setDisplayImage(QStringLiteral("globalmenu_3a.bmp"),
                                            QStringLiteral("globalmenu_3b.bmp"));
    ui.buttonTavikTwitter->setDisplayImage(QStringLiteral("globalmenu_4a.bmp"),
                                           QStringLiteral("globalmenu_4b.bmp"));
    ui.buttonTavikWeb->setAccessibleName(tr("Open the maker's web site"));
    ui.buttonTavikFacebook->setAccessibleName(tr("Open the maker's Facebook page"));
    ui.buttonTavikTwitter->setAccessibleName(tr("Open the maker's Twitter page"));
}

void Tavik_CamAppDelegate::connectControls() {
    const struct {
        BlackScroller* button;
        void (Tavik_CamAppDelegate::*handler)();
    } clicks[] = {
        {ui.buttonPhotoUI, &Tavik_CamAppDelegate::MouseClickOnBtnPhotoUI},
        {ui.buttonVideoUI, &Tavik_CamAppDelegate::MouseClickOnBtnVideoUI},
        {ui.buttonGeneralUI, &Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI},
        {ui.buttonTavikWeb, &Tavik_CamAppDelegate::MouseClickOnIconTavikWeb},
        {ui.buttonTavikFacebook, &Tavik_CamAppDelegate::MouseClickOnIconTavikFacebook},
        {ui.buttonTavikTwitter, &Tavik_CamAppDelegate::MouseClickOnIconTavikTwitter},
        {ui.button16MP, &Tavik_CamAppDelegate::MouseClickOnBtn16MP},
        {ui.button5MP, &Tavik_CamAppDelegate::MouseClickOnBtn5MP},
        {ui.button3MP, &Tavik_CamAppDelegate::MouseClickOnBtn3MP},
        {ui.buttonVGA, &Tavik_CamAppDelegate::MouseClickOnBtnVGA},
        {ui.buttonSingle, &Tavik_CamAppDelegate::MouseClickOnBtnSingle},
        {ui.buttonBurst, &Tavik_CamAppDelegate::MouseClickOnBtnBurst},
        {ui.buttonTimeLapse, &Tavik_CamAppDelegate::MouseClickOnBtnTimeLapse},
        {ui.button1080P, &Tavik_CamAppDelegate::MouseClickOnBtn1080P},
        {ui.button960P, &Tavik_CamAppDelegate::MouseClickOnBtn960P},
        {ui.button720P60, &Tavik_CamAppDelegate::MouseClickOnBtn720P60},
        {ui.button720P30, &Tavik_CamAppDelegate::MouseClickOnBtn720P30},
        {ui.buttonPAL, &Tavik_CamAppDelegate::MouseClickOnBtnPAL},
        {ui.buttonNTSC, &Tavik_CamAppDelegate::MouseClickOnBtnNTSC},
        {ui.button50HZ, &Tavik_CamAppDelegate::MouseClickOnBtn50HZ},
        {ui.button60HZ, &Tavik_CamAppDelegate::MouseClickOnBtn60HZ},
        {ui.buttonAuto, &Tavik_CamAppDelegate::MouseClickOnBtnAuto},
        {ui.buttonAuto1, &Tavik_CamAppDelegate::MouseClickOnBtnAuto1},
        {ui.buttonAuto3, &Tavik_CamAppDelegate::MouseClickOnBtnAuto3},
        {ui.buttonAutoOFF, &Tavik_CamAppDelegate::MouseClickOnBtnAutoOFF},
        {ui.buttonAutoRotOff, &Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationOFF},
        {ui.buttonAutoRotOn, &Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationON},
        {ui.buttonAutoDateSet, &Tavik_CamAppDelegate::MouseClickOnBtnDateSet},
        {ui.buttonAutoResetAll, &Tavik_CamAppDelegate::MouseClickOnBtnReset},
        {ui.buttonAutoFormatOK, &Tavik_CamAppDelegate::MouseClickOnBtnFormatOK},
        {ui.buttonCancelFormat, &Tavik_CamAppDelegate::MouseClickOnBtnCancelFormat},
        {ui.buttonBrowse, &Tavik_CamAppDelegate::MouseClickOnBtnBrowse},
        {ui.buttonSYNWithPC, &Tavik_CamAppDelegate::MouseClickOnBtnSynWithPC},
        {ui.buttonAutoDateOK, &Tavik_CamAppDelegate::MouseClickOnBtnDateSetOK},
        {ui.buttonAutoBack, &Tavik_CamAppDelegate::MouseClickOnBtnBack},
    };
    for (const auto& click : clicks) {
        connect(click.button, &QAbstractButton::clicked, this, click.handler);
    }
    connect(ui.timeLipse, &QComboBox::activated, this,
            &Tavik_CamAppDelegate::MouseClickOnComboxTimelapse);
    connect(ui.calender, &QCalendarWidget::selectionChanged, this,
            &Tavik_CamAppDelegate::MouseClickOnCalender);
    connect(ui.date, &QDateEdit::dateChanged, this, &Tavik_CamAppDelegate::MouseClickOnDate);
    connect(ui.timePicker, &QTimeEdit::timeChanged, this, &Tavik_CamAppDelegate::MouseClickOnTime);
    connect(ui.clock, &ClockFace::timeEdited, this, &Tavik_CamAppDelegate::MouseClickOnClock);
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
    } frames[] = {{ui.generalView, kGeneralFrame},
                  {ui.photoView, kPhotoFrame},
                  {ui.videoView, kVideoFrame},
                  {ui.dateSetView, kDateSetFrame}};
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
}

// Back from the Date and Time page: the keyboard is where it was before, on Date Set.
void Tavik_CamAppDelegate::returnToGeneralPage() {
    switchToPage(ui.generalView, ui.buttonAutoDateSet);
}

void Tavik_CamAppDelegate::repaintMenu(QWidget* page) {
    const struct {
        BlackScroller* button;
        QWidget* page;
        const char* normal;
        const char* current;
    } menu[] = {
        {ui.buttonPhotoUI, ui.photoView, "menuleft.png", "menuleft_on.png"},
        {ui.buttonVideoUI, ui.videoView, "menumiddle.png", "menumiddle_on.png"},
        {ui.buttonGeneralUI, ui.generalView, "menuright.png", "menuright_on.png"},
    };
    for (const auto& entry : menu) {
        const bool current = entry.page == page;
        entry.button->setMyButtonTitleColor(current ? BlackScroller::selectedTitleColor()
                                                    : BlackScroller::greyTitleColor());
        entry.button->setImageName(QString::fromLatin1(current ? entry.current : entry.normal));
    }
}

void Tavik_CamAppDelegate::MouseClickOnBtnPhotoUI() {
    if (curView == ui.photoView) {
        return;
    }
    switchToPage(ui.photoView);
    repaintMenu(ui.photoView);
}

void Tavik_CamAppDelegate::MouseClickOnBtnVideoUI() {
    if (curView == ui.videoView) {
        return;
    }
    switchToPage(ui.videoView);
    repaintMenu(ui.videoView);
}

void Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI() {
    if (curView == ui.generalView || curView == ui.dateSetView) {
        return;
    }
    switchToPage(ui.generalView);
    repaintMenu(ui.generalView);
    ui.buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
}

void Tavik_CamAppDelegate::MouseClickOnBtnDateSet() {
    if (curView == ui.dateSetView) {
        return;
    }
    catchUpClock();
    switchToPage(ui.dateSetView);
    ui.setBarView->hide();
}

void Tavik_CamAppDelegate::MouseClickOnBtnBack() {
    ui.setBarView->show();
    if (curView == ui.dateSetView) {
        returnToGeneralPage();
    }
    ui.buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
    ui.buttonAutoBack->setImageName(QStringLiteral("single.png"));
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
