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
    worker_ = std::thread([this, input, choice, separator = std::move(decimalSeparator)] {
        RankingControl control;
        control.cancel = &cancel_;
        control.progress = [this](double done) { done_ = done; };
        RankedList list = rankCombinations(input, choice, separator, control);
        // The last thing this thread does: the destructor, which waits for it, cannot have run.
        QMetaObject::invokeMethod(
            this, [this, list = std::move(list), choice] { hand(list, choice); },
            Qt::QueuedConnection);
    });
}

void RankingRun::hand(const RankedList& list, const ListChoice& choice) {
    worker_.join();
    ended_(list, choice);
}
