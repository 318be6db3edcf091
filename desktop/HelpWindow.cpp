#include "desktop/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

#include "desktop/AboutBox.h"
#include "forms/WindowPlace.h"
#include "gauge/GaugeTable.h"
#include "gauge/Numeric.h"
#include "gauge/WireSize.h"
#include "search/JobDescription.h"

namespace {

QPointer<HelpWindow>& helpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// The README's parts marked for the help, gathered at build time.
QString readmeParts() {
    QFile parts(QStringLiteral(":/help/help.md"));
    return parts.open(QIODevice::ReadOnly) ? QString::fromUtf8(parts.readAll()) : QString();
}

// Each size as the search takes it: the diameter the area is worked out from, and the area
// of one wire in single precision, as the report shows areas. AWG diameters come from the
// gauge's formula and are shown to the 0.01 µm the shops' tables give.
QString gaugeTable(const QString& separator) {
    const std::string point = separator.toStdString();
    QString table = QStringLiteral(
        "### The gauge table\n\n"
        "The sizes Wirnak knows, with the diameter and the copper area of one wire as it "
        "computes with them (0.7853981 × d²). Check them against the spools. Beside them, "
        "\"Other sizes…\" takes metric wire by its diameter, 0.05 to 6.00 mm, to 0.001 mm.\n\n"
        "| size | diameter mm | area mm² |\n|:--|--:|--:|\n");
    const auto row = [&](WireSize size, const std::string& diameter) {
        table += QStringLiteral("| %1 | %2 | %3 |\n")
                     .arg(QString::fromStdString(sizeLabel(size)), QString::fromStdString(diameter),
                          QString::fromStdString(numeric::formatGeneral(sizeArea(size), point)));
    };
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge)
        row(WireSize::swg(gauge), measureText(gaugeDiameter(gauge), point));
    for (int awg = kThickestAwg; awg <= kThinnestAwg; ++awg) {
        std::string diameter = numeric::formatFixed(sizeDiameter(WireSize::awg(awg)), 5);
        diameter.replace(diameter.find('.'), 1, point);
        row(WireSize::awg(awg), diameter);
    }
    return table;
}

// Markdown tables come without padding, their figures against the lines.
void giveTablesRoom(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(4);
            format.setCellSpacing(0);
            format.setBorderCollapse(true);
            table->setFormat(format);
        }
    }
}

}  // namespace

QString helpMarkdown(const QString& decimalSeparator) {
    return readmeParts() + u'\n' + gaugeTable(decimalSeparator);
}

HelpWindow::HelpWindow() {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Wirnak help"));
    setAttribute(Qt::WA_DeleteOnClose);

    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(QStringLiteral("Help"));
    text->setOpenExternalLinks(true);
    QFont readable = text->font();
    readable.setPointSizeF(10);
    text->setFont(readable);
    text->document()->setDefaultFont(readable);
    text->setMarkdown(helpMarkdown(locale().decimalPoint()));
    giveTablesRoom(*text->document());

    aboutButton = new QPushButton(QStringLiteral("&About Wirnak"), this);
    aboutButton->setObjectName(QStringLiteral("aboutButton"));
    closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(aboutButton, &QPushButton::clicked, this, [this] { showAboutBox(this); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(aboutButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);

    // About 80 characters of the text wide and 40 lines high, where the screen has room.
    const QFontMetrics metrics(readable);
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(QSize(metrics.averageCharWidth() * 88, metrics.lineSpacing() * 40).boundedTo(room));
    text->setFocus();
}

void showHelpWindow() {
    if (!helpWindow())
        helpWindow() = new HelpWindow;
    // Over the page it is asked from, as a message box stands; taller than the pages, it would
    // run off the screen where the window manager or Qt put it.
    if (const QWidget* page = forms::frontPage(); page && !helpWindow()->isVisible())
        helpWindow()->setGeometry(forms::innerCentredWithinScreen(*page, helpWindow()->size()));
    helpWindow()->show();
    helpWindow()->raise();
    helpWindow()->activateWindow();
}

HelpWindow* openHelpWindow() {
    return helpWindow();
}
