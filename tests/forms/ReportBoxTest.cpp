#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>
#include <string>

#include "forms/ReportBox.h"
#include "forms/RtfText.h"

namespace {

std::string reportLine(int n) {
    return std::to_string(n % 29 + 8) + " SWG X " + std::to_string(n) + ",      12.97171";
}

std::string report(int lines) {
    std::string rtf = "{";
    for (int n = 1; n <= lines; ++n) rtf += reportLine(n) + "\\par ";
    return rtf + "}";
}

QStringList shownLines(const ReportBox& box) {
    QStringList lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

}  // namespace

class ReportBoxTest : public QObject {
    Q_OBJECT

private slots:
    void rtfToPlainText_data() {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("report") << QString::fromStdString(report(2))
                                << QString::fromStdString(reportLine(1) + "\n" + reportLine(2));
        QTest::newRow("no match") << "{Sorry no match found}"
                                  << "Sorry no match found";
        QTest::newRow("empty group") << "{}"
                                     << "";
        QTest::newRow("empty line kept") << "{a\\par \\par b\\par }"
                                         << "a\n\nb";
        QTest::newRow("source line breaks") << "{a\r\nb\\par\r\nc}"
                                            << "ab\nc";
        QTest::newRow("escapes") << "{\\{x\\}\\\\ \\'e9\\~}"
                                 << "{x}\\ \u00e9 ";
        QTest::newRow("tables skipped")
            << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\generator w;}\\f0\\fs20 ok\\par }"
            << "ok";
        QTest::newRow("parameters") << "{\\fs-20 a\\li720b}"
                                    << "ab";
        QTest::newRow("unbalanced") << "}}a{{b"
                                    << "ab";
        QTest::newRow("cut short") << "{a\\"
                                   << "a";
        QTest::newRow("cut hex") << "{a\\'e"
                                 << "a";
        QTest::newRow("bad hex") << "{a\\'zzb}"
                                 << "ab";
        QTest::newRow("utf-8 passes") << "{13,5 SWG X 2\u00b7\\par }"
                                      << "13,5 SWG X 2\u00b7";
    }

    void rtfToPlainText() {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(::rtfToPlainText(rtf.toStdString())), text);
    }

    void showsOneLinePerParagraph() {
        ReportBox box;
        box.setRtf(report(3));
        QCOMPARE(shownLines(box), QStringList({QString::fromStdString(reportLine(1)),
                                               QString::fromStdString(reportLine(2)),
                                               QString::fromStdString(reportLine(3))}));
        QVERIFY(shownLines(box).at(0).contains(",      12.97171"));

        box.setRtf(QStringLiteral("{Sorry no match found}"));
        QCOMPARE(shownLines(box), QStringList({"Sorry no match found"}));

        box.setText("");
        QCOMPARE(box.toPlainText(), QString());
        QCOMPARE(box.document()->blockCount(), 1);
    }

    void fullTableIsFastAndReachable() {
        ReportBox box;
        box.resize(500, 80);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        const std::string rtf = report(10001);
        QElapsedTimer timer;
        timer.start();
        box.setRtf(rtf);
        QCoreApplication::processEvents();
        const qint64 elapsed = timer.elapsed();
        qInfo("10001-line report set and laid out in %lld ms", elapsed);
        QVERIFY2(elapsed < 1000, "setting the full report must not take seconds");

        QCOMPARE(box.document()->blockCount(), 10001);
        QCOMPARE(box.document()->lastBlock().text(), QString::fromStdString(reportLine(10001)));

        // The scroll bar's far end brings the last line into view.
        const QTextCursor lastLine(box.document()->lastBlock());
        QVERIFY(!box.viewport()->rect().contains(box.cursorRect(lastLine).center()));
        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        QVERIFY(box.viewport()->rect().contains(box.cursorRect(lastLine).center()));
    }

    void longLinesScrollSideways() {
        ReportBox box;
        box.resize(120, 80);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setRtf(report(3));
        QCoreApplication::processEvents();
        QCOMPARE(box.document()->blockCount(), 3);  // not wrapped
        QVERIFY(box.horizontalScrollBar()->maximum() > 0);
    }

    void selectionLength() {
        ReportBox box;
        box.setRtf(report(3));
        QCOMPARE(box.selectionLength(), 0);

        QTextCursor cursor(box.document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        QCOMPARE(box.selectionLength(), static_cast<int>(reportLine(2).size()));

        // Selecting backwards counts the same.
        cursor.setPosition(5);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        QCOMPARE(box.selectionLength(), 3);

        box.setRtf(report(1));
        QCOMPARE(box.selectionLength(), 0);
    }

    void userSelectsAndCopiesWithKeysButCannotEdit() {
        ReportBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
        box.setRtf(report(2));

        QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box.selectionLength(), static_cast<int>(reportLine(1).size()));
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(reportLine(1)));

        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectionLength(), static_cast<int>(box.toPlainText().size()));

        QTest::keyClicks(&box, "x");
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.toPlainText(), QString::fromStdString(reportLine(1) + "\n" + reportLine(2)));
    }
};

QTEST_MAIN(ReportBoxTest)
#include "ReportBoxTest.moc"
