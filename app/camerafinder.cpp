#include "camerafinder.h"
#include "palette.h"

#include "applook.h"
#include "blackscroller.h"
#include "camerapaths.h"
#include "frames.h"
#include "imagenamed.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QStyledItemDelegate>

namespace {

constexpr QColor kSlate = palette::kSlate;
constexpr QColor kTeal = palette::kTealTitle;
constexpr QColor kTitleText = palette::kText;

constexpr QRect kContentFrame(20, kHeaderFrame.bottom() + 11, kContentWidth - 40,
                              kContentHeight - kHeaderFrame.bottom() - 11 - 20);
constexpr int kRowHeight = 58;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;

constexpr int kRootRole = Qt::UserRole;
constexpr int kDetailsRole = Qt::UserRole + 1;
constexpr int kMarkRole = Qt::UserRole + 2; // "open in a window", right of the name

QFont sized(const QFont& base, qreal factor, bool bold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

// A camera and the card beside it, in thin slate-grey lines.
class CameraDrawing : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kSlate, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
        const qreal unit = std::min(area.width() / 16.0, area.height() / 8.0);
        const QPointF origin(area.center().x() - 8 * unit, area.center().y() - 4 * unit);
        auto box = [&](qreal x, qreal y, qreal w, qreal h) {
            return QRectF(origin.x() + x * unit, origin.y() + y * unit, w * unit, h * unit);
        };
        // The camera: body, lens rings, shutter button and a small screen.
        painter.drawRoundedRect(box(0, 1.5, 9, 6.5), unit * 0.8, unit * 0.8);
        painter.drawEllipse(box(2.8, 3.0, 3.4, 3.4));
        painter.drawEllipse(box(3.7, 3.9, 1.6, 1.6));
        painter.drawRoundedRect(box(6.6, 0.5, 1.6, 1.0), unit * 0.3, unit * 0.3);
        painter.drawRect(box(0.8, 2.3, 1.4, 0.9));
        // The card: a rectangle with one cut corner and its contacts.
        QPainterPath card;
        card.moveTo(box(11, 2.2, 0, 0).topLeft());
        card.lineTo(box(13.6, 2.2, 0, 0).topLeft());
        card.lineTo(box(15, 3.6, 0, 0).topLeft());
        card.lineTo(box(15, 8, 0, 0).topLeft());
        card.lineTo(box(11, 8, 0, 0).topLeft());
        card.closeSubpath();
        painter.drawPath(card);
        for (int i = 0; i < 3; ++i) {
            painter.drawLine(box(11.8 + i * 0.8, 2.9, 0, 0).topLeft(),
                             box(11.8 + i * 0.8, 3.9, 0, 0).topLeft());
        }
        // Dots between them: the card goes into the computer.
        painter.setPen(QPen(kSlate, 2.0, Qt::DotLine, Qt::RoundCap));
        painter.drawLine(box(9.5, 5, 0, 0).topLeft(), box(10.5, 5, 0, 0).topLeft());
    }
};

// A chooser row: the volume's name in the title size, its path, firmware and free space under
// it in slate grey; the focused row carries the teal outline.
class CameraRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, kRowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF row = QRectF(option.rect).adjusted(2, 2, -2, -2);
        const bool current = (option.state & QStyle::State_HasFocus) != 0 ||
                             (option.state & QStyle::State_Selected) != 0;
        painter->setPen(current ? QPen(kTeal, 2.0) : QPen(kSlate.darker(160), 1.0));
        painter->setBrush(option.state & QStyle::State_MouseOver ? palette::kRaised
                                                                 : palette::kHeader);
        painter->drawRoundedRect(row, 6, 6);
        const QRectF text = row.adjusted(14, 6, -14, -6);
        QRectF title = text;
        const QString mark = index.data(kMarkRole).toString();
        if (!mark.isEmpty()) {
            painter->setPen(kTeal);
            painter->setFont(option.font);
            painter->drawText(text, Qt::AlignRight | Qt::AlignTop, mark);
            title.setRight(text.right() - painter->fontMetrics().horizontalAdvance(mark) - 12);
        }
        painter->setPen(current ? kTeal.lighter(130) : kTitleText);
        painter->setFont(sized(option.font, 1.25, true));
        painter->drawText(title, Qt::AlignLeft | Qt::AlignTop,
                          painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                            int(title.width())));
        painter->setPen(kSlate);
        painter->setFont(option.font);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignBottom,
                          painter->fontMetrics().elidedText(index.data(kDetailsRole).toString(),
                                                            Qt::ElideMiddle, int(text.width())));
        painter->restore();
    }
};

BlackScroller* segmentButton(const QString& title, QWidget* parent) {
    auto* button = new BlackScroller(parent);
    button->setText(title);
    button->setKind(BlackScroller::Single);
    button->setImageName(QStringLiteral("single.png"));
    // Tracking first, as the window's buttons do: only then does the pointer swap the pictures.
    button->setMyTracking();
    button->setDisplayImage(QStringLiteral("single.png"), QStringLiteral("single_hold.png"));
    button->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel* label(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setFont(font);
    result->setWordWrap(true);
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, color);
    result->setPalette(palette);
    return result;
}

} // namespace

CameraFinder::CameraFinder(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cameraFinder"));
    setWindowTitle(QStringLiteral("vantorelle"));
    setFixedSize(kContentWidth, kContentHeight);
    setAutoFillBackground(true);
    setPalette(headerBandPalette(palette()));

    auto* logo = new QLabel(this);
    logo->setScaledContents(true);
    logo->setGeometry(kLogoFrame);
    logo->setPixmap(imageNamed(QStringLiteral("logo.png")));
    logo->setAccessibleName(QStringLiteral("vantorelle"));

    pages_ = new QStackedWidget(this);
    pages_->setGeometry(kContentFrame);

    const QFont titleFont = sized(font(), 1.6, true);

    waitingPage_ = new QWidget(pages_);
    waitingPage_->setObjectName(QStringLiteral("waitingPage"));
    auto* drawing = new CameraDrawing(waitingPage_);
    drawing->setGeometry(0, 24, kContentFrame.width(), 110);
    auto* waitingTitle = label(tr("Connect your camera"), titleFont, kTitleText, waitingPage_);
    waitingTitle->setObjectName(QStringLiteral("waitingTitle"));
    waitingTitle->setAlignment(Qt::AlignHCenter);
    waitingTitle->setGeometry(0, 150, kContentFrame.width(), 36);
    auto* waitingLine = label(tr("Its settings open as soon as its card appears on this computer."),
                              font(), kSlate, waitingPage_);
    waitingLine->setAlignment(Qt::AlignHCenter);
    waitingLine->setGeometry(0, 190, kContentFrame.width(), 40);

    choicePage_ = new QWidget(pages_);
    choicePage_->setObjectName(QStringLiteral("choicePage"));
    auto* choiceTitle =
        label(tr("Choose a camera"), sized(font(), 1.25, true), kTitleText, choicePage_);
    choiceTitle->setGeometry(2, 0, kContentFrame.width(), 28);
    list_ = new QListWidget(choicePage_);
    list_->setObjectName(QStringLiteral("cameraList"));
    list_->setAccessibleName(tr("Connected cameras"));
    list_->setGeometry(0, 32, kContentFrame.width(),
                       kContentFrame.height() - 32 - kButtonHeight - 12);
    list_->setItemDelegate(new CameraRowDelegate(list_));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setMouseTracking(true);
    list_->setAttribute(Qt::WA_MacShowFocusRect, false);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows take the list's width, beside the vertical scroll bar once there is one; their long
    // paths are shortened in the middle instead.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    QPalette listPalette = list_->palette();
    listPalette.setColor(QPalette::Base, palette::kWindow);
    list_->setPalette(listPalette);
    connect(list_, &QListWidget::itemActivated, this, [this] { openCurrent(); });

    pages_->addWidget(waitingPage_);
    pages_->addWidget(choicePage_);

    const int buttonY = kContentFrame.bottom() + 1 - kButtonHeight;
    quitButton_ = segmentButton(tr("Quit"), this);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    quitButton_->move(kContentFrame.right() + 1 - kButtonWidth, buttonY);
    connect(quitButton_, &QPushButton::clicked, this, &CameraFinder::quitRequested);
    openButton_ = segmentButton(tr("Open"), this);
    openButton_->setObjectName(QStringLiteral("openButton"));
    openButton_->move(quitButton_->x() - 12 - kButtonWidth, buttonY);
    connect(openButton_, &QPushButton::clicked, this, &CameraFinder::openCurrent);
    setTabOrder(list_, openButton_);
    setTabOrder(openButton_, quitButton_);
}

void CameraFinder::showWaiting() {
    list_->clear();
    pages_->setCurrentWidget(waitingPage_);
    openButton_->hide();
    show();
    quitButton_->setFocus();
}

void CameraFinder::showChoice(const QList<CameraDetails>& cameras) {
    const QString previous = list_->currentItem() != nullptr
                                 ? list_->currentItem()->data(kRootRole).toString()
                                 : QString();
    list_->clear();
    for (const CameraDetails& camera : cameras) {
        // Names from a card or the mount table are shown with their control characters escaped.
        const QString name = printable(camera.name);
        QStringList details{printable(QDir::toNativeSeparators(camera.root))};
        if (!camera.firmware.isEmpty()) {
            details << tr("Firmware %1").arg(printable(camera.firmware));
        }
        if (camera.bytesFree >= 0) {
            details << tr("%1 free").arg(QLocale().formattedDataSize(camera.bytesFree));
        }
        auto* item = new QListWidgetItem(name, list_);
        item->setData(kRootRole, camera.root);
        item->setData(kDetailsRole, details.join(QStringLiteral("  ·  ")));
        if (camera.openElsewhere) {
            // Choosing it brings that window to the front.
            item->setData(kMarkRole, tr("open in a window"));
            details << item->data(kMarkRole).toString();
        }
        item->setData(Qt::AccessibleTextRole,
                      name + QStringLiteral(", ") + details.join(QStringLiteral(", ")));
        if (camera.root == previous) {
            list_->setCurrentItem(item);
        }
    }
    if (list_->currentItem() == nullptr && list_->count() > 0) {
        list_->setCurrentRow(0);
    }
    pages_->setCurrentWidget(choicePage_);
    openButton_->show();
    show();
    list_->setFocus();
}

bool CameraFinder::isWaiting() const {
    return pages_->currentWidget() == waitingPage_;
}

QStringList CameraFinder::offered() const {
    QStringList roots;
    for (int i = 0; i < list_->count(); ++i) {
        roots << list_->item(i)->data(kRootRole).toString();
    }
    return roots;
}

void CameraFinder::openCurrent() {
    if (pages_->currentWidget() == choicePage_ && list_->currentItem() != nullptr) {
        emit chosen(list_->currentItem()->data(kRootRole).toString());
    }
}

void CameraFinder::keyPressEvent(QKeyEvent* event) {
    // Escape acts as Quit, in the waiting window and in the chooser alike.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit quitRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CameraFinder::closeEvent(QCloseEvent* event) {
    // Closing the window by hand ends the program; hiding it for a camera window does not.
    if (event->spontaneous()) {
        emit quitRequested();
    }
    QWidget::closeEvent(event);
}
