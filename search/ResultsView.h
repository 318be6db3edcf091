#pragma once

#include <string>

enum class MousePointer { Default, Hourglass };

// What the search and the report need of the page that shows them: its progress bar, its mouse
// pointer, the report box and the count line. The results page implements it; so does the
// command line, and so do the tests.
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
