#pragma once

#include "platform/types.h"

namespace verbalo {

// The producer window InfTalvo as the launcher sees it: the owner of the programs it starts.
class ProducerWindowHandleSource {
  public:
    virtual ~ProducerWindowHandleSource() = default;

    // The window's handle. A window not loaded yet is loaded first, without being shown, which
    // runs InfTalvo::Form_Load.
    virtual platform::WindowHandle HandleLoadingIfNeeded() = 0;
};

// The producer window as the About window opens it.
class ProducerWindowOpener {
  public:
    virtual ~ProducerWindowOpener() = default;

    // Shows InfTalvo modally, with no owner named, and returns when it has been closed.
    virtual void ShowProducerWindowModally() = 0;
};

}  // namespace verbalo
