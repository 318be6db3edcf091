#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "files/OpenFileDialog.h"
#include "files/SaveFileDialog.h"
#include "gauge/ShelfFile.h"

class QAction;
class QPoint;
class QWidget;

// What shelf files need of the page whose shelf they open and save.
class ShelfPage {
public:
    // Whether anything is ticked, and so there is a shelf to save.
    virtual bool holdsShelf() const = 0;
    virtual Shelf shelf() const = 0;
    virtual void takeShelf(const Shelf& shelf) = 0;
    // False when the box being left refused its text and keeps the focus.
    virtual bool leaveStockBox() = 0;

protected:
    ~ShelfPage() = default;
};

// Shelf files on Available wires: "Open shelf…" ticks and types what a file holds, as "Last
// shelf" does; "Save shelf…" writes the ticked sizes and their stock, whole or not at all. Both
// are in the page's context menu and on its keys (Ctrl+O, Ctrl+S).
class ShelfFiles : public QObject {
    Q_OBJECT

public:
    ShelfFiles(QWidget& window, ShelfPage& page);

    QAction* openAction;
    QAction* saveAction;
    std::unique_ptr<OpenFileDialog> openDialog;
    std::unique_ptr<SaveFileDialog> saveDialog;

    void showMenu(const QPoint& globalPosition);

private:
    void open();
    void save();

    QWidget& window_;
    ShelfPage& page_;
    QString lastPath_;  // offered again while the program runs
};
