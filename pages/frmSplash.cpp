#include "pages/frmSplash.h"

#include "pages/CoilPicture.h"
#include "pages/Form3.h"
#include "pages/Slots.h"
#include "platform/App.h"

using namespace forms;

namespace {

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The version and platform lines are right-aligned: when their text is wider than the design
// width they grow to the left, as one line, instead of breaking.
void growLeftToFit(QLabel* label) {
    const int right = label->geometry().right();
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const int width = std::max(label->width(), label->sizeHint().width());
    label->setGeometry(right - width + 1, label->y(), width, label->height());
}

}  // namespace

frmSplash::frmSplash() : Page(QString(), 7575, 5865) {
    // A blank rather than an empty title: Qt would put the application's name there.
    setWindowTitle(QStringLiteral(" "));

    fraMainFrame = place<Frame>(this, QStringLiteral("fraMainFrame"), 120, 0, 7380, 5775);

    Image1 = place<QLabel>(fraMainFrame, QStringLiteral("Image1"), 240, 840, 2385, 2385);
    Image1->setPixmap(coilPicture(Image1->size()));

    lblProductName =
        place<Label>(fraMainFrame, QStringLiteral("lblProductName"), 2880, 1200, 2340, 765);
    lblProductName->setFont(arial(32.25, true));
    lblProductName->setWordWrap(false);

    lblPlatform = place<Label>(fraMainFrame, QStringLiteral("lblPlatform"), 4440, 2400, 2685, 285);
    lblPlatform->setFont(arial(12, true));
    lblPlatform->setText(QStringLiteral("Platform Windows95/98"));
    growLeftToFit(lblPlatform);

    lblVersion = place<Label>(fraMainFrame, QStringLiteral("lblVersion"), 5880, 2760, 1275, 285);
    lblVersion->setFont(arial(12, true));

    lblWarning = place<Label>(fraMainFrame, QStringLiteral("lblWarning"), 240, 3960, 5415, 315);
    lblWarning->setFont(arial(8.25, false));

    Command1 =
        place<CommandButton>(fraMainFrame, QStringLiteral("Command1"), 3120, 5040, 1335, 375);
    Command1->setText(QStringLiteral("&Continue"));
    connect(Command1, &CommandButton::Click, this, &frmSplash::Command1_Click);
}

void frmSplash::Form_Load() {
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(App::major())
                            .arg(App::minor())
                            .arg(App::revision()));
    growLeftToFit(lblVersion);
    lblProductName->setText(App::title());
}

void frmSplash::Command1_Click() {
    Form3& originalWires = form3Slot().replaceWithNew();
    Unload();
    originalWires.Show();
}
