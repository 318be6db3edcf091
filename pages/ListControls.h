#pragma once

#include <QComboBox>
#include <QObject>
#include <QSpinBox>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"
#include "platform/Controls.h"
#include "platform/SaveFileDialog.h"
#include "search/CombinationSearch.h"
#include "search/ResultList.h"

class ResultsPage;

// The controls of the results page around its report box: what was matched and what "*" means,
// which lines the box shows (only what the stock covers), in which order and within which limits,
// and saving the list as shown. They stand in the free parts of the page's band and in the rows
// at its foot; the band's own controls keep their places.
class ListControls : public QObject {
    Q_OBJECT

public:
    explicit ListControls(ResultsPage& page);

    forms::Label* stoppedEarlyLabel;  // the list covers what was found
    forms::CheckBox* coveredOnlyCheck;
    forms::CommandButton* saveButton;
    forms::Label* shownLabel;  // how many lines the filter leaves, beside the count
    forms::Label* jobLabel;
    forms::Label* orderLabel;
    QComboBox* orderChoice;  // as found, fewest wires, fewest sizes, closest to original
    forms::Label* mostSizesLabel;
    QSpinBox* mostSizesBox;  // 1..4
    forms::Label* mostWiresLabel;
    QSpinBox* mostWiresBox;  // 1..32767, or "no limit" at its lowest
    forms::Label* rankedLabel;  // the ranked list's count, with the limits it was ranked within
    std::unique_ptr<SaveFileDialog> saveDialog;

    // After the search and the report: the results and the job they answer. The box keeps the
    // report until the user asks for another order or the filter.
    void takeResults(const JobState& job, SearchEnd end, std::string_view decimalSeparator);

    // What the box shows, in order.
    const std::vector<FoundResult>& shown() const { return shown_; }
    // The job line, the header of the printout.
    QString jobText() const { return QString::fromStdString(jobLine_); }

    // Asks for a file and writes the lines shown to it: as text, or as CSV where the file's
    // suffix or the chosen filter says so.
    void saveList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListChoice choice() const;
    void showChosenList();
    void showContextMenu(const QPoint& position);

    ResultsPage& page_;
    std::vector<FoundResult> found_;
    std::vector<FoundResult> shown_;
    std::string jobLine_;
};
