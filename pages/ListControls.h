#pragma once

#include <QComboBox>
#include <QObject>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/SaveFileDialog.h"
#include "forms/Controls.h"
#include "gauge/JobState.h"
#include "search/CombinationSearch.h"
#include "search/JobSheet.h"
#include "search/Ranking.h"
#include "search/ResultList.h"

class RankingRun;
class ReportBox;
namespace forms {
class Page;
}

// The parts of the results page the list controls stand among and work with.
struct ListControlsHost {
    forms::Page& page;
    forms::CommandButton* finishButton;
    forms::CommandButton* backButton;
    forms::CommandButton* printButton;
    ReportBox* reportBox;
};

// The shop's limits on a ranked list, kept for the whole run: the results page is made anew for
// each search, the limits stay as the user left them. The run starts from the limits the last
// run kept in the settings.
RankLimits& keptRankLimits();
// The next use of the limits reads the settings again, as a new run would.
void startRankLimitsAfresh();

// The controls of the results page around its report box: what was matched and what "*" means,
// which lines the box shows (only what the stock covers), in which order and within which limits,
// and saving the list as shown. They stand in the free parts of the page's band and in the rows
// at its foot; the band's own controls keep their places.
//
// "as found" shows the search's report. The other orders rank every combination in the window,
// on a thread of their own: the list shown stays until the new one is ready, a ranking that takes
// a while shows its progress and can be cancelled, and a cancelled one leaves the page, controls
// included, as it was.
class ListControls : public QObject {
    Q_OBJECT

public:
    explicit ListControls(const ListControlsHost& host);

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
    QSpinBox* mostWiresBox;     // 1..32767, or "no limit" at its lowest
    forms::Label* rankedLabel;  // the ranked list's count, with the limits it was ranked within
    QProgressDialog* rankingProgress;  // shown once a ranking has taken half a second
    std::unique_ptr<SaveFileDialog> saveDialog;

    // After the search and the report: the results and the job they answer. The box keeps the
    // report until the user asks for another order or the filter.
    void takeResults(const JobState& job, SearchEnd end, std::string_view decimalSeparator);

    // What the box shows, in order, and the choice it shows.
    const std::vector<FoundResult>& shown() const { return shown_; }
    const ListChoice& shownChoice() const { return shownChoice_; }
    // Whether a ranking asked for has not yet been shown.
    bool rankingPending() const { return wanted_.has_value(); }
    // What was matched and what "*" means, in one line.
    QString jobText() const { return QString::fromStdString(jobLine_); }
    // How far a long job line has pushed the rows below it, and the list, down: in pixels.
    int jobLineGrowth() const { return jobLineGrowth_; }

    // The job sheet of the list shown, or of the lines selected in it, dated now: madeAs
    // "Printed" gives "Printed 2025-05-03 14:05".
    JobSheet sheet(std::optional<LineRange> selected, const QString& madeAs) const;

    // Asks for a file, suggesting a name from the job, and writes the list shown to it: as the
    // job sheet in text, as CSV, or as the job sheet printed into a PDF, as the file's suffix or
    // else the chosen filter says.
    void saveList();

    // The page is being left: a ranking in progress is given up, and its thread waited for.
    void stopRanking();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString writeList(const SaveFileDialog::Choice& choice) const;  // why not, "" when written
    ListChoice chosenInControls() const;
    void showInControls(const ListChoice& choice);
    void showChosenList();
    void showJobLine();
    void showFoundList(const ListChoice& choice);
    void rankingEnded(const RankedList& list, const ListChoice& choice);
    void showRankedList(const RankedList& list, const ListChoice& choice);
    void cancelRanking();
    void giveUpRanking();
    void showContextMenu(const QPoint& position);
    const JobState& job() const;

    ListControlsHost host_;
    const JobState* job_ = nullptr;
    SearchEnd end_ = SearchEnd::Complete;
    RankingRun* rankingRun_;
    QProgressBar* progressBar_;  // rankingProgress's, set from progressPoll_
    QTimer* progressPoll_;
    std::vector<FoundResult> found_;
    std::vector<FoundResult> shown_;
    ListChoice shownChoice_;
    std::string shownCountLine_;        // as the page says it
    std::optional<ListChoice> wanted_;  // the ranking asked for, until it is shown
    RankingInput rankingInput_;
    std::string decimalSeparator_;
    QString reportRtf_;
    QString stoppedEarly_;
    std::string jobLine_;
    int jobLineGrowth_ = 0;  // pixels the job line has grown past its two lines
};
