#pragma once

#include <string>

enum class MousePointer { Default, Hourglass };

// What the search and the report need of the page that shows them: its progress bar, its mouse
// pointer, the report box and the count line. The results page implements it; so does the
// command line (SilentView), and so do the tests.
class ResultsView {
public:
    virtual ~ResultsView() = default;

    virtual float progressValue() const = 0;
    virtual void setProgressValue(float value) = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;

    virtual void setReportRtf(const std::string& rtf) = 0;
    virtual void setCountCaption(const std::string& caption) = 0;
    virtual void showCountLabel() = 0;
    // How the user writes the decimal separator in the report's areas.
    virtual std::string decimalSeparator() const { return "."; }
};

// A view that shows nothing: for running the search where no page watches it, as the command
// line does.
class SilentView : public ResultsView {
public:
    float progressValue() const override { return progress_; }
    void setProgressValue(float value) override { progress_ = value; }
    void setMousePointer(MousePointer) override {}
    void setReportRtf(const std::string&) override {}
    void setCountCaption(const std::string&) override {}
    void showCountLabel() override {}

private:
    float progress_ = 0;
};
