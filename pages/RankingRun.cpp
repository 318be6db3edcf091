#include "pages/RankingRun.h"

#include <utility>

RankingRun::RankingRun(QObject* parent, Ended ended) : QObject(parent), ended_(std::move(ended)) {}

RankingRun::~RankingRun() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
    // The end it may have posted goes with this object, unhandled.
}

void RankingRun::start(const RankingInput& input, const ListChoice& choice,
                       std::string decimalSeparator) {
    if (running())
        return;
    cancel_ = false;
    done_ = 0;
    ++ranking_;
    worker_ = std::thread([this, input, choice, separator = std::move(decimalSeparator),
                           ranking = ranking_] {
        RankingControl control;
        control.cancel = &cancel_;
        control.progress = [this](double done) { done_ = done; };
        RankedList list = rankCombinations(input, choice, separator, control);
        // The last thing this thread does: the destructor, which waits for it, cannot have run.
        QMetaObject::invokeMethod(
            this, [this, list = std::move(list), choice, ranking] { hand(list, choice, ranking); },
            Qt::QueuedConnection);
    });
}

void RankingRun::stop() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
}

void RankingRun::hand(const RankedList& list, const ListChoice& choice, unsigned ranking) {
    // Stopped and waited for, perhaps with another one started since.
    if (ranking != ranking_ || !worker_.joinable())
        return;
    worker_.join();
    ended_(list, choice);
}
