#include "pages/OtherSizesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/Controls.h"
#include "forms/MessageBox.h"
#include "forms/Numbers.h"
#include "gauge/Numeric.h"

using namespace forms;

namespace {

enum Unit { kMillimetres, kAwg };

QString label(WireSize size) {
    return QString::fromStdString(sizeLabel(size));
}

// A reason from the core, said as a sentence: "Metric size '7 mm' is outside 0.05 to 6.00 mm."
QString sentence(const std::string& reason) {
    QString text = QString::fromStdString(reason);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + u'.';
}

}  // namespace

QString otherSizeText(const OtherSize& other, OtherSizeAmount amount, const QString& separator) {
    switch (amount) {
        case OtherSizeAmount::WiresInParallel:
            return label(other.size) + QStringLiteral(" X ") + QString::number(other.count);
        case OtherSizeAmount::StockInKg:
            if (!other.stock)
                return label(other.size) + QStringLiteral(" no weight given");
            return label(other.size) + u' ' +
                   QString::fromStdString(
                       numeric::formatGeneral(*other.stock, separator.toStdString())) +
                   QStringLiteral(" kg");
        case OtherSizeAmount::Nothing:
            break;
    }
    return label(other.size);
}

void showSizesLine(QLabel& line, const QString& lead, const QStringList& entries) {
    const QString whole = entries.isEmpty() ? QString() : lead + entries.join(QStringLiteral(", "));
    line.setToolTip(whole);
    line.setAccessibleName(whole);
    const auto fits = [&line](const QString& text) {
        const QRect room = line.contentsRect();
        const QRect needed = line.fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000),
                                                             Qt::TextWordWrap, text);
        return needed.height() <= room.height();
    };
    QString text = whole;
    for (qsizetype shown = entries.size() - 1; shown > 0 && !fits(text); --shown) {
        text = lead + entries.mid(0, shown).join(QStringLiteral(", ")) +
               QStringLiteral(" and %1 more").arg(entries.size() - shown);
    }
    line.setText(text);
}

QString repeatedSizeMessage(WireSize added, WireSize there) {
    if (added == there)
        return label(added) + QStringLiteral(" is on the list already.");
    return QString::fromStdString(sameWireText(added, there)) + u'.';
}

QString missingWeightPrompt(const QString& sizeLabel) {
    return "Enter weight of " + sizeLabel + "  wire, else weight check will be disabled";
}

QString tooLargeWeightPrompt(const QString& sizeLabel) {
    return "The weight of " + sizeLabel + " wire is too large.";
}

QString missingCountPrompt(const QString& sizeLabel) {
    return QStringLiteral("Enter no of parallel wires of ") + sizeLabel + QStringLiteral(" wire");
}

OtherSizesDialog::OtherSizesDialog(QWidget* page, SizeList list, std::vector<OtherSize> sizes,
                                   OtherSizeAmount amount)
    : QDialog(page), list_(list), sizes_(std::move(sizes)), amount_(amount) {
    setObjectName(QStringLiteral("otherSizesDialog"));
    setWindowTitle(QStringLiteral("Other sizes"));

    auto* intro = new QLabel(
        list == SizeList::Available
            ? QStringLiteral("Metric and AWG wire at hand, beside the SWG sizes ticked: metric "
                             "wire by its diameter in mm, AWG wire by its number.")
            : QStringLiteral("Metric and AWG wire in the winding, beside the SWG sizes ticked: "
                             "metric wire by its diameter in mm, AWG wire by its number."),
        this);
    intro->setWordWrap(true);
    intro->setMinimumHeight(4 * intro->fontMetrics().lineSpacing());  // room for its lines

    auto* sizeLabelText = new QLabel(QStringLiteral("&Size"), this);
    sizeBox = new QLineEdit(this);
    sizeBox->setObjectName(QStringLiteral("sizeBox"));
    sizeBox->setAccessibleName(QStringLiteral("Size, a diameter in mm or an AWG number"));
    sizeLabelText->setBuddy(sizeBox);
    unitChoice = new ChoiceBox(this);
    unitChoice->setObjectName(QStringLiteral("unitChoice"));
    unitChoice->addItems({QStringLiteral("mm"), QStringLiteral("AWG")});
    unitChoice->setAccessibleName(QStringLiteral("Unit of the size"));
    const bool wires = amount == OtherSizeAmount::WiresInParallel;
    amountLabel = new QLabel(
        wires ? QStringLiteral("&Wires in parallel") : QStringLiteral("Stock in &kg"), this);
    amountBox = new QLineEdit(this);
    amountBox->setObjectName(QStringLiteral("amountBox"));
    amountBox->setAccessibleName(wires ? QStringLiteral("Number of wires in parallel")
                                       : QStringLiteral("Stock in kg"));
    amountLabel->setBuddy(amountBox);
    const bool asked = amount != OtherSizeAmount::Nothing;
    amountLabel->setVisible(asked);
    amountBox->setVisible(asked);
    addButton = new QPushButton(QStringLiteral("&Add"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    // Return in the boxes adds the size; OK is a press of its own.
    addButton->setDefault(true);

    auto* entry = new QGridLayout;
    entry->addWidget(sizeLabelText, 0, 0);
    entry->addWidget(amountLabel, 0, 2);
    entry->addWidget(sizeBox, 1, 0);
    entry->addWidget(unitChoice, 1, 1);
    entry->addWidget(amountBox, 1, 2);
    entry->addWidget(addButton, 1, 3);

    sizeList = new QListWidget(this);
    sizeList->setObjectName(QStringLiteral("sizeList"));
    sizeList->setAccessibleName(QStringLiteral("Other sizes listed"));
    removeButton = new QPushButton(QStringLiteral("&Remove"), this);
    removeButton->setObjectName(QStringLiteral("removeButton"));
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(sizeList, 1);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(removeButton);
    listButtons->addStretch();
    listRow->addLayout(listButtons);
    roomLine = new QLabel(this);
    roomLine->setObjectName(QStringLiteral("roomLine"));

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons())
        qobject_cast<QPushButton*>(button)->setAutoDefault(false);
    // Their access keys on every desktop, whatever its theme gives them.
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(entry);
    layout->addLayout(listRow);
    layout->addWidget(roomLine);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);  // never smaller than its captions
    // A caption's ink may reach a pixel beyond the font's line height (the access key's line).
    for (QLabel* caption : {sizeLabelText, amountLabel, roomLine})
        caption->setMinimumHeight(caption->fontMetrics().height() + 2);

    setTabOrder(sizeBox, unitChoice);
    setTabOrder(unitChoice, amountBox);
    setTabOrder(amountBox, addButton);
    setTabOrder(addButton, sizeList);
    setTabOrder(sizeList, removeButton);

    connect(addButton, &QPushButton::clicked, this, &OtherSizesDialog::addFromBoxes);
    connect(removeButton, &QPushButton::clicked, this, &OtherSizesDialog::removeChosen);
    connect(sizeList, &QListWidget::currentRowChanged, this,
            [this](int row) { removeButton->setEnabled(row >= 0); });
    connect(buttons, &QDialogButtonBox::accepted, this, &OtherSizesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OtherSizesDialog::reject);
    showList();
    sizeBox->setFocus(Qt::OtherFocusReason);
}

void OtherSizesDialog::showList() {
    const QString separator = QLocale().decimalPoint();
    const int row = sizeList->currentRow();
    sizeList->clear();
    for (const OtherSize& other : sizes_)
        sizeList->addItem(otherSizeText(other, amount_, separator));
    sizeList->setCurrentRow(std::min(row, sizeList->count() - 1));
    removeButton->setEnabled(sizeList->currentRow() >= 0);
    roomLine->setText(
        QStringLiteral("%1 of at most %2 other sizes").arg(sizes_.size()).arg(kMostOtherSizes));
}

void OtherSizesDialog::refuse(const QString& why, QWidget* toCorrect) {
    showMessage(why, kWarningOk);
    toCorrect->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(toCorrect))
        box->selectAll();
}

std::optional<WireSize> OtherSizesDialog::typedSize() {
    const QString typed = sizeBox->text().trimmed();
    if (typed.isEmpty()) {
        refuse(QStringLiteral("Enter the size: a diameter in mm, or an AWG number."), sizeBox);
        return std::nullopt;
    }
    QString text = typed;
    const QString separator = QLocale().decimalPoint();
    if (separator != QStringLiteral("."))
        text.replace(separator, QStringLiteral("."));
    // A unit typed with the number ("1.06 mm", "14awg") goes before the one chosen.
    const bool unitTyped = text.back().isLetter();
    if (!unitTyped)
        text += unitChoice->currentIndex() == kAwg ? QStringLiteral("awg") : QStringLiteral("mm");
    const SizeReading reading = readWireSize(text.toStdString());
    const QString shown =
        u'\'' + typed + (unitTyped ? QString() : u' ' + unitChoice->currentText()) + u'\'';
    if (!reading.ok()) {
        refuse(sentence(sizeFaultText(reading.fault, shown.toStdString())), sizeBox);
        return std::nullopt;
    }
    if (reading.size.isSwg()) {
        refuse(label(reading.size) + QStringLiteral(" is an SWG size: tick it on the page."),
               sizeBox);
        return std::nullopt;
    }
    return reading.size;
}

bool OtherSizesDialog::takeAmount(OtherSize& other) {
    const QString sizeName = label(other.size);
    const QString text = amountBox->text();
    switch (amount_) {
        case OtherSizeAmount::Nothing:
            return true;
        case OtherSizeAmount::WiresInParallel:
            if (const auto count = toInteger16(text)) {
                other.count = *count;
                return true;
            }
            showMessage(missingCountPrompt(sizeName), kWarningOk, QStringLiteral("Error!"));
            amountBox->setFocus(Qt::OtherFocusReason);
            return false;
        case OtherSizeAmount::StockInKg:
            break;
    }
    if (!isNumeric(text)) {
        if (showMessage(missingWeightPrompt(sizeName), kWarningRetryCancel,
                        QStringLiteral("Error!")) == MessageAnswer::Retry) {
            amountBox->setFocus(Qt::OtherFocusReason);
            return false;
        }
        // As on the page: the check is off from now on, and the size goes on without a weight.
        weightDeclined_ = true;
        amount_ = OtherSizeAmount::Nothing;
        amountLabel->hide();
        amountBox->hide();
        return true;
    }
    const auto weight = toSingle(text);
    if (!weight) {
        refuse(tooLargeWeightPrompt(sizeName), amountBox);
        return false;
    }
    other.stock = *weight;
    return true;
}

bool OtherSizesDialog::addFromBoxes() {
    if (sizes_.size() >= static_cast<std::size_t>(kMostOtherSizes)) {
        refuse(QStringLiteral("At most %1 other sizes can be on the list. Remove one to add "
                              "another.")
                   .arg(kMostOtherSizes),
               sizeBox);
        return false;
    }
    const auto size = typedSize();
    if (!size)
        return false;
    std::vector<WireSize> listed = tickedSwgSizes(jobState(), list_);
    for (const OtherSize& other : sizes_) listed.push_back(other.size);
    if (const auto there = repeatedSize(listed, *size)) {
        refuse(repeatedSizeMessage(*size, *there), sizeBox);
        return false;
    }
    OtherSize other{*size, 0, std::nullopt};
    if (!takeAmount(other))
        return false;
    sizes_.push_back(other);
    sizeBox->clear();
    amountBox->clear();
    showList();
    sizeList->setCurrentRow(sizeList->count() - 1);
    sizeBox->setFocus(Qt::OtherFocusReason);
    return true;
}

void OtherSizesDialog::removeChosen() {
    const int row = sizeList->currentRow();
    if (row < 0 || row >= static_cast<int>(sizes_.size()))
        return;
    sizes_.erase(sizes_.begin() + row);
    showList();
    (sizeList->count() > 0 ? static_cast<QWidget*>(sizeList) : sizeBox)
        ->setFocus(Qt::OtherFocusReason);
}

void OtherSizesDialog::takeBackToBoxes(WireSize size) {
    const auto found = std::find_if(sizes_.begin(), sizes_.end(),
                                    [size](const OtherSize& other) { return other.size == size; });
    if (found == sizes_.end())
        return;
    sizes_.erase(found);
    showList();
    sizeBox->setText(label(size));
    amountBox->clear();
    amountBox->setFocus(Qt::OtherFocusReason);
}

void OtherSizesDialog::accept() {
    // A size typed but not yet added is what the user means to keep.
    if (!sizeBox->text().trimmed().isEmpty() && !addFromBoxes())
        return;
    QDialog::accept();
}
