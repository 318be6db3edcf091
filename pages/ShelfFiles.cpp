#include "pages/ShelfFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

#include "files/WholeFile.h"
#include "forms/MessageBox.h"
#include "gauge/Quoted.h"

using namespace forms;

namespace {

const QString kShelfFilter = QStringLiteral("Text files (*.txt)");
const QString kAnyFilter = QStringLiteral("All files (*)");

// A path, or a file's name, as messages show paths: whatever bytes it holds, as plain text.
QString shownPath(const QString& path) {
    return QString::fromStdString(
        shown::path(QFile::encodeName(QDir::toNativeSeparators(path)).toStdString()));
}

// The file's text, or why there is none. A file longer than any shelf is not read.
QString readText(const QString& path, QByteArray& text) {
    const QString error = readRegularFile(path, static_cast<qint64>(kLargestShelfFile) + 1, text);
    if (error == kNotARegularFile)
        return shownPath(QFileInfo(path).fileName()) + QStringLiteral(": ") + error;
    if (!error.isEmpty())
        return error;
    if (static_cast<std::size_t>(text.size()) > kLargestShelfFile)
        return QStringLiteral("It is too long for a shelf file.");
    return {};
}

}  // namespace

ShelfFiles::ShelfFiles(QWidget& window, ShelfPage& page)
    : QObject(&window),
      openDialog(std::make_unique<QtOpenFileDialog>(&window)),
      saveDialog(std::make_unique<QtSaveFileDialog>(&window)),
      window_(window),
      page_(page),
      lastPath_(QDir::home().filePath(QStringLiteral("shelf.txt"))) {
    openAction = new QAction(QStringLiteral("Open shelf…"), &window);
    openAction->setShortcut(QKeySequence::Open);
    saveAction = new QAction(QStringLiteral("Save shelf…"), &window);
    saveAction->setShortcut(QKeySequence::Save);
    window.addActions({openAction, saveAction});
    connect(openAction, &QAction::triggered, this, &ShelfFiles::open);
    connect(saveAction, &QAction::triggered, this, &ShelfFiles::save);
}

void ShelfFiles::showMenu(const QPoint& globalPosition) {
    // Something ticked is something to save.
    saveAction->setEnabled(page_.holdsShelf());
    QMenu menu(&window_);
    menu.addActions({openAction, saveAction});
    menu.exec(globalPosition);
    saveAction->setEnabled(true);  // the key checks for itself
}

void ShelfFiles::open() {
    const QPointer<QWidget> focus = window_.focusWidget();
    if (!page_.leaveStockBox())
        return;
    const auto path = openDialog->chooseFile(QStringLiteral("Open a shelf"), lastPath_,
                                             {kShelfFilter, kAnyFilter});
    QByteArray text;
    QString fault = path ? readText(*path, text) : QString();
    ShelfReading reading;
    if (path && fault.isEmpty()) {
        reading = readShelf(text.toStdString());
        if (!reading.ok()) {
            const QString name = shownPath(QFileInfo(*path).fileName());
            fault = QString::fromStdString(shelfFault(name.toStdString(), reading));
        }
    }
    if (!fault.isEmpty()) {
        showMessage(QStringLiteral("The shelf could not be opened from\n%1\n\n%2")
                        .arg(shownPath(*path), fault),
                    kWarningOk);
    }
    if (!path || !fault.isEmpty()) {
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);  // back where the user was
        return;
    }
    lastPath_ = *path;
    page_.takeShelf(reading.shelf);
}

void ShelfFiles::save() {
    const QPointer<QWidget> focus = window_.focusWidget();
    if (!page_.holdsShelf() || !page_.leaveStockBox())
        return;
    const Shelf shelf = page_.shelf();
    const auto choice = saveDialog->chooseFile(QStringLiteral("Save the shelf"), lastPath_,
                                               {kShelfFilter}, kShelfFilter);
    const QString error =
        choice ? writeWholeFile(choice->path, QByteArray::fromStdString(shelfText(shelf)))
               : QString();
    if (!error.isEmpty()) {
        showMessage(QStringLiteral("The shelf could not be saved as\n%1\n\n%2")
                        .arg(shownPath(choice->path), error),
                    kWarningOk);
    } else if (choice) {
        lastPath_ = choice->path;
    }
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);  // back where the user was
}
