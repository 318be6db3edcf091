#pragma once

#include <QComboBox>
#include <QObject>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"
#include "platform/Controls.h"
#include "platform/SaveFileDialog.h"
#include "search/CombinationSearch.h"
#include "search/JobSheet.h"
#include "search/ResultList.h"

class ResultsPage;

// The controls of the results page around its report box: what was matched and what "*" means,
// which lines the box shows (only what the stock covers) and in which order, and saving the list
// as shown. They stand in the free parts of the page's fixed band; the band's own controls keep
// their places.
class ListControls : public QObject {
    Q_OBJECT

public:
    explicit ListControls(ResultsPage& page);

    forms::Label* stoppedEarlyLabel;  // the list, and so the order, covers what was found
    forms::CheckBox* coveredOnlyCheck;
    forms::Label* orderLabel;
    QComboBox* orderChoice;    // as found, fewest wires, closest to original
    forms::Label* shownLabel;  // how many lines the filter leaves, beside the count
    forms::Label* jobLabel;
    std::unique_ptr<SaveFileDialog> saveDialog;

    // After the search and the report: the results and the job they answer. The box keeps the
    // report until the user asks for another order or the filter.
    void takeResults(const JobState& job, SearchEnd end, std::string_view decimalSeparator);

    // What the box shows, in order.
    const std::vector<FoundResult>& shown() const { return shown_; }
    // What was matched and what "*" means, in one line.
    QString jobText() const { return QString::fromStdString(jobLine_); }

    // The job sheet of the list shown, or of the lines selected in it, dated now: madeAs
    // "Printed" gives "Printed 2025-05-03 14:05".
    JobSheet sheet(std::optional<LineRange> selected, const QString& madeAs) const;

    // Asks for a file, suggesting a name from the job, and writes the list shown to it: as the
    // job sheet in text, or as CSV where the file's suffix or the chosen filter says so.
    void saveList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListChoice choice() const;
    const JobState& job() const;
    void showChosenList();
    void showJobLine();
    void showContextMenu(const QPoint& position);

    ResultsPage& page_;
    const JobState* job_ = nullptr;
    SearchEnd end_ = SearchEnd::Complete;
    std::string decimalSeparator_ = ".";
    std::vector<FoundResult> found_;
    std::vector<FoundResult> shown_;
    std::string jobLine_;
};
