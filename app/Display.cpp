#include "app/Display.h"

#ifdef _WIN32

// Windows always has its desktop to open windows on.
std::optional<int> refuseWithoutDisplay() {
    return std::nullopt;
}

#else

#include <xcb/xcb.h>

#include <QtGlobal>
#include <cstdio>

namespace {

constexpr int kNoDisplay = 1;

bool xDisplayOpens() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

}  // namespace

std::optional<int> refuseWithoutDisplay() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || xDisplayOpens()) {
        return std::nullopt;
    }
    std::fputs(
        "wirnak: no display to open its windows on; start it in a desktop session, or on a "
        "virtual display with: xvfb-run -a wirnak\n",
        stderr);
    return kNoDisplay;
}

#endif
