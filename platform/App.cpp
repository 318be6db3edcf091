#include "platform/App.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <utility>

#include "platform/PageSlot.h"

namespace forms {
namespace {

EndHandler& endHandler() {
    static EndHandler handler;
    return handler;
}

}  // namespace

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName(App::title());
    // Without it Qt keeps settings under "Unknown Organization".
    QApplication::setOrganizationName(App::organisation());
    QApplication::setApplicationVersion(App::version());
    // The pages are laid out in fixed twips for an 8 pt dialog font; a larger font would clip
    // the captions.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    application.setFont(font);
    // Pages come and go (hidden, unloaded, replaced); only endProgram ends the run.
    application.setQuitOnLastWindowClosed(false);
}

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    discardAllPages();
    QCoreApplication::exit(0);
}

EndHandler setEndHandler(EndHandler handler) {
    return std::exchange(endHandler(), std::move(handler));
}

RecordedEnd::RecordedEnd() : previous_(setEndHandler([this] { ++count_; })) {}

RecordedEnd::~RecordedEnd() {
    setEndHandler(std::move(previous_));
}

}  // namespace forms
