// The controller of the program: it owns the window, the camera's settings and every action.
#pragma once

#include "action_config.h"
#include "camerafile.h"
#include "cardticker.h"
#include "cardworker.h"
#include "desktopservices.h"
#include "setting_choices.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class BlackScroller;
class QLabel;
namespace Ui {
class DateTimePage;
class VantorelleWindow;
} // namespace Ui

// Tavik_CamAppDelegate runs the program from start-up to its end. It finds the camera through
// the start path, loads the camera's settings file, builds and paints the window, writes every
// change back to the file at once, watches that the camera stays connected, and ends the
// program when the window closes. Its implementation is split by concern: start-up and
// shutdown, navigation, one file per page.
class Tavik_CamAppDelegate : public QObject {
    Q_OBJECT

  public:
    // `services` must outlive the controller; by default the real desktop is used.
    explicit Tavik_CamAppDelegate(DesktopServices* services = nullptr, QObject* parent = nullptr);
    ~Tavik_CamAppDelegate() override;

    // Start-up, run once by main before the event loop. Returns false when the camera is
    // missing: the user has been told and the program must end without an event loop.
    bool applicationDidFinishLaunching();

    // Ends the program: the warning when the clock synchronisation runs, then quit.
    void applicationWillTerminate();

    // Shows the window in front of the others, as another start on this camera asks.
    void bringToFront();

    QWidget* window() const { return window_.get(); }
    // True when the window closed because the camera went away, not by the user's hand.
    bool cameraWentAway() const { return cameraGone_; }
    // The camera clock in whole seconds, as the date and time page shows it (or would).
    QDateTime shownClock() const;

    // Paints every page from `setting`: the eight button groups and the clock the date pickers
    // show.
    void initSelectButtonBK(tagSetting* setting);

    // Button-group repaints, one for each group.
    void changeSelectPRButtonImage(tagSetting* setting);
    void changeSelectPMButtonImage(tagSetting* setting);
    void changeSelectFHDButtonImage(tagSetting* setting);
    void changeSelectHDButtonImage(tagSetting* setting);
    void changeSelectTVTypeButtonImage(tagSetting* setting);
    void changeSelectFreButtonImage(tagSetting* setting);
    void changeSelectAutoPowerButtonImage(tagSetting* setting);
    void changeSelectAutoRotationButtonImage(tagSetting* setting);

  signals:
    // The window has closed and the end-of-program steps are done: the program may quit.
    void programEnded();

  public slots:
    // Presence watch: asks for a look at the card, which ends the program when the settings file
    // can no longer be opened and follows changes other programs make. Runs on the ticker's
    // thread and the look on the card worker's: a card that does not answer never stops the
    // window, and the window's thread wakes only for what a look found.
    void onUSBTimer();
    // Clock of the date and time page: one second further.
    void onTimer();
    // Clock synchronisation: stores the pickers' date and time.
    void updateTime();

    // Navigation.
    void MouseClickOnBtnPhotoUI();
    void MouseClickOnBtnVideoUI();
    void MouseClickOnBtnGeneralUI();
    void MouseClickOnBtnDateSet();
    void MouseClickOnBtnBack();

    // Photo page.
    void MouseClickOnBtn16MP();
    void MouseClickOnBtn5MP();
    void MouseClickOnBtn3MP();
    void MouseClickOnBtnVGA();
    void MouseClickOnBtnSingle();
    void MouseClickOnBtnBurst();
    void MouseClickOnBtnTimeLapse();
    void MouseClickOnComboxTimelapse();

    // Video page.
    void MouseClickOnBtn1080P();
    void MouseClickOnBtn960P();
    void MouseClickOnBtn720P60();
    void MouseClickOnBtn720P30();

    // General page.
    void MouseClickOnBtnPAL();
    void MouseClickOnBtnNTSC();
    void MouseClickOnBtn50HZ();
    void MouseClickOnBtn60HZ();
    void MouseClickOnBtnAuto();
    void MouseClickOnBtnAuto1();
    void MouseClickOnBtnAuto3();
    void MouseClickOnBtnAutoOFF();
    void MouseClickOnBtnAutoRotationOFF();
    void MouseClickOnBtnAutoRotationON();

    // Reset all and SD-card format.
    void MouseClickOnBtnReset();
    void MouseClickOnBtnFormatOK();
    void MouseClickOnBtnCancelFormat();

    // Date and time page.
    void MouseClickOnCalender();
    void MouseClickOnDate();
    void MouseClickOnTime();
    void MouseClickOnClock();
    void MouseClickOnBtnSynWithPC();
    void MouseClickOnBtnDateSetOK();

    // Media folder and web links.
    void MouseClickOnBtnBrowse();
    void MouseClickOnIconTavikWeb();
    void MouseClickOnIconTavikFacebook();
    void MouseClickOnIconTavikTwitter();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One button of a group: the button and its normal and selected pictures.
    struct GroupButton {
        BlackScroller* button;
        const char* normalImage;
        const char* selectedImage;
    };
    // How a group shows its selection on a click.
    enum class GroupStyle {
        Standard,       // the others lose their selection and show their normal picture
        AllNormalFirst, // every button shows its normal picture, the selected one too
    };
    struct ButtonGroup {
        int32_t tagSetting::*field;
        GroupStyle style;
        std::vector<GroupButton> buttons;
    };
    using Repaint = void (Tavik_CamAppDelegate::*)(tagSetting*);

    // Start-up and shutdown.
    bool clockSyncRunning() const { return timer != nullptr && timer->isActive(); }
    void buildConfigPath();
    void loadSettings();
    void startTimers();
    void showCameraDetails();
    static QString cameraFolder();
    void endProgram();

    // Window frame and navigation.
    void setUpFrame();
    void setUpLinkIcons();
    void connectControls();
    // Shows `page` in place of the current one. Focus that was on the page leaving goes to
    // `focusTarget`, or else to the first control of `page`.
    void switchToPage(QWidget* page, QWidget* focusTarget = nullptr);
    void returnToGeneralPage();
    void repaintMenu(QWidget* page);
    void setDatePickers(const QDateTime& value);
    void paintGroups(tagSetting* setting);

    // Pages.
    void setUpPhotoPage();
    void setUpVideoPage();
    void setUpGeneralPage();
    void setUpResetAndFormat();
    void setUpDateTimePage();
    void defineButtonGroups();
    void showPhotoMode();
    void showFormatRequest();
    bool formatRequestPending() const;
    void attachIntervalBox(int qtY);
    void selectStoredInterval();
    void detachIntervalBox();
    void setThreeResolutionsEnabled(bool enabled);
    void repaintGroup(const ButtonGroup& group, const tagSetting& setting);
    // A click on a button of a group: makes the choice, repaints and saves the line that
    // holds the setting.
    void chooseValue(SettingKey key, int32_t code, Repaint repaint);
    // A click on a capture mode: makes the choice and shows what the mode allows on the page.
    void chooseMode(int32_t code);
    // The date and time page, built when it is first shown: most windows never show it.
    Ui::DateTimePage& datePage();
    bool onDatePage() const { return dateSetView_ != nullptr && curView == dateSetView_; }
    bool storePickersAndSave();
    QDateTime pickerDateTime();
    QDateTime runningClock() const;
    void catchUpClock();
    void showStoredClock();

    // The card's file and the window in step.
    // What a look at the card found: the camera gone ends the program, content another program
    // wrote is shown.
    void onLook(const CardLook& look);
    void lookAtCard(std::optional<CardLook> (CardWatch::*how)() = &CardWatch::look);
    // Paints every page from `settingValue` after it was replaced; the date pickers too when
    // `withClock`.
    void showStoredSettings(bool withClock);
    // Takes the card's settings into `settingValue` and shows them, the clock when it changed.
    void showCard();
    // Saving: makes `edit` on the settings the card holds and saves the lines it names, through
    // the camera's file. Done, `settingValue` is what the card holds and `onSaved` paints what
    // the click changed; otherwise the window shows what the card holds and the notice says why.
    // 0 when the card holds the change (or already did), -1 when not.
    int32_t saveLines(const Edit& edit, const std::function<void()>& onSaved = {});
    void showNotice(const QString& text);
    void setUpSaveNotice();
    void placeSaveNotice();

    void openLink(const char* address);
    // The alert through the desktop; kClosed when the camera went away while it was open.
    int runAlert(const AlertRequest& alert);

    std::unique_ptr<DesktopServices> ownServices_;
    DesktopServices* services_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<Ui::VantorelleWindow> ui_;
    std::unique_ptr<Ui::DateTimePage> dateUi_;
    QWidget* dateSetView_ = nullptr;

    QWidget* superView = nullptr;
    QWidget* curView = nullptr;
    QLabel* logo_ = nullptr;

    tagSetting settingValue{};
    // The camera's file: its lines, what the card holds, and every save.
    std::unique_ptr<CameraFile> camera_;
    CardWorker cardWorker_;
    // The watch's state lives on with a look under way on a card that does not answer.
    std::shared_ptr<CardWatch> cardWatch_;
    std::shared_ptr<std::atomic<int>> looksUnderWay_ = std::make_shared<std::atomic<int>>(0);
    // When the looks under way began, on the steady clock, in milliseconds.
    std::atomic<qint64> lookStartedMs_ = 0;
    // The ticker's own.
    bool glanceOnWorker_ = false;
    bool cardSilent_ = false; // the notice says the card does not answer
    QString noticeStyle_;     // the notice band's style, its font size left open

    ButtonGroup resolutionGroup_{};
    ButtonGroup modeGroup_{};
    ButtonGroup fhdGroup_{};
    ButtonGroup hdGroup_{};
    ButtonGroup tvTypeGroup_{};
    ButtonGroup frequencyGroup_{};
    ButtonGroup autoPowerGroup_{};

    QTimer dateTimer;
    QFileSystemWatcher volumeWatcher_;
    QTimer* timer = nullptr; // clock synchronisation, "clockSyncTimer"; made at the first Sync
    // The camera clock runs as this offset from the computer's clock, in milliseconds.
    qint64 clockOffsetMs_ = 0;
    bool showingClock_ = false; // the program itself is setting the date pickers
    bool ending_ = false;
    bool cameraGone_ = false;
    int alertsOpen_ = 0;
    bool endAfterAlert_ = false; // the window closed while an alert was open
    // Last, so that it stops before anything its tick uses is gone.
    CardTicker detectUSBTimer;
};
