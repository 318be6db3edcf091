#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "pages/AvailableWiresPage.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k17HalfSwg = 14,
                     k20HalfSwg = 20, k21Swg = 21, k22HalfSwg = 24, k26Swg = 28;

// The job as the data pages leave it, the weight question answered with Cancel.
void prepareJob(double target, const QList<GaugeIndex>& atHand) {
    JobState& job = jobState();
    job.origArea = target;
    job.noWeightCheck = 1;
    for (GaugeIndex gauge : atHand) job.availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    setAreaWindow(job);
}
const double kRectangular = rectangularArea(5, 2.5, 2);
double eightSwgWires(short wires) {
    jobState().origGaugeArea[k8Swg] = static_cast<float>(gaugeArea(k8Swg));
    jobState().origWireCount[k8Swg] = wires;
    return circularArea(jobState());
}
QList<GaugeIndex> sizesFrom(GaugeIndex thickest, GaugeIndex thinnest) {
    QList<GaugeIndex> sizes;
    for (GaugeIndex gauge = thickest; gauge <= thinnest; ++gauge) sizes << gauge;
    return sizes;
}

QStringList boxLines(const ResultsPage& page) {
    return page.reportBox->toPlainText().split('\n');
}

// Where the wires, the sizes and the deviation end on a ranked line in the box, in pixels.
QList<int> cellEnds(const ReportBox& box, const QTextBlock& line) {
    QList<int> ends;
    const QString cells = line.text();
    for (qsizetype end = cells.indexOf(u'\t'); end >= 0; end = cells.indexOf(u'\t', end + 1)) {
        QTextCursor cursor(line);
        cursor.setPosition(line.position() + static_cast<int>(end));
        ends << box.cursorRect(cursor).x();
    }
    return ends.mid(1, 3);
}

}  // namespace

// The ranked orders on the results page: the best of the whole space in columns, ranked anew on
// the page in the background, within limits that outlive the page.
class RankedListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    ResultsPage& loadResults(bool tableFull = false) {
        if (tableFull) {
            run_->boxes.expect(
                "More than 10001 combinations exist. \"as found\" shows the first 10001; the "
                "ranked orders (Order) rank them all.",
                "Wirnak", kWarningOk, MessageAnswer::Ok);
        }
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
        prepareJob(kRectangular,
                   QList<GaugeIndex>{k12Swg, k13HalfSwg, k14Swg} + sizesFrom(k21Swg, k26Swg));
        ResultsPage& page = loadResults(true);
        ListControls& list = *page.listControls;
        const QString report = page.reportBox->rtf(), reportText = page.reportBox->toPlainText();

        list.orderChoice->setCurrentIndex(1);  // fewest wires
        QTRY_VERIFY(!list.rankingPending());
        const QStringList lines = boxLines(page);
        QCOMPARE(lines.first(),
                 "24.94274\t6 wires\t3 sizes\t-0.23 %\t12 SWG X 2, 13.5 SWG X 2, 14 SWG X 2");
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), 10001);
        QVERIFY(list.rankedLabel->text().startsWith("best 10001 of "));
        QCOMPARE(page.countLabel->text(), QStringLiteral("10001"));  // what the search found
        QTextBlock line = page.reportBox->document()->firstBlock();
        const QList<int> columns = cellEnds(*page.reportBox, line);
        QVERIFY(columns.size() == 3 && columns[0] > page.reportBox->fontMetrics().horizontalAdvance(
                                                        lines.first().section(u'\t', 0, 1)));
        for (int i = 0; i < 8; ++i, line = line.next())
            QCOMPARE(cellEnds(*page.reportBox, line), columns);

        list.orderChoice->setCurrentIndex(0);
        QCOMPARE(page.reportBox->rtf(), report);
        QCOMPARE(page.reportBox->toPlainText(), reportText);
        QVERIFY(list.rankedLabel->isHidden());
    }

    void theLimitsOutliveTheResultsPage() {
        prepareJob(eightSwgWires(1), {k14Swg});
        ResultsPage& page = loadResults();
        page.listControls->orderChoice->setCurrentIndex(1);
        pressAlt(Qt::Key_D);
        typeHere("2");
        QTest::keyClick(focused(), Qt::Key_Return);
        pressAlt(Qt::Key_W);
        typeHere("0x40000");  // only what makes a limit is taken: 4000
        pressTab();
        QTRY_VERIFY(!page.listControls->rankingPending());
        QCOMPARE(page.listControls->rankedLabel->text(),
                 QStringLiteral("best 1 of 1 combinations of at most 2 sizes and 4000 wires"));

        pressAlt(Qt::Key_B);
        QTRY_VERIFY(!resultsSlot().isLoaded());
        ListControls& again = *loadResults().listControls;
        QCOMPARE(again.mostSizesBox->value(), 2);
        QCOMPARE(again.mostWiresBox->value(), 4000);
    }

    void aRankingGivenUpLeavesThePageAsItWas() {
        prepareJob(eightSwgWires(4), sizesFrom(k8Swg, k26Swg));
        ResultsPage& page = loadResults(true);
        ListControls& list = *page.listControls;
        const QString report = page.reportBox->rtf();

        list.orderChoice->setCurrentIndex(3);  // closest to original
        list.mostSizesBox->setValue(2);        // asked for before the first is done
        emit list.rankingProgress->canceled();
        QVERIFY(!list.rankingPending());
        QCOMPARE(list.orderChoice->currentIndex(), 0);
        QCOMPARE(keptRankLimits().mostSizes, 3);
        QCOMPARE(list.mostSizesBox->value(), 3);
        QCOMPARE(page.reportBox->rtf(), report);

        // Asked for again while the one given up is still on its way out.
        list.orderChoice->setCurrentIndex(3);
        QTRY_VERIFY_WITH_TIMEOUT(!list.rankingPending(), 60000);
        QCOMPARE(list.shownChoice().order, ResultOrder::ClosestToOriginal);
        QCOMPARE(boxLines(page).first().section(u'\t', -1), QStringLiteral("8 SWG X 4"));

        // Back while a ranking runs: the page goes, and the ranking with it.
        list.mostSizesBox->setValue(4);
        pressAlt(Qt::Key_B);
        QTRY_VERIFY(!resultsSlot().isLoaded());
    }

    // Four sizes make a long combination; the figures it is ranked by stay in sight all the
    // same, at the window's opening width.
    void theFiguresOfFourSizesStayInSight() {
        prepareJob(eightSwgWires(1), {k13HalfSwg, k17HalfSwg, k20HalfSwg, k22HalfSwg});
        ResultsPage& page = loadResults();
        page.listControls->mostSizesBox->setValue(4);
        page.listControls->orderChoice->setCurrentIndex(3);  // closest to original
        QTRY_VERIFY(!page.listControls->rankingPending());
        const int inSight = page.reportBox->viewport()->width();
        int fourSizes = 0;
        for (QTextBlock line = page.reportBox->document()->firstBlock(); line.isValid();
             line = line.next()) {
            if (!line.text().contains("4 sizes"))
                continue;
            ++fourSizes;
            QTextCursor deviationEnd(line);
            deviationEnd.setPosition(line.position() + line.text().indexOf(u'%') + 1);
            QVERIFY2(page.reportBox->cursorRect(deviationEnd).right() <= inSight,
                     qPrintable(line.text()));
        }
        QVERIFY(fourSizes > 0);
    }

    // Finish, Back and the close button answer while the progress of a ranking that would take
    // half a minute is up: the ranking is given up at once and they do what they do.
    void finishBackAndCloseGiveARankingUpAndDoWhatTheyDo() {
        prepareJob(eightSwgWires(4), sizesFrom(k8Swg, k26Swg));
        QElapsedTimer waited;
        const auto rankLong = [&] {
            ResultsPage& page = loadResults(true);
            page.listControls->mostSizesBox->setValue(4);
            page.listControls->orderChoice->setCurrentIndex(3);  // closest to original
            [&] { QTRY_VERIFY(page.listControls->rankingProgress->isVisible()); }();
            waited.start();
            return QPointer<ResultsPage>(&page);
        };
        const auto gone = [&](const QPointer<ResultsPage>& page) {
            return !resultsSlot().isLoaded() && QTest::qWaitFor([&] { return page.isNull(); }) &&
                   waited.elapsed() < 5000;
        };

        // Clicked through the window, as the window system delivers it to a page that may be
        // blocked.
        QPointer<ResultsPage> page = rankLong();
        QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {},
                          page->finishButton->geometry().center());
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(gone(page));

        page = rankLong();
        pressAlt(Qt::Key_B);
        QVERIFY(gone(page));
        QVERIFY(availableWiresSlot().get().isVisible());

        page = rankLong();
        pressAlt(Qt::Key_F);
        QCOMPARE(run_->end.count(), 2);
        QVERIFY(gone(page));

        page = rankLong();
        page->close();
        QCOMPARE(run_->end.count(), 3);
        QVERIFY(gone(page));

        // Destroyed by other means, the page gives its ranking up rather than wait for its end.
        page = rankLong();
        delete page.data();
        QVERIFY(waited.elapsed() < 5000);
    }

    void aSizeBeyondTheCountLimitIsSaidAndTheListStays() {
        prepareJob(6000, {k26Swg});  // 36548 wires of 26 SWG
        const QString reason = "stopped early: 26 SWG would need more than 32767 wires.\n";
        run_->boxes.expect("The search " + reason +
                               "The list shows the combinations found until "
                               "then.",
                           "Wirnak", kWarningOk, MessageAnswer::Ok);
        run_->boxes.expect("The ranking " + reason +
                               "The list stays as it was. With the most "
                               "wires in parallel given, every count stays "
                               "within it.",
                           "Wirnak", kWarningOk, MessageAnswer::Ok);
        ResultsPage& page = loadResults();
        const QString report = page.reportBox->rtf();
        page.listControls->orderChoice->setCurrentIndex(1);
        QTRY_VERIFY(!page.listControls->rankingPending());
        QCOMPARE(page.reportBox->rtf(), report);
        QCOMPARE(page.listControls->orderChoice->currentIndex(), 0);
    }
};

QTEST_MAIN(RankedListTest)
#include "RankedListTest.moc"
