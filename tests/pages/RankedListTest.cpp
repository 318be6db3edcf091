#include <QSet>
#include <QTextBlock>
#include <QTest>
#include <memory>

#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k21Swg = 21, k26Swg = 28;

const QString kTableFull = QStringLiteral(
    "More than 10001 combinations exist. The list shows the first 10001 of them.\nTick fewer or "
    "thicker sizes to see them all.");

void offer(JobState& job, GaugeIndex gauge, float stock = 0) {
    job.availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    job.availWeight[gauge] = stock;
}

// The job as the data pages leave it: a rectangular wire of width × thickness, so many in
// parallel, the weight question answered with Cancel.
void prepareRectangularJob(double width, double thickness, double parallel) {
    JobState& job = jobState();
    job.origSection = OriginalSection::Rectangular;
    job.origRectangular = {width, thickness, parallel};
    job.origArea = rectangularArea(width, thickness, parallel);
    job.noWeightCheck = 1;
}

// So many 8 SWG wires with their weight unknown.
void prepareEightSwgJob(short wires) {
    JobState& job = jobState();
    job.origSection = OriginalSection::Round;
    job.origGaugeArea[k8Swg] = static_cast<float>(gaugeArea(k8Swg));
    job.origWireCount[k8Swg] = wires;
    job.origArea = circularArea(job);
    job.noWeightCheck = 1;
}

QStringList boxLines(const ResultsPage& page) {
    return page.reportBox->toPlainText().split('\n');
}

// Where each cell of the first lines ends on the screen, cell by cell.
QList<QList<int>> cellEnds(const ResultsPage& page, int lines) {
    QList<QList<int>> ends;
    QTextBlock block = page.reportBox->document()->firstBlock();
    for (int line = 0; line < lines && block.isValid(); ++line, block = block.next()) {
        QList<int> x;
        for (int at = 0; at <= block.text().size(); ++at) {
            if (at == block.text().size() || block.text()[at] == u'\t') {
                QTextCursor cursor(block);
                cursor.setPosition(block.position() + at);
                x << page.reportBox->cursorRect(cursor).x();
            }
        }
        ends << x;
    }
    return ends;
}

}  // namespace

// The ranked orders on the results page: the best of the whole space, in columns, re-ranked on
// the page and in the background.
class RankedListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    ResultsPage& loadResults() {
        setAreaWindow(jobState());
        ResultsPage& page = resultsSlot().get();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&page)); }();
        return page;
    }

private slots:
    void init() {
        run_ = std::make_unique<PageTestRun>();
        keptRankLimits() = {};
    }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void theWholeShelfGivesTheSixWireAnswerFirstAndAsFoundGivesTheReportBack() {
        prepareRectangularJob(5, 2.5, 2);
        for (GaugeIndex gauge : {k12Swg, k13HalfSwg, k14Swg}) offer(jobState(), gauge);
        for (GaugeIndex gauge = k21Swg; gauge <= k26Swg; ++gauge) offer(jobState(), gauge);
        run_->boxes.expect(kTableFull, "Wirnak", kWarningOk, MessageAnswer::Ok);
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        const QString report = page.reportBox->rtf();
        const QString reportText = page.reportBox->toPlainText();

        list.orderChoice->setCurrentIndex(1);  // fewest wires
        QTRY_VERIFY(!list.rankingPending());
        const QStringList lines = boxLines(page);
        QCOMPARE(lines.first(), QStringLiteral("12 SWG X 2, 13.5 SWG X 2, 14 SWG X 2\t24.94274\t"
                                               "6 wires\t3 sizes\t-0.23 %"));
        QCOMPARE(lines.size(), 10001);
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
        QVERIFY(list.rankedLabel->text().startsWith("best 10001 of "));
        QCOMPARE(page.countLabel->text(), QStringLiteral("10001"));  // what the search found
        // The figures stand in columns: every cell after the combination ends where the ones
        // above it end.
        const QList<QList<int>> ends = cellEnds(page, 12);
        for (const QList<int>& line : ends) QCOMPARE(line.mid(1), ends.first().mid(1));
        QVERIFY(ends.first()[1] > ends.first()[0]);

        list.orderChoice->setCurrentIndex(0);
        QCOMPARE(page.reportBox->rtf(), report);
        QCOMPARE(page.reportBox->toPlainText(), reportText);
        QVERIFY(list.rankedLabel->isHidden());
    }

    void theLimitsOutliveTheResultsPage() {
        prepareEightSwgJob(1);
        offer(jobState(), k14Swg);
        ResultsPage& page = loadResults();
        page.listControls->orderChoice->setCurrentIndex(1);
        pressAlt(Qt::Key_D);
        typeHere("2");
        QTest::keyClick(focused(), Qt::Key_Return);
        pressAlt(Qt::Key_W);
        typeHere("0x40000");  // only what makes a limit is taken: 4000
        QCOMPARE(focused()->property("text").toString(), QStringLiteral("4000"));
        pressTab();
        QTRY_VERIFY(!page.listControls->rankingPending());
        QCOMPARE(page.listControls->rankedLabel->text(),
                 QStringLiteral("best 1 of 1 combinations of at most 2 sizes and 4000 wires"));

        pressAlt(Qt::Key_B);
        QTRY_VERIFY(!resultsSlot().isLoaded());
        ListControls& again = *loadResults().listControls;
        QCOMPARE(again.mostSizesBox->value(), 2);
        QCOMPARE(again.mostWiresBox->value(), 4000);
        QCOMPARE(keptRankLimits().mostWires, std::optional<int>(4000));
    }

    void aRankingGivenUpLeavesThePageAsItWas() {
        // Four 8 SWG wires from every size: millions of combinations to count.
        prepareEightSwgJob(4);
        for (GaugeIndex gauge = k8Swg; gauge <= k26Swg; ++gauge) offer(jobState(), gauge);
        run_->boxes.expect(kTableFull, "Wirnak", kWarningOk, MessageAnswer::Ok);
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        const QString report = page.reportBox->rtf();

        list.orderChoice->setCurrentIndex(3);  // closest to original
        list.mostSizesBox->setValue(2);        // asked for before the first is done
        emit list.rankingProgress->canceled();
        QVERIFY(!list.rankingPending());
        QCOMPARE(list.orderChoice->currentIndex(), 0);
        QCOMPARE(list.mostSizesBox->value(), 3);
        QCOMPARE(keptRankLimits().mostSizes, 3);
        QCOMPARE(page.reportBox->rtf(), report);

        // Asked for again while the one given up is still on its way out.
        list.orderChoice->setCurrentIndex(3);
        QTRY_VERIFY_WITH_TIMEOUT(!list.rankingPending(), 60000);
        QCOMPARE(list.shownChoice().order, ResultOrder::ClosestToOriginal);
        QCOMPARE(boxLines(page).first().section(u'\t', 0, 0), QStringLiteral("8 SWG X 4"));

        // Back while a ranking runs: the page goes, and the ranking with it.
        list.orderChoice->setCurrentIndex(3);
        pressAlt(Qt::Key_B);
        QTRY_VERIFY(!resultsSlot().isLoaded());
    }

    void aSizeBeyondTheCountLimitIsSaidAndTheListStays() {
        JobState& job = jobState();
        job.origArea = 6000;  // 36548 wires of 26 SWG
        job.noWeightCheck = 1;
        offer(job, k26Swg);
        const QString stopped = QStringLiteral(
            "stopped early: 26 SWG would need more than 32767 "
            "wires");
        run_->boxes.expect(
            "The search " + stopped + ".\nThe list shows the combinations found until then.",
            "Wirnak", kWarningOk, MessageAnswer::Ok);
        run_->boxes.expect("The ranking " + stopped +
                               ".\nThe list stays as it was. With the most wires in parallel "
                               "given, every count stays within it.",
                           "Wirnak", kWarningOk, MessageAnswer::Ok);
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        const QString report = page.reportBox->rtf();
        list.orderChoice->setCurrentIndex(1);
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(page.reportBox->rtf(), report);
        QCOMPARE(list.orderChoice->currentIndex(), 0);
    }
};

QTEST_MAIN(RankedListTest)
#include "RankedListTest.moc"
