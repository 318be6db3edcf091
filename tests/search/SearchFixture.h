#pragma once

#include <algorithm>
#include <memory>
#include <random>
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

// A job whose shelf mixes SWG, metric and AWG sizes near its target, drawn from `draw`: round
// wires of any system (their target added up as the page adds it) or a rectangular wire; one to
// six sizes at hand, at least one of them not SWG, none the same wire as another; stock weights.
inline std::string drawMixedJob(JobState& job, std::mt19937& draw) {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(draw); };
    const auto anySize = [&](double thinnestArea, double thickestArea) {
        for (;;) {
            WireSize size;
            switch (below(3)) {
                case 0:
                    size = WireSize::swg(static_cast<GaugeIndex>(below(kGaugeCount)));
                    break;
                case 1:
                    size = WireSize::metric(50 + below(5951));
                    break;
                default:
                    size = WireSize::awg(4 + below(37));
            }
            if (sizeArea(size) >= thinnestArea && sizeArea(size) <= thickestArea)
                return size;
        }
    };
    std::string what;
    if (below(2) == 0) {
        what = "round";
        for (int k = below(3); k >= 0; --k) {
            const WireSize size = anySize(0.2, 30);
            if (sameWireOnList(job, SizeList::Original, size))
                continue;
            const auto count = static_cast<short>(1 + below(3));
            if (size.isSwg()) {
                job.origGaugeArea[size.gauge()] = sizeArea(size);
                job.origWireCount[size.gauge()] = count;
            } else {
                job.origOther.push_back({size, count});
            }
        }
        job.origArea = circularArea(job);
    } else {
        what = "rect";
        job.origArea =
            rectangularArea(0.5 + below(40) / 10.0, 0.5 + below(20) / 10.0, 1 + below(2));
    }
    const double thinnest = std::min(job.origArea / 30, 20.0);
    const int sizes = 1 + below(6);
    for (int added = 0; added < sizes || job.availOther.empty();) {
        const WireSize size = anySize(thinnest, job.origArea);
        if (sameWireOnList(job, SizeList::Available, size))
            continue;
        if (size.isSwg()) {
            job.availArea[size.gauge()] = sizeArea(size);
            job.availWeight[size.gauge()] = static_cast<float>(below(30)) / 10;
        } else {
            job.availOther.push_back({size, static_cast<float>(below(30)) / 10});
        }
        ++added;
    }
    setAreaWindow(job);
    job.origWeight = static_cast<float>(below(50)) / 10;
    job.noWeightCheck = below(2) == 0 ? 1 : 0;
    return what;
}
