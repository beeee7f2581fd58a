#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "infowindows/frm_about_controls.h"
#include "tests/contract/shared_harness_contract.h"

// The contract of the About window's controls, FrmAboutControls: what frmAbout's handlers rely
// on. The same tests run against the fake in the unit tests and against the real window under
// Win32; each program instantiates the suite with a harness of its own:
//
//   INSTANTIATE_TEST_SUITE_P(Fake, FrmAboutControlsContract, ::testing::Values(&MakeHarness));
namespace verbalo::contract {

// The window behind the controls, and what the interface itself cannot read back.
class FrmAboutHarness {
  public:
    using Label = FrmAboutControls::Label;
    using Position = FrmAboutControls::Position;
    using Twips = platform::Twips;
    struct Size {
        Twips width = 0;
        Twips height = 0;
    };

    virtual ~FrmAboutHarness() = default;

    // The controls of a loaded window: one that was unloaded is loaded again first.
    virtual FrmAboutControls& Controls() = 0;
    virtual bool IsLoaded() const = 0;

    virtual std::string Caption() const = 0;
    virtual std::string LabelText(Label label) const = 0;
    // The window's top-left corner on the screen, and its outer size.
    virtual Position WindowPosition() const = 0;
    virtual Size WindowSize() const = 0;
    // Moves the main window's top-left corner.
    virtual void PlaceMainWindow(Position corner) = 0;
    // The twips of one screen pixel: how near a position can come to the one asked for.
    virtual Twips Pixel() const = 0;
};

using FrmAboutHarnessFactory = std::unique_ptr<FrmAboutHarness> (*)();

class FrmAboutControlsContract : public SharedHarnessContract<FrmAboutHarness> {};

}  // namespace verbalo::contract
