#include "desktopservices.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

int SystemDesktopServices::runAlert(QWidget* parent, const AlertRequest& alert) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    // With no message text the informative text is the message: show it at full size.
    if (alert.messageText.isEmpty()) {
        box.setText(alert.informativeText);
    } else {
        box.setText(alert.messageText);
        box.setInformativeText(alert.informativeText);
    }
    QPushButton* defaultButton = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* otherButton = nullptr;
    if (!alert.alternateButton.isEmpty()) {
        box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    }
    if (!alert.otherButton.isEmpty()) {
        otherButton = box.addButton(alert.otherButton, QMessageBox::DestructiveRole);
    }
    box.setDefaultButton(defaultButton);
    box.exec();
    if (box.clickedButton() == defaultButton) {
        return kDefaultButton;
    }
    if (otherButton != nullptr && box.clickedButton() == otherButton) {
        return kOtherButton;
    }
    return kAlternateButton;
}

void SystemDesktopServices::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QDateTime SystemDesktopServices::now() {
    return QDateTime::currentDateTime();
}
