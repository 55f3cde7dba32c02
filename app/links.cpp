// The camera's media folder and the maker's web pages, handed to the desktop.
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "camerapaths.h"

#include <QFile>

void Tavik_CamAppDelegate::MouseClickOnBtnBrowse() {
    // The folder is handed over as a file address, never as a command text, so no character
    // of the volume's name can make anything else run.
    services_->openUrl(QUrl::fromLocalFile(cameraFolder() + QLatin1String(kMediaFolderName)));
}

void Tavik_CamAppDelegate::openLink(const char* address) {
    services_->openUrl(QUrl(QString::fromUtf8(address)));
}

void Tavik_CamAppDelegate::MouseClickOnIconTavikWeb() {
    openLink(VANTORELLE_WEB_ADDRESS);
}

void Tavik_CamAppDelegate::MouseClickOnIconTavikFacebook() {
    openLink(VANTORELLE_FACEBOOK_ADDRESS);
}

void Tavik_CamAppDelegate::MouseClickOnIconTavikTwitter() {
    openLink(VANTORELLE_TWITTER_ADDRESS);
}
