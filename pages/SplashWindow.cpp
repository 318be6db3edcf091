#include "pages/SplashWindow.h"

#include "forms/App.h"
#include "pages/CoilPicture.h"
#include "pages/Slots.h"

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

SplashWindow::SplashWindow() : Page(QString(), 7575, 5865) {
    // A blank rather than an empty title: Qt would put the application's name there.
    setWindowTitle(QStringLiteral(" "));
    // A screen reader still names the window.
    setAccessibleName(App::title());
    setNextPageCentred();  // the wizard's first page opens where the splash stood

    frame = place<Frame>(this, QStringLiteral("frame"), 120, 0, 7380, 5775);

    picture = place<QLabel>(frame, QStringLiteral("picture"), 240, 840, 2385, 2385);
    picture->setPixmap(coilPicture(picture->size()));
    picture->setAccessibleName(QStringLiteral("A coil of copper wire"));

    productName = place<Label>(frame, QStringLiteral("productName"), 2880, 1200, 2340, 765);
    productName->setFont(arial(32.25, true));
    productName->setWordWrap(false);

    platformLine = place<Label>(frame, QStringLiteral("platformLine"), 4440, 2400, 2685, 285);
    platformLine->setFont(arial(12, true));
    platformLine->setText(QStringLiteral("Platform Windows95/98"));
    growLeftToFit(platformLine);

    versionLine = place<Label>(frame, QStringLiteral("versionLine"), 5880, 2760, 1275, 285);
    versionLine->setFont(arial(12, true));

    warningLine = place<Label>(frame, QStringLiteral("warningLine"), 240, 3960, 5415, 315);
    warningLine->setFont(arial(8.25, false));
    warningLine->hide();  // it has nothing to say, to the eye or to a screen reader

    continueButton =
        place<CommandButton>(frame, QStringLiteral("continueButton"), 3120, 5040, 1335, 375);
    continueButton->setText(QStringLiteral("&Continue"));
    connect(continueButton, &CommandButton::clicked, this, &SplashWindow::continueToWizard);
}

void SplashWindow::loadEvent() {
    versionLine->setText(QStringLiteral("Version %1.%2.%3")
                             .arg(App::major())
                             .arg(App::minor())
                             .arg(App::revision()));
    growLeftToFit(versionLine);
    productName->setText(App::title());
    // Said as the focus enters the frame: a screen reader does not read a window's labels
    // by itself.
    frame->setAccessibleName(App::title() + QStringLiteral(", ") + versionLine->text());
}

void SplashWindow::continueToWizard() {
    forms::Page& originalWires = originalWiresSlot().replaceWithNewPage();
    unload();
    originalWires.showPage();
}
