#include "gauge/JobState.h"

#include <cmath>
#include <numbers>

const char* const kTargetTooLarge =
    "The width, thickness and number of wires give a cross-section too large to work with. "
    "Please check them.";

namespace {

struct AreaWindow {
    float low;
    float high;
};

// Target ± 0.5 %, worked out in double and only then narrowed.
AreaWindow windowAround(double target) {
    constexpr double kTolerance = 0.005;
    return {static_cast<float>(target - target * kTolerance),
            static_cast<float>(target + target * kTolerance)};
}

}  // namespace

JobState& jobState() {
    static JobState* const job = new JobState();  // lives for the whole run
    return *job;
}

float circularArea(const JobState& job) {
    float sum = 0;
    for (int i = 0; i < kGaugeCount; ++i) {
        const float term = static_cast<float>(job.origWireCount[i]) * job.origGaugeArea[i];
        sum = sum + term;
    }
    return sum;
}

double rectangularArea(double width, double thickness, double count, double cornerRadius) {
    return count * (width * thickness - (4 - std::numbers::pi) * cornerRadius * cornerRadius);
}

void setAreaWindow(JobState& job) {
    job.resultCount = 0;
    const AreaWindow window = windowAround(job.origArea);
    job.areaLow = window.low;
    job.areaHigh = window.high;
}

bool areaWindowFits(double target) {
    const AreaWindow window = windowAround(target);
    return std::isfinite(window.low) && std::isfinite(window.high);
}

void clearSearchTables(JobState& job) {
    job.resultArea.fill(0);
    for (auto& text : job.resultText) text.clear();
    job.comboCount.fill(0);
    job.comboArea.fill(0);
    for (auto& text : job.comboText) text.clear();
}
