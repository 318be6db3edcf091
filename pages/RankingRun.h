#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "search/Ranking.h"

// Ranks on a thread of its own, so that the window stays responsive while the whole space is
// walked. One ranking at a time; its list comes back on the thread that made this object, through
// the handler given. A ranking still running when this object goes is cancelled and waited for.
class RankingRun : public QObject {
public:
    using Ended = std::function<void(const RankedList& list, const ListChoice& choice)>;

    RankingRun(QObject* parent, Ended ended);
    ~RankingRun() override;

    // Ranks a copy of the input by the choice; only when no ranking is running.
    void start(const RankingInput& input, const ListChoice& choice, std::string decimalSeparator);
    // Asks the running ranking to stop. Its end still comes, as a cancelled list or, when it was
    // done before it looked, as a whole one.
    void cancel() { cancel_ = true; }
    // Gives the running ranking up and waits for its thread; its end is never handed over.
    void stop();
    // From start until its end has been handed over.
    bool running() const { return worker_.joinable(); }
    // How far the running ranking has come, 0..1.
    double done() const { return done_; }

private:
    void hand(const RankedList& list, const ListChoice& choice, unsigned ranking);

    Ended ended_;
    std::thread worker_;
    std::atomic<bool> cancel_ = false;
    std::atomic<double> done_ = 0;
    unsigned ranking_ = 0;  // counts the rankings started; an end of another one is stale
};
