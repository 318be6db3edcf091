#include "platform/PageSlot.h"

#include <algorithm>
#include <vector>

namespace forms {
namespace {

std::vector<PageSlotBase*>& allSlots() {
    static std::vector<PageSlotBase*> registered;
    return registered;
}

}  // namespace

PageSlotBase::PageSlotBase() {
    allSlots().push_back(this);
}

PageSlotBase::PageSlotBase(GeometryStore store) : PageSlotBase() {
    store_ = std::move(store);
}

PageSlotBase::~PageSlotBase() {
    std::erase(allSlots(), this);
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

void discardAllPages() {
    for (PageSlotBase* slot : allSlots()) {
        slot->unload();
        slot->keptGeometry_.clear();  // the run is over
    }
}

}  // namespace forms
