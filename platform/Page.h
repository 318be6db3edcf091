#pragma once

#include <QString>
#include <QWidget>

namespace forms {

class PageSlotBase;

// One window of the wizard. A page is made, and its load step run, by its program-wide slot
// (PageSlot); it is then shown and hidden any number of times and finally unloaded, which
// destroys it and empties the slot. Layout values are twips within the inner area.
class Page : public QWidget {
    Q_OBJECT

public:
    static constexpr short kDefaultPointer = 0;
    static constexpr short kHourglass = 11;

    ~Page() override;

    // Shows the page, not modal. The first display raises Form_Resize and gives the focus to
    // the first control in the tab order.
    void Show();
    // Invisible; controls and entries are kept.
    void Hide();
    // Destroys the page (once control is back in the event loop, so a page may unload itself
    // from its own handler) and empties its slot at once.
    void Unload();
    // Draws the page now, before the caller goes on with work that keeps the event loop busy.
    void Refresh();

    short mousePointer() const { return mousePointer_; }
    // 0 the default pointer, 11 the hourglass. Setting the pointer the page already shows
    // costs a comparison: the search sets it on every step.
    void setMousePointer(short pointer);

    // Inner area in twips.
    int scaleWidth() const;
    int scaleHeight() const;

protected:
    Page(const QString& caption, int innerWidthTwips, int innerHeightTwips);

    // Lets the user resize the window (pages are fixed in size otherwise).
    void setSizable();

    virtual void Form_Load() {}
    virtual void Form_Resize() {}

    void resizeEvent(QResizeEvent* event) override;
    // The window's own close button ends the program, as the pages' Cancel does.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class PageSlotBase;
    void load() { Form_Load(); }
    void focusFirstControl();

    PageSlotBase* slot_ = nullptr;
    short mousePointer_ = kDefaultPointer;
    bool shownBefore_ = false;
    bool unloaded_ = false;
};

}  // namespace forms
