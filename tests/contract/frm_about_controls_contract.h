#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "infowindows/frm_about_controls.h"
#include "tests/contract/shared_harness_contract.h"

// The contract of the About window's controls, FrmAboutControls: what frmAbout's handlers rely
// on.
namespace verbalo::contract {

class FrmAboutHarness : public WindowHarness<FrmAboutControls> {
  public:
    using Position = FrmAboutControls::Position;
    struct Size {
        Twips width = 0;
        Twips height = 0;
    };

    virtual std::string Caption() const = 0;
    virtual std::string LabelText(Label label) const = 0;
    // The window's top-left corner on the screen, and its outer size.
    virtual Position WindowPosition() const = 0;
    virtual Size WindowSize() const = 0;
    // Moves the main window's top-left corner.
    virtual void PlaceMainWindow(Position corner) = 0;
};

using FrmAboutHarnessFactory = std::unique_ptr<FrmAboutHarness> (*)();

class FrmAboutControlsContract : public SharedHarnessContract<FrmAboutHarness> {};

}  // namespace verbalo::contract
