#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gauge/JobState.h"
#include "search/CombinationSearch.h"
#include "search/ResultsView.h"

// A results page that remembers what the search and the report did to it.
class RecordingView : public ResultsView {
public:
    float progressValue() const override { return progress; }
    void setProgressValue(float value) override {
        progressSets.push_back(value);
        progress = value;
    }
    void setMousePointer(MousePointer shown) override {
        pointer = shown;
        if (shown == MousePointer::Hourglass)
            ++hourglassSets;
    }
    void setReportRtf(const std::string& text) override { rtf = text; }
    void setCountCaption(const std::string& caption) override { count = caption; }
    void showCountLabel() override { countLabelShown = true; }
    std::string decimalSeparator() const override { return separator; }

    float progress = 0;
    std::vector<float> progressSets;
    MousePointer pointer = MousePointer::Default;
    long hourglassSets = 0;
    std::string rtf;
    std::string count;
    bool countLabelShown = false;
    std::string separator = ".";
};

// The worked example: one 8 SWG wire to be matched from 12, 13.5 and 14 SWG, 2 kg in all,
// 0.5 kg of 12 SWG, 2 kg of 13.5 SWG and 1 kg of 14 SWG in stock.
inline constexpr GaugeIndex k12Swg = 4, k13_5Swg = 6, k14Swg = 7;

inline void makeAvailable(JobState& job, GaugeIndex gauge, float stock = 0) {
    job.availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    job.availWeight[gauge] = stock;
}

inline std::unique_ptr<JobState> workedExample() {
    auto job = std::make_unique<JobState>();
    job->origGaugeArea[0] = static_cast<float>(gaugeArea(0));
    job->origWireCount[0] = 1;
    job->origArea = circularArea(*job);
    job->origWeight = 2;
    makeAvailable(*job, k12Swg, 0.5f);
    makeAvailable(*job, k13_5Swg, 2);
    makeAvailable(*job, k14Swg, 1);
    setAreaWindow(*job);
    return job;
}

inline std::vector<std::string> recordedLines(const JobState& job) {
    return {job.resultText.begin(), job.resultText.begin() + job.resultCount};
}
