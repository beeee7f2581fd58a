#pragma once

#include <string_view>

#include "platform/types.h"

namespace verbalo::platform {

// What screen readers are told beyond what the accessibility proxies find in the windows
// (names from labels, roles from the kinds of control). Every call fails softly: where the
// system cannot annotate a control, nothing more is said and the program goes on.
class Accessibility {
  public:
    virtual ~Accessibility() = default;

    // The control is a polite live region: a screen reader announces its changes when it is
    // free, without moving the focus.
    virtual void MarkLiveRegion(WindowHandle control) = 0;
    // The text of a live region has changed.
    virtual void LiveRegionChanged(WindowHandle control) = 0;
    // The control, a label, acts as a link.
    virtual void MarkLink(WindowHandle control) = 0;
    // The control, a label that shows a picture, is read by this name (UTF-8) instead of its
    // text.
    virtual void NamePicture(WindowHandle control, std::string_view name) = 0;
    // The control is going: what was said of it is withdrawn.
    virtual void Forget(WindowHandle control) = 0;
};

}  // namespace verbalo::platform
