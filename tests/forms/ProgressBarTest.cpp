#include <QtTest>

#include "forms/ProgressBar.h"

class ProgressBarTest : public QObject {
    Q_OBJECT

private slots:
    void valueReadsBackAsSet() {
        ProgressBar bar;
        bar.setMinimum(0);
        bar.setMaximum(29);
        for (float value : {0.0f, 0.1f, 13.5f, 28.0f, 29.0f, 1e-7f}) {
            bar.setValue(value);
            QCOMPARE(bar.value(), value);
        }
        QCOMPARE(bar.minimum(), 0.0f);
        QCOMPARE(bar.maximum(), 29.0f);
    }

    void showsTheShareOfTheRange() {
        ProgressBar bar;
        bar.setMinimum(0);
        bar.setMaximum(29);
        QCOMPARE(bar.shownShare(), 0.0);
        bar.setValue(14.5f);
        QCOMPARE(bar.shownShare(), 0.5);
        bar.setValue(29);
        QCOMPARE(bar.shownShare(), 1.0);

        bar.setMinimum(10);
        bar.setMaximum(20);
        bar.setValue(12.5f);
        QCOMPARE(bar.shownShare(), 0.25);
    }

    void oddRangesAndValuesShowClamped() {
        ProgressBar bar;
        bar.setMaximum(29);
        bar.setValue(40);
        QCOMPARE(bar.value(), 40.0f);
        QCOMPARE(bar.shownShare(), 1.0);
        bar.setValue(-3);
        QCOMPARE(bar.shownShare(), 0.0);

        bar.setMaximum(0);  // empty range
        bar.setValue(0);
        QCOMPARE(bar.shownShare(), 0.0);
        bar.setMaximum(-5);  // upside down
        QCOMPARE(bar.shownShare(), 0.0);
        bar.setValue(std::numeric_limits<float>::quiet_NaN());
        QCOMPARE(bar.shownShare(), 0.0);
    }
};

QTEST_MAIN(ProgressBarTest)
#include "ProgressBarTest.moc"
