#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "infowindows/inf_talvo_controls.h"
#include "tests/contract/shared_harness_contract.h"

// The contract of the producer window's controls, InfTalvoControls: what InfTalvo's handlers
// rely on. The same tests run against the fake in the unit tests and against the real window
// under Win32; each program instantiates the suite with a harness of its own:
//
//   INSTANTIATE_TEST_SUITE_P(Fake, InfTalvoControlsContract, ::testing::Values(&MakeHarness));
namespace verbalo::contract {

// The window behind the controls, and what the interface itself cannot read back.
class InfTalvoHarness {
  public:
    using Label = InfTalvoControls::Label;
    using Twips = platform::Twips;
    struct Corner {
        Twips left = 0;
        Twips top = 0;
    };
    // How a label's text is drawn.
    struct Look {
        double points = 0;
        bool bold = false;
        bool underline = false;
    };

    virtual ~InfTalvoHarness() = default;

    // The controls of a loaded window: one that was unloaded is loaded again first.
    virtual InfTalvoControls& Controls() = 0;
    virtual bool IsLoaded() const = 0;

    // The window's top-left corner on the screen.
    virtual Corner WindowCorner() const = 0;
    virtual Look LabelLook(Label label) const = 0;
    // The twips of one screen pixel: how near a position or size can come to the one asked for.
    virtual Twips Pixel() const = 0;
};

using InfTalvoHarnessFactory = std::unique_ptr<InfTalvoHarness> (*)();

class InfTalvoControlsContract : public SharedHarnessContract<InfTalvoHarness> {};

}  // namespace verbalo::contract
