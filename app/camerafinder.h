// The small window of the installed program while no camera window is open: it waits for a
// camera to be connected, or lets the user choose among several.
#pragma once

#include "camerasearch.h"

#include <QWidget>

class BlackScroller;
class QLabel;
class QListWidget;
class QStackedWidget;

class CameraFinder : public QWidget {
    Q_OBJECT

  public:
    explicit CameraFinder(QWidget* parent = nullptr);

    // "Connect your camera" and a Quit button.
    void showWaiting();
    // One row per camera; the first is focused. Return, a double click or Open opens it.
    void showChoice(const QList<CameraDetails>& cameras);
    bool isWaiting() const;
    // The roots offered by the chooser, in order.
    QStringList offered() const;

  signals:
    void chosen(const QString& root);
    void quitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void openCurrent();

    QStackedWidget* pages_ = nullptr;
    QWidget* waitingPage_ = nullptr;
    QWidget* choicePage_ = nullptr;
    QListWidget* list_ = nullptr;
    BlackScroller* openButton_ = nullptr;
    BlackScroller* quitButton_ = nullptr;
};
