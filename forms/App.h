#pragma once

#include <QString>
#include <functional>

#include "WirnakInfo.h"

// The application object: the program's title and version, and the end of the run.
namespace forms {

struct App {
    static QString title() { return QStringLiteral("Wirnak"); }
    // With the title, names the folder of the settings: Wirnak/Wirnak.conf.
    static QString organisation() { return QStringLiteral("Wirnak"); }
    static int major() { return wirnak::kVersionMajor; }
    static int minor() { return wirnak::kVersionMinor; }
    static int revision() { return wirnak::kVersionPatch; }
    static QString version() { return QString::fromLatin1(wirnak::kVersion); }
};

// Ends the program at once: every page is discarded and the event loop stops, so no further
// event runs. The caller returns straight away.
void endProgram();

// What the end of the program does before the event loop stops: the pages' slots discard every
// page. The runtime below the pages knows none of them.
void setPageDiscarding(std::function<void()> discard);

// Tests replace the end of the program by a handler; the previous handler is returned.
// An empty handler restores the real end.
using EndHandler = std::function<void()>;
EndHandler setEndHandler(EndHandler handler);

// For tests: counts the ends of the program instead of ending it, while it lives.
class RecordedEnd {
public:
    RecordedEnd();
    ~RecordedEnd();
    RecordedEnd(const RecordedEnd&) = delete;
    RecordedEnd& operator=(const RecordedEnd&) = delete;

    int count() const { return count_; }
    bool ended() const { return count_ > 0; }

private:
    int count_ = 0;
    EndHandler previous_;
};

}  // namespace forms
