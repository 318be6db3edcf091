#pragma once

#include <QByteArray>
#include <QPointer>
#include <functional>

#include "platform/Page.h"

namespace forms {

// Where a sizable page's size and place are kept from one run to the next.
struct GeometryStore {
    std::function<QByteArray()> read;  // empty when none is kept
    std::function<void(const QByteArray&)> write;
};

// The one program-wide place of a page. It is empty until the page is first used; using it
// then creates and loads the page. Unloading the page empties the slot again, so the next use
// creates a fresh page with fresh controls.
class PageSlotBase {
public:
    PageSlotBase();
    // A sizable page opens in its first run with the size and place the last run left it with.
    explicit PageSlotBase(GeometryStore store);
    virtual ~PageSlotBase();
    PageSlotBase(const PageSlotBase&) = delete;
    PageSlotBase& operator=(const PageSlotBase&) = delete;

    bool isLoaded() const { return page_ != nullptr; }
    Page* current() const { return page_; }

    // Unloads the page in the slot, if any.
    void unload();

protected:
    // Puts a freshly made page into the slot, unloading any page it held, then loads it.
    void fill(Page* fresh);

private:
    friend class Page;
    friend void discardAllPages();
    void release(Page* page);

    QPointer<Page> page_;
    // The size and place a sizable page was last left with: its next making opens with them.
    QByteArray keptGeometry_;
    GeometryStore store_;
};

template <class PageType>
class PageSlot : public PageSlotBase {
public:
    using PageSlotBase::PageSlotBase;

    // The page, created and loaded on first use.
    PageType& get() {
        if (!isLoaded()) {
            fill(new PageType);
        }
        return static_cast<PageType&>(*current());
    }

    // A new page in place of whatever the slot held, loaded but not shown.
    PageType& replaceWithNew() {
        fill(new PageType);
        return static_cast<PageType&>(*current());
    }

    PageType* loaded() const { return static_cast<PageType*>(current()); }
};

// Ending the program: every loaded page is hidden at once and deleted once control returns to
// the event loop (or at the next flush of deferred deletes); every slot is empty afterwards and
// keeps no size or place.
void discardAllPages();

}  // namespace forms
