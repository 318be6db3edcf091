#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "desktop/Application.h"
#include "desktop/HelpWindow.h"
#include "forms/CaptionFit.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

QString nameOf(const QWidget* control) {
    return QStringLiteral("%1 \"%2\"")
        .arg(control->metaObject()->className(), control->objectName());
}

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Where a text control draws its text, and the area it has for it, in the control's own
// coordinates; a null text place when the control shows no text of its own.
struct TextPlace {
    QRect text;
    QRect area;
    QString shown;
};

TextPlace placed(QSize needed, Qt::Alignment alignment, QRect area, const QString& shown) {
    return {QStyle::alignedRect(Qt::LeftToRight, alignment, needed, area), area, shown};
}

TextPlace textOfLabel(const QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText) {
        return {};
    }
    const QRect inner = label.contentsRect().marginsRemoved(
        QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    const int flags =
        int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
    const QRect needed = label.fontMetrics().boundingRect(
        QRect(0, 0, label.wordWrap() ? inner.width() : 100000, 100000), flags, label.text());
    return placed(needed.size(), label.alignment(), inner, label.text());
}

// Check boxes and option buttons give their text what the style leaves beside the indicator;
// push buttons what it leaves inside the bevel.
TextPlace textOfButton(const QAbstractButton& button) {
    if (button.text().isEmpty()) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    Qt::Alignment alignment = Qt::AlignCenter;
    if (qobject_cast<const QRadioButton*>(&button)) {
        contents = QStyle::SE_RadioButtonContents;
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<const QCheckBox*>(&button)) {
        contents = QStyle::SE_CheckBoxContents;
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
    return placed(button.fontMetrics().size(Qt::TextShowMnemonic, button.text()), alignment,
                  button.style()->subElementRect(contents, &option, &button), button.text());
}

// A frame's title stands where the style puts it, and must lie within the frame.
TextPlace textOfFrameTitle(const QGroupBox& box) {
    if (box.title().isEmpty()) {
        return {};
    }
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    const QSize needed(box.fontMetrics().horizontalAdvance(box.title()), title.height());
    return {QRect(title.topLeft(), needed), title.intersected(box.rect()), box.title()};
}

TextPlace textOfReadOnlyText(const QWidget& control) {
    if (const auto* line = qobject_cast<const QLineEdit*>(&control)) {
        if (!line->isReadOnly() || line->text().isEmpty()) {
            return {};
        }
        const QRect area =
            line->contentsRect().marginsRemoved(line->textMargins() + QMargins(2, 1, 2, 1));
        return placed(line->fontMetrics().size(0, line->text()), line->alignment(), area,
                      line->text());
    }
    // A read-only text area without a vertical scroll bar has to show its text whole; one that
    // scrolls shows all of it by scrolling.
    if (const auto* area = qobject_cast<const QTextEdit*>(&control)) {
        if (!area->isReadOnly() || area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
            return {};
        }
        const QSize document = area->document()->size().toSize();
        const QRect viewport = area->viewport()->geometry();
        return {QRect(viewport.topLeft(), document), viewport,
                area->toPlainText().section(u'\n', 0, 0)};
    }
    return {};
}

TextPlace textOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return textOfLabel(*label);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return textOfButton(*button);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        return textOfFrameTitle(*box);
    }
    return textOfReadOnlyText(control);
}

// Every visible control of the window that shows a text: the text, a wrapped text with all its
// lines, fits the area the control has for it and lies within the control's parent; and no
// two of them overlap.
QStringList misfitsOn(const QWidget& window, const QString& where) {
    QStringList misfits;
    QList<std::pair<QWidget*, QRect>> placed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) {
            continue;
        }
        const TextPlace text = textOf(*control);
        if (text.text.isEmpty()) {
            continue;
        }
        if (text.text.width() > text.area.width() || text.text.height() > text.area.height()) {
            misfits << QStringLiteral("%1: %2 \"%3\" needs %4, has %5")
                           .arg(where, nameOf(control), text.shown, sizeText(text.text.size()),
                                sizeText(text.area.size()));
        }
        const QRect onParent = text.text.translated(control->pos());
        if (!control->parentWidget()->rect().contains(onParent)) {
            misfits << QStringLiteral("%1: %2 \"%3\" runs out of its parent")
                           .arg(where, nameOf(control), text.shown);
        }
        const QRect onWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
        for (const auto& [other, rect] : placed) {
            if (rect.intersects(onWindow) && !other->isAncestorOf(control) &&
                !control->isAncestorOf(other)) {
                misfits << QStringLiteral("%1: %2 overlaps %3")
                               .arg(where, nameOf(control), nameOf(other));
            }
        }
        placed.append({control, onWindow});
    }
    return misfits;
}

}  // namespace

// Every caption of the four windows shows whole at the fonts the system provides; CTest runs
// this at QT_SCALE_FACTOR 1, 1.5 and 2, and with Qt's scaling off at 120 and 144 DPI, where
// fonts and layouts grow by the logical DPI alone.
class CaptionsFitTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;
    QStringList misfits_;

    void walk(QWidget* window, const QString& where) {
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        misfits_ << misfitsOn(*window, where);
    }

    static void tickWith(QAbstractButton* check, const QString& text) {
        click(check);
        typeHere(text);
    }

private slots:
    void initTestCase() { desktop::setUpApplication(*qApp); }
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void everyCaptionOfEveryWindowShowsWhole() {
        startWizard();
        walk(splashSlot().loaded(), "splash");
        click(splashSlot().loaded()->continueButton);

        OriginalWiresPage* original = originalWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(original));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            tickWith(original->gaugeCheck(i), "1");
        }
        clickAndType(original->weightBox, "2");
        walk(original, "Original Wires, circular");
        click(original->rectangularOption);
        for (const char* entry : {"5", "2", "1"}) {
            typeHere(entry);
            pressTab();
        }
        walk(original, "Original Wires, rectangular");
        click(original->circularOption);
        pressAlt(Qt::Key_N);

        AvailableWiresPage* available = availableWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(available));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            tickWith(available->gaugeCheck(i), "1");
        }
        // Two other sizes, thick ones that keep the search short, so that the line under the rows
        // says them; the dialog itself.
        pressAlt(Qt::Key_O);
        OtherSizesDialog* sizes = available->otherSizesDialog;
        QVERIFY(sizes && takesTheKeys(*sizes));
        for (const char* size : {"4.5", "5.5"}) {
            sizes->sizeBox->setText(size);
            sizes->amountBox->setText("12.5");
            click(sizes->addButton);
        }
        walk(sizes, "Other sizes");
        pressAlt(Qt::Key_O);  // OK
        QTRY_VERIFY(!available->otherSizesDialog);
        QVERIFY(takesTheKeys(*available));
        walk(available, "Available wires");
        // A search over a few sizes only: all of them would fill the table.
        for (GaugeIndex i = 3; i < kGaugeCount; ++i) {
            click(available->gaugeCheck(i));
        }
        pressAlt(Qt::Key_N);

        ResultsPage* results = resultsSlot().loaded();
        walk(results, "Equivalent wire combinations");
        // A ranked list, its limits enabled, and the longest count line it may show.
        ListControls& list = *results->listControls;
        list.orderChoice->setCurrentIndex(list.orderChoice->count() - 1);
        QTRY_VERIFY(!list.rankingPending());
        list.rankedLabel->setText(
            "best 10001 of more than 10001 combinations of at most 4 sizes and 32767 wires "
            "covered by the stock");
        walk(results, "Equivalent wire combinations, ranked");
        for (const QString& misfit : misfits_) {
            qWarning("%s", qPrintable(misfit));
        }
        QVERIFY2(misfits_.isEmpty(), "captions that do not show whole are listed above");
    }

    // A label too small for its text grows down only as far as the control under it, then
    // takes a smaller font.
    void aGrownLabelStopsAboveTheControlUnderIt() {
        QWidget window;
        window.resize(twipsToPixels(3000), twipsToPixels(3000));
        auto* label = place<Label>(&window, "label", 150, 150, 1500, 255);
        label->setText("A caption three lines long at this narrow width");
        auto* box = place<TextBox>(&window, "box", 150, 600, 1500, 285);
        QVERIFY(label->heightForWidth(label->width()) > box->y() - label->y());
        fitCaptions(window);
        QVERIFY(label->geometry().bottom() < box->y());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    void theHelpAndAboutShowTheirCaptionsWhole() {
        showHelpWindow();
        HelpWindow* help = openHelpWindow();
        walk(help, "Help");
        QTimer::singleShot(0, [this] {
            QWidget* about = QApplication::activeModalWidget();
            walk(about, "About");
            if (about)
                about->close();
        });
        help->aboutButton->click();
        delete help;
        for (const QString& misfit : misfits_) {
            qWarning("%s", qPrintable(misfit));
        }
        QVERIFY2(misfits_.isEmpty(), "captions that do not show whole are listed above");
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "CaptionsFitTest.moc"
