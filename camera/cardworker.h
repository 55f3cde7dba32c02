// A thread of its own for what may wait on a card or a volume that does not answer (the
// presence watch's looks, the camera search), so that the window never waits with it.
#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace card_worker_detail {
// Lives on the worker's thread and hands each finished job back.
class Relay : public QObject {
    Q_OBJECT

  signals:
    void finished(const std::function<void()>& deliver);
};
} // namespace card_worker_detail

class CardWorker : public QObject {
    Q_OBJECT

  public:
    explicit CardWorker(QObject* parent = nullptr);
    // Waits a moment for a job under way; one stuck on a card is left to end by itself.
    ~CardWorker() override;

    // Runs `job` on the worker's thread, then `done` with its result on this object's thread;
    // a job that answers nothing wakes this thread not at all. `done` is dropped when this
    // object is gone by then.
    template <class Result>
    void run(std::function<std::optional<Result>()> job, std::function<void(Result)> done) {
        QMetaObject::invokeMethod(
            relay_,
            [relay = relay_, job = std::move(job), done = std::move(done)]() {
                auto result = std::make_shared<std::optional<Result>>(job());
                if (*result) {
                    emit relay->finished([done, result] { done(std::move(**result)); });
                }
            },
            Qt::QueuedConnection);
    }

  private:
    QThread* thread_;
    card_worker_detail::Relay* relay_;
};
