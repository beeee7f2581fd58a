#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/accessibility.h"

namespace verbalo::platform {

// Records what the program tells screen readers.
class FakeAccessibility : public Accessibility {
  public:
    void MarkLiveRegion(WindowHandle control) override { liveRegions.insert(control); }
    void LiveRegionChanged(WindowHandle control) override { changes.push_back(control); }
    void MarkLink(WindowHandle control) override { links.insert(control); }
    void NamePicture(WindowHandle control, std::string_view name) override {
        pictureNames[control] = std::string(name);
    }
    void Forget(WindowHandle control) override {
        liveRegions.erase(control);
        links.erase(control);
        pictureNames.erase(control);
    }

    std::set<WindowHandle> liveRegions;
    std::vector<WindowHandle> changes;  // in the order announced
    std::set<WindowHandle> links;
    std::map<WindowHandle, std::string> pictureNames;
};

}  // namespace verbalo::platform
