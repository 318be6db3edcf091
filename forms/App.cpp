#include "forms/App.h"

#include <QCoreApplication>
#include <utility>

namespace forms {
namespace {

EndHandler& endHandler() {
    static EndHandler handler;
    return handler;
}

std::function<void()>& pageDiscarding() {
    static std::function<void()> discard;
    return discard;
}

}  // namespace

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    if (pageDiscarding()) {
        pageDiscarding()();
    }
    QCoreApplication::exit(0);
}

void setPageDiscarding(std::function<void()> discard) {
    pageDiscarding() = std::move(discard);
}

EndHandler setEndHandler(EndHandler handler) {
    return std::exchange(endHandler(), std::move(handler));
}

RecordedEnd::RecordedEnd() : previous_(setEndHandler([this] { ++count_; })) {}

RecordedEnd::~RecordedEnd() {
    setEndHandler(std::move(previous_));
}

}  // namespace forms
