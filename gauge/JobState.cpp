#include "gauge/JobState.h"

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

double rectangularArea(double width, double thickness, double count) {
    return count * (width * thickness);
}

void setAreaWindow(JobState& job) {
    constexpr double kTolerance = 0.005;
    job.resultCount = 0;
    job.areaLow = static_cast<float>(job.origArea - job.origArea * kTolerance);
    job.areaHigh = static_cast<float>(job.origArea + job.origArea * kTolerance);
}

void clearSearchTables(JobState& job) {
    job.resultArea.fill(0);
    for (auto& text : job.resultText) text.clear();
    job.comboCount.fill(0);
    job.comboArea.fill(0);
    for (auto& text : job.comboText) text.clear();
}
