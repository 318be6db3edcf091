#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "platform/OpenFileDialog.h"
#include "platform/SaveFileDialog.h"

class AvailableWiresPage;
class QAction;
class QPoint;

// Shelf files on Available wires: "Open shelf…" ticks and types what a file holds, as "Last
// shelf" does; "Save shelf…" writes the ticked sizes and their stock, whole or not at all. Both
// are in the page's context menu and on its keys (Ctrl+O, Ctrl+S).
class ShelfFiles : public QObject {
    Q_OBJECT

public:
    explicit ShelfFiles(AvailableWiresPage& page);

    QAction* openAction;
    QAction* saveAction;
    std::unique_ptr<OpenFileDialog> openDialog;
    std::unique_ptr<SaveFileDialog> saveDialog;

    void showMenu(const QPoint& globalPosition);

private:
    void open();
    void save();

    AvailableWiresPage& page_;
    QString lastPath_;  // offered again while the program runs
};
