#pragma once

#include <QWidget>

class QProgressBar;

// The progress bar of the results page, with a single-precision range and value. The value
// reads back exactly as it was set and costs no more than a member read: the search asks for it
// at every step. What shows is the value's share of the range, clamped to the bar.
class ProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    float minimum() const { return minimum_; }
    float maximum() const { return maximum_; }
    float value() const { return value_; }

    void setMinimum(float minimum);
    void setMaximum(float maximum);
    void setValue(float value);

    // The filled share on screen, 0 to 1.
    double shownShare() const;

private:
    void updateBar();

    QProgressBar* bar_;
    float minimum_ = 0;
    float maximum_ = 100;
    float value_ = 0;
};
