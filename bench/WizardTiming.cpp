// Times the results page as the user meets it: from "Next >" on the available wires to the
// report painted on the screen, and reports the process's peak memory.
//   wirnak_wizard_timing worked|full
// Run it on a real display (xvfb-run -a) to include the window system's painting.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>
#include <cstring>

#include "desktop/Application.h"
#include "forms/MessageBox.h"
#include "gauge/JobState.h"
#include "pages/AvailableWiresPage.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"

namespace {

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    desktop::setUpApplication(application);
    forms::setMessageBoxHandler(
        [](const forms::MessageBoxCall&) { return forms::MessageAnswer::Ok; });
    const bool full = argc > 1 && std::strcmp(argv[1], "full") == 0;

    JobState& job = jobState();
    job.origArea = static_cast<float>(gaugeArea(0));  // one 8 SWG wire
    job.noWeightCheck = 1;
    AvailableWiresPage& available = availableWiresSlot().get();
    available.showPage();
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        const bool wanted = full || i == 4 || i == 6 || i == 7;  // all, or 12, 13.5 and 14 SWG
        if (wanted)
            available.gaugeCheck(i)->click();
    }
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    available.nextButton->click();
    const qint64 searched = clock.elapsed();
    PaintWatch watch;
    ResultsPage& results = resultsSlot().get();
    results.reportBox->viewport()->installEventFilter(&watch);
    results.reportBox->viewport()->update();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 painted = clock.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%s: %s lines; Next to report set %lld ms, to report painted %lld ms; "
        "peak memory %ld MiB\n",
        full ? "table-filling job (8 SWG from all 29 sizes)" : "worked example",
        qPrintable(results.countLabel->text()), static_cast<long long>(searched),
        static_cast<long long>(painted), usage.ru_maxrss / 1024);
    return 0;
}
