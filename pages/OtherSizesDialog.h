#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "gauge/JobState.h"
#include "gauge/WireSize.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace forms {
class ChoiceBox;
}

// A metric or AWG size on a page's list, with what that page asks of it: the wires in parallel
// on Original Wires, the stock in kg on Available wires (none when not given).
struct OtherSize {
    WireSize size;
    short count = 0;
    std::optional<float> stock;

    friend bool operator==(const OtherSize&, const OtherSize&) = default;
};

// What a page asks beside each size.
enum class OtherSizeAmount { WiresInParallel, StockInKg, Nothing };

// "1.06 mm X 2", "1.06 mm 2 kg", "1.06 mm no weight given", "1.06 mm": one size as the page's
// line and the dialog's list show it, figures with the given decimal separator.
QString otherSizeText(const OtherSize& other, OtherSizeAmount amount, const QString& separator);

// Shows the lead and the entries on a page's line, as many as the line's box holds and the rest
// counted ("… and 3 more"); the whole list is its tooltip and what a screen reader says. Empty
// without entries.
void showSizesLine(QLabel& line, const QString& lead, const QStringList& entries);

// "1.626 mm is the same wire as 16 SWG." for a size that repeats one on the list.
QString repeatedSizeMessage(WireSize added, WireSize there);

// The pages' own words for a size whose amount is missing or cannot be held, with its label.
QString missingWeightPrompt(const QString& sizeLabel);  // Retry and Cancel, "Error!"
QString tooLargeWeightPrompt(const QString& sizeLabel);
QString missingCountPrompt(const QString& sizeLabel);  // OK, "Error!"

// "Other sizes": the sizes beside the SWG rows of one page, to add (a diameter in mm or an AWG
// number, typed with the user's decimal separator, with the page's amount) and to remove. It
// works on a copy: the page takes sizes() on accept, and Cancel leaves the job as it was.
class OtherSizesDialog : public QDialog {
    Q_OBJECT

public:
    OtherSizesDialog(QWidget* page, SizeList list, std::vector<OtherSize> sizes,
                     OtherSizeAmount amount);

    QLineEdit* sizeBox;
    forms::ChoiceBox* unitChoice;  // "mm" or "AWG"
    QLabel* amountLabel;
    QLineEdit* amountBox;
    QPushButton* addButton;
    QListWidget* sizeList;
    QPushButton* removeButton;
    QLabel* roomLine;  // how many are listed of the most a list holds
    QDialogButtonBox* buttons;

    const std::vector<OtherSize>& sizes() const { return sizes_; }
    // The weight question was answered Cancel here: the page turns its weight check off on OK.
    bool weightCheckDeclined() const { return weightDeclined_; }

    // Takes a listed size off the list into the boxes, for its amount to be given.
    void takeBackToBoxes(WireSize size);
    // Adds what the boxes hold; false, with the reason shown, when it is refused.
    bool addFromBoxes();

    void accept() override;

private:
    void removeChosen();
    void showList();
    void refuse(const QString& why, QWidget* toCorrect);
    std::optional<WireSize> typedSize();
    bool takeAmount(OtherSize& other);

    SizeList list_;
    std::vector<OtherSize> sizes_;
    OtherSizeAmount amount_;
    bool weightDeclined_ = false;
};
