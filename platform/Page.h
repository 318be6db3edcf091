#pragma once

#include <QString>
#include <QWidget>

#include "search/ResultsView.h"

namespace forms {

class PageSlotBase;

// One window of the wizard. A page is made, and its load step run, by its program-wide slot
// (PageSlot); it is then shown and hidden any number of times and finally unloaded, which
// destroys it and empties the slot. Layout values are twips within the inner area.
class Page : public QWidget {
    Q_OBJECT

public:
    ~Page() override;

    // Shows the page, not modal. The first display lays it out and gives the focus to the first
    // control in the tab order. Hiding it (hide()) keeps its controls and entries.
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

    // Lets the user resize the window (pages are fixed in size otherwise).
    void setSizable();

    // Runs once, when the page's slot has made it, before it is first shown.
    virtual void loadEvent() {}

    // The window's own close button ends the program, as the pages' Cancel does.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class PageSlotBase;
    void load() { loadEvent(); }
    void focusFirstControl();

    PageSlotBase* slot_ = nullptr;
    MousePointer mousePointer_ = MousePointer::Default;
    bool shownBefore_ = false;
    bool unloaded_ = false;
};

}  // namespace forms
