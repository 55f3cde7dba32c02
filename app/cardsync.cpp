// The window and the card's file in step: every save starts from the file as it is on the card,
// a change another program made to the file is loaded and shown, and a save the card refuses is
// shown as refused, with the window back on what the card holds.
#include "palette.h"
#include "tavik_camappdelegate.h"

#include "camerapaths.h"

#include <QLabel>

#include <cerrno>
#include <optional>
#include <vector>

namespace {

// More than a load ever uses (99 pieces of 99 bytes) and more than a save ever writes
// (100 lines of 100 bytes): a difference that matters always shows in this much of the file.
constexpr std::size_t kCardHeadBytes = 16 * 1024;

// The first bytes of the file, or nothing when it is no regular file or cannot be read. The
// read never waits: a FIFO planted in the file's place must not stop the window.
std::optional<QByteArray> readCardHead(const std::string& path) {
    std::string bytes;
    if (!readConfigHead(path, kCardHeadBytes, bytes)) {
        return std::nullopt;
    }
    return QByteArray::fromStdString(bytes);
}

// The bytes a successful save puts on the card, as far as they are compared.
QByteArray savedBytes(const ConfigLineArray& lines, int32_t count) {
    return QByteArray::fromStdString(configFileContent(lines, count))
        .left(static_cast<qsizetype>(kCardHeadBytes));
}

std::vector<tagConfigLine> copyOfLines(const ConfigLineArray& lines, int32_t count) {
    std::vector<tagConfigLine> copy;
    for (int32_t i = 0; i < count; ++i) {
        const tagConfigLine* line = lines[static_cast<std::size_t>(i)].get();
        copy.push_back(line != nullptr ? *line : tagConfigLine{});
    }
    return copy;
}

void restoreLines(ConfigLineArray& lines, int32_t& count, const std::vector<tagConfigLine>& copy) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = i < copy.size() ? std::make_unique<tagConfigLine>(copy[i]) : nullptr;
    }
    count = static_cast<int32_t>(copy.size());
}

void dropFormatRequests(ConfigLineArray& lines, int32_t& count) {
    int32_t kept = 0;
    for (int32_t i = 0; i < count; ++i) {
        auto& line = lines[static_cast<std::size_t>(i)];
        if (line == nullptr || line->kind != kFormatLine) {
            lines[static_cast<std::size_t>(kept++)] = std::move(line);
        }
    }
    for (int32_t i = kept; i < count; ++i) {
        lines[static_cast<std::size_t>(i)].reset();
    }
    count = kept;
}

bool sameClock(const tagSetting& a, const tagSetting& b) {
    return a.year == b.year && a.month == b.month && a.date == b.date && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

bool isWriteProtection(int error) {
    return error == EROFS || error == EACCES || error == EPERM;
}

bool isNoSpace(int error) {
#ifdef EDQUOT
    if (error == EDQUOT) {
        return true;
    }
#endif
    return error == ENOSPC;
}

// The notice band: under the page menu, or at the foot of the date and time page, which
// covers the menu's place.
constexpr QRect kNoticeUnderMenu(35, 130, 500, 20);
constexpr QRect kNoticeOnDatePage(45, 400, 465, 20);

} // namespace

bool Tavik_CamAppDelegate::loadFromCard() {
    // The bytes are taken before the load: should another program write in between, the next
    // look at the card sees a difference and loads again, instead of missing the change.
    const std::optional<QByteArray> bytes = readCardHead(configfile_path);
    if (!bytes) {
        return false;
    }
    cardBytes_ = bytes;
    // Lines that could not be loaded are not the card's: nothing is saved from them.
    configLoaded = readAllConfig(configLineArray, lineCount, configfile_path) == 0;
    if (!configLoaded) {
        return false;
    }
    tagSetting decoded{};
    getConfig(configLineArray, lineCount, decoded);
    settingValue = decoded;
    storedSetting_ = decoded;
    return true;
}

bool Tavik_CamAppDelegate::followCard(bool retryFailedLoad) {
    const std::optional<QByteArray> bytes = readCardHead(configfile_path);
    if (!bytes) {
        return false;
    }
    if (bytes == cardBytes_ && (configLoaded || !retryFailedLoad)) {
        return configLoaded;
    }
    const tagSetting shown = settingValue;
    const bool wasLoaded = configLoaded;
    if (!loadFromCard()) {
        return false;
    }
    qInfo("ActionConfig was changed on the card; showing it as it is now");
    showStoredSettings(!wasLoaded || !sameClock(shown, settingValue));
    return true;
}

void Tavik_CamAppDelegate::showStoredSettings(bool withClock) {
    settingValue.isInit = 1;
    paintGroups(&settingValue);
    showPhotoMode();
    if (withClock) {
        showStoredClock();
    }
    showFormatRequest();
}

int32_t Tavik_CamAppDelegate::saveLines(std::initializer_list<int32_t> kinds,
                                        bool dropFormatRequest) {
    const std::vector<tagConfigLine> before = copyOfLines(configLineArray, lineCount);
    int32_t result = -1;
    int error = 0;
    // Only a file this program has seen as it is now is rewritten: one it could not load, or
    // one that is gone (the presence watch then ends the program), is left alone.
    // (Reading the file opens it only when it is a regular file: a file that is gone reads as
    // nothing, which differs from the bytes of any file this program loaded.)
    const bool attempted = configLoaded && readCardHead(configfile_path) == cardBytes_;
    if (attempted) {
        if (dropFormatRequest) {
            dropFormatRequests(configLineArray, lineCount);
        }
        for (const int32_t kind : kinds) {
            setConfigLine(configLineArray, lineCount, settingValue, kind);
        }
        result = saveConfigLine(configLineArray, lineCount, configfile_path);
        error = errno;
    }
    if (result == 0) {
        cardBytes_ = savedBytes(configLineArray, lineCount);
        storedSetting_ = settingValue;
        ui.saveNotice->hide();
        showFormatRequest();
        return 0;
    }

    restoreLines(configLineArray, lineCount, before);
    const bool clockChanged = !sameClock(settingValue, storedSetting_);
    settingValue = storedSetting_;
    showStoredSettings(clockChanged);
    QString cause;
    if (!attempted) {
        cause = tr("The settings on the card could not be read.");
    } else if (isWriteProtection(error)) {
        cause = tr("The card is write-protected.");
    } else if (isNoSpace(error)) {
        cause = tr("The card is full.");
    } else {
        cause = tr("The card could not be written.");
    }
    ui.saveNotice->setText(cause + QLatin1Char(' ') + tr("The change was not saved."));
    placeSaveNotice();
    ui.saveNotice->show();
    return -1;
}

void Tavik_CamAppDelegate::setUpSaveNotice() {
    // Amber with dark text, so that it reads as a warning against the charcoal window without
    // looking like one of the teal controls.
    ui.saveNotice->setAttribute(Qt::WA_StyledBackground);
    QColor band = palette::kAmber;
    band.setAlpha(230);
    ui.saveNotice->setStyleSheet(
        QStringLiteral("#saveNotice { background-color: %1; color: %2; border-radius: 5px;"
                       " padding: 0px 12px; font-weight: 600; }")
            .arg(palette::css(band), palette::css(palette::kWindow)));
    ui.saveNotice->setAccessibleName(tr("Save failed"));
    ui.saveNotice->hide();
    // The presence watch's tick also looks whether another program changed the file. A file
    // that could not be loaded is tried again when it changes, or at the next click.
    connect(&detectUSBTimer, &QTimer::timeout, this, [this] { followCard(false); });
}

void Tavik_CamAppDelegate::placeSaveNotice() {
    ui.saveNotice->setGeometry(curView == ui.dateSetView ? kNoticeOnDatePage : kNoticeUnderMenu);
    ui.saveNotice->raise();
}
