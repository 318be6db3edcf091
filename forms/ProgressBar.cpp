#include "forms/ProgressBar.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// Steps of the bar underneath: fine enough that no float range shows coarser than a pixel.
constexpr int kSteps = 10000;
}  // namespace

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent), bar_(new QProgressBar(this)) {
    bar_->setRange(0, kSteps);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
}

void ProgressBar::setMinimum(float minimum) {
    minimum_ = minimum;
    updateBar();
}

void ProgressBar::setMaximum(float maximum) {
    maximum_ = maximum;
    updateBar();
}

void ProgressBar::setValue(float value) {
    value_ = value;
    updateBar();
}

double ProgressBar::shownShare() const {
    return static_cast<double>(bar_->value()) / kSteps;
}

void ProgressBar::updateBar() {
    const double span = static_cast<double>(maximum_) - minimum_;
    // An empty or upside-down range has no share to show.
    const double share = span > 0 ? (static_cast<double>(value_) - minimum_) / span : 0.0;
    const double clamped = std::isnan(share) ? 0.0 : std::clamp(share, 0.0, 1.0);
    bar_->setValue(static_cast<int>(std::lround(clamped * kSteps)));
}
