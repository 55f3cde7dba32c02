// What the program asks of the desktop: modal alerts, opening web pages and folders, and the
// computer's clock. The controller reaches them only through this interface, so tests answer
// alerts, watch what would be opened and set the time without a person or a browser.
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QUrl>

class QMessageBox;
class QWidget;

// A modal alert: a title (none when empty) over its text, the default button and, when its
// text is not empty, the button that declines.
struct AlertRequest {
    QString messageText{};
    QString informativeText{};
    QString defaultButton{};
    QString alternateButton{};
};

class DesktopServices {
  public:
    // runAlert's result when the user chose the default button.
    static constexpr int kDefaultButton = 1;
    static constexpr int kAlternateButton = 0;
    // runAlert's result when the alert was closed by the program, not answered.
    static constexpr int kClosed = -1;

    virtual ~DesktopServices() = default;
    // Shows the alert and waits for the user's answer.
    virtual int runAlert(QWidget* parent, const AlertRequest& alert) = 0;
    // Closes the alert that is open, if any: its runAlert returns kClosed.
    virtual void closeAlert() = 0;
    // Hands a web address or a local folder to the desktop. No shell is involved. False when
    // nothing on the computer took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // The computer's local date and time.
    virtual QDateTime now() = 0;
};

// The real desktop: QMessageBox, QDesktopServices and the system clock.
class SystemDesktopServices : public DesktopServices {
  public:
    int runAlert(QWidget* parent, const AlertRequest& alert) override;
    void closeAlert() override;
    bool openUrl(const QUrl& url) override;
    QDateTime now() override;

  private:
    QPointer<QMessageBox> open_;
};
