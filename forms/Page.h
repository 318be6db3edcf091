#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "search/ResultsView.h"

namespace forms {

class Page;
class PageSlotBase;

// What a page asks of the slot that made it.
class PageHolder {
public:
    // The page is going: the slot is empty from now on.
    virtual void release(Page* page) = 0;
    // The size and place a sizable page was last left with, or nothing.
    virtual QByteArray keptGeometry() = 0;
    virtual void keepGeometry(const QByteArray& geometry) = 0;

protected:
    ~PageHolder() = default;
};

// One window of the wizard. A page is made, and its load step run, by its program-wide slot
// (PageSlot); it is then shown and hidden any number of times and finally unloaded, which
// destroys it and empties the slot. Layout values are twips within the inner area.
class Page : public QWidget {
    Q_OBJECT

public:
    ~Page() override;

    // Shows the page, not modal, where the page it replaces stood: a wizard stays in one place
    // on the screen. The first display lays it out and gives the focus to the first control in
    // the tab order. Hiding it (hide()) keeps its controls and entries.
    void showPage();
    // Destroys the page (once control is back in the event loop, so a page may unload itself
    // from its own handler) and empties its slot at once.
    void unload();
    // Draws the page now, before the caller goes on with work that keeps the event loop busy.
    void paintNow();

    MousePointer mousePointer() const { return mousePointer_; }
    // Setting the pointer the page already shows costs a comparison: the search sets it on every
    // step.
    void setMousePointer(MousePointer pointer);

    // Inner area in twips.
    int innerWidthTwips() const;
    int innerHeightTwips() const;

protected:
    Page(const QString& caption, int innerWidthTwips, int innerHeightTwips);

    // Lets the user resize the window (pages are fixed in size otherwise); it opens with the
    // given inner size. The size and place the user gives it are kept for the rest of the run,
    // also when the page is unloaded and made anew, and beyond it where its slot has a store.
    void setSizable(int openingWidthTwips, int openingHeightTwips);

    // The page shown after this one opens with its centre on this page's centre instead of at
    // its top left corner: for a window of another shape, such as a splash screen.
    void setNextPageCentred() { nextPageCentred_ = true; }

    // The control that takes the focus when the page is first shown, in place of the first one
    // in the tab order: where a key pressed at once does no harm.
    void setFirstFocus(QWidget* control) { firstFocus_ = control; }

    // Runs once, when the page's slot has made it, before it is first shown.
    virtual void loadEvent() {}

    // The window's own close button ends the program, as the pages' Cancel does.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class PageSlotBase;  // makes, loads and holds the page
    void load() { loadEvent(); }
    void focusFirstControl();
    void takePlaceOfPreviousPage();
    void notePlace();

    PageHolder* slot_ = nullptr;
    QPointer<QWidget> firstFocus_;
    MousePointer mousePointer_ = MousePointer::Default;
    bool shownBefore_ = false;
    bool unloaded_ = false;
    bool sizable_ = false;
    bool nextPageCentred_ = false;
};

// What F1 on any page opens: the program's help, which the desktop sets up.
void setHelpAction(std::function<void()> action);

}  // namespace forms
