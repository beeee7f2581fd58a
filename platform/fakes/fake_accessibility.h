#pragma once

#include <set>
#include <vector>

#include "platform/accessibility.h"

namespace verbalo::platform {

// Records what the program tells screen readers.
class FakeAccessibility : public Accessibility {
  public:
    void MarkLiveRegion(WindowHandle control) override { liveRegions.insert(control); }
    void LiveRegionChanged(WindowHandle control) override { changes.push_back(control); }
    void MarkLink(WindowHandle control) override { links.insert(control); }
    void Forget(WindowHandle control) override {
        liveRegions.erase(control);
        links.erase(control);
    }

    std::set<WindowHandle> liveRegions;
    std::vector<WindowHandle> changes;  // in the order announced
    std::set<WindowHandle> links;
};

}  // namespace verbalo::platform
