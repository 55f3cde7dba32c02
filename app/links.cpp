// The camera's media folder and the maker's web pages, handed to the desktop.
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "camerapaths.h"

#include <QDir>
#include <QFileInfo>

void Tavik_CamAppDelegate::MouseClickOnBtnBrowse() {
    const QString folder = cameraFolder() + QLatin1String(kMediaFolderName);
    // The camera makes the folder with its first picture; Browse never does.
    if (!QFileInfo(folder).isDir()) {
        showNotice(tr("The card has no DCIM folder yet: the camera makes it with its first "
                      "photo or video."));
        return;
    }
    // The folder is handed over as a file address, never as a command text, so no character
    // of the volume's name can make anything else run.
    if (!services_->openUrl(QUrl::fromLocalFile(folder))) {
        showNotice(tr("Nothing on this computer opens folders. The photos and videos are in %1.")
                       .arg(printable(QDir::toNativeSeparators(folder))));
    }
}

void Tavik_CamAppDelegate::openLink(const char* address) {
    if (!services_->openUrl(QUrl(QString::fromUtf8(address)))) {
        showNotice(
            tr("No web browser on this computer opened %1.").arg(QString::fromUtf8(address)));
    }
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
