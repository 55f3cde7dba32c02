#include "cardworker.h"

namespace {

// How long the end of a program waits for a look under way on a card that is slow to answer.
constexpr int kFinishWithinMs = 200;

} // namespace

CardWorker::CardWorker(QObject* parent)
    : QObject(parent), thread_(new QThread), relay_(new card_worker_detail::Relay) {
    relay_->moveToThread(thread_);
    connect(
        relay_, &card_worker_detail::Relay::finished, this,
        [](const std::function<void()>& deliver) { deliver(); }, Qt::QueuedConnection);
    connect(thread_, &QThread::finished, relay_, &QObject::deleteLater);
    thread_->setObjectName(QStringLiteral("card worker"));
    thread_->start();
}

CardWorker::~CardWorker() {
    disconnect(relay_, nullptr, this, nullptr);
    thread_->quit();
    // The relay is deleted as the thread finishes.
    if (thread_->wait(kFinishWithinMs)) {
        delete thread_;
        return;
    }
    // A read that the card does not answer cannot be taken back: the thread ends by itself once
    // it returns, and its objects go with it.
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
}
