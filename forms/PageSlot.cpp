#include "forms/PageSlot.h"

#include <algorithm>
#include <vector>

#include "forms/App.h"

namespace forms {
namespace {

std::vector<PageSlotBase*>& allSlots() {
    static std::vector<PageSlotBase*> registered = [] {
        // Only the slots know every page, so the first one tells the end of the program to
        // discard them all.
        setPageDiscarding(discardAllPages);
        return std::vector<PageSlotBase*>{};
    }();
    return registered;
}

}  // namespace

PageSlotBase::PageSlotBase(Maker make, GeometryStore store)
    : make_(make), store_(std::move(store)) {
    allSlots().push_back(this);
}

PageSlotBase::~PageSlotBase() {
    std::erase(allSlots(), this);
}

Page& PageSlotBase::page() {
    if (!isLoaded()) {
        fill(make_());
    }
    return *page_;
}

Page& PageSlotBase::replaceWithNewPage() {
    fill(make_());
    return *page_;
}

void PageSlotBase::unload() {
    if (page_) {
        page_->unload();
    }
}

void PageSlotBase::fill(Page* fresh) {
    unload();
    page_ = fresh;
    fresh->slot_ = this;
    // The slot is filled before the load step runs: a page may show itself while loading.
    fresh->load();
}

void PageSlotBase::release(Page* page) {
    if (page_ == page) {
        page_ = nullptr;
    }
}

QByteArray PageSlotBase::keptGeometry() {
    if (keptGeometry_.isEmpty() && store_.read) {
        keptGeometry_ = store_.read();
    }
    return keptGeometry_;
}

void PageSlotBase::keepGeometry(const QByteArray& geometry) {
    keptGeometry_ = geometry;
    if (store_.write) {
        store_.write(keptGeometry_);
    }
}

void discardAllPages() {
    for (PageSlotBase* slot : allSlots()) {
        slot->unload();
        slot->keptGeometry_.clear();  // the run is over
    }
}

}  // namespace forms
