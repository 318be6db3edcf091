#pragma once

#include <QByteArray>
#include <QPointer>
#include <functional>
#include <utility>

#include "forms/Page.h"

namespace forms {

// Where a sizable page's size and place are kept from one run to the next.
struct GeometryStore {
    std::function<QByteArray()> read;  // empty when none is kept
    std::function<void(const QByteArray&)> write;
};

// The one program-wide place of a page. It is empty until the page is first used; using it
// then creates and loads the page. Unloading the page empties the slot again, so the next use
// creates a fresh page with fresh controls.
class PageSlotBase : private PageHolder {
public:
    virtual ~PageSlotBase();
    PageSlotBase(const PageSlotBase&) = delete;
    PageSlotBase& operator=(const PageSlotBase&) = delete;

    bool isLoaded() const { return page_ != nullptr; }
    Page* current() const { return page_; }

    // The page, created and loaded on first use. Code that only shows a page needs no more
    // than this, and so need not know the page's class.
    Page& page();
    // A new page in place of whatever the slot held, loaded but not shown.
    Page& replaceWithNewPage();

    // Unloads the page in the slot, if any.
    void unload();

protected:
    using Maker = Page* (*)();
    // A sizable page opens in its first run with the size and place the last run left it with,
    // where the store keeps them.
    explicit PageSlotBase(Maker make, GeometryStore store = {});

private:
    friend void discardAllPages();
    // Puts a freshly made page into the slot, unloading any page it held, then loads it.
    void fill(Page* fresh);
    void release(Page* page) override;
    QByteArray keptGeometry() override;
    void keepGeometry(const QByteArray& geometry) override;

    Maker make_;
    QPointer<Page> page_;
    // The size and place a sizable page was last left with: its next making opens with them.
    QByteArray keptGeometry_;
    GeometryStore store_;
};

template <class PageType>
class PageSlot : public PageSlotBase {
public:
    explicit PageSlot(GeometryStore store = {}) : PageSlotBase(&make, std::move(store)) {}

    // The page, created and loaded on first use.
    PageType& get() { return static_cast<PageType&>(page()); }

    // A new page in place of whatever the slot held, loaded but not shown.
    PageType& replaceWithNew() { return static_cast<PageType&>(replaceWithNewPage()); }

    PageType* loaded() const { return static_cast<PageType*>(current()); }

private:
    static Page* make() { return new PageType; }
};

// Ending the program: every loaded page is hidden at once and deleted once control returns to
// the event loop (or at the next flush of deferred deletes); every slot is empty afterwards and
// keeps no size or place.
void discardAllPages();

}  // namespace forms
