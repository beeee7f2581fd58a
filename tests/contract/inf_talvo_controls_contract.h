#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "infowindows/inf_talvo_controls.h"
#include "tests/contract/shared_harness_contract.h"

// The contract of the producer window's controls, InfTalvoControls: what InfTalvo's handlers
// rely on.
namespace verbalo::contract {

class InfTalvoHarness : public WindowHarness<InfTalvoControls> {
  public:
    // How a label's text is drawn.
    struct Look {
        double points = 0;
        bool bold = false;
        bool underline = false;
    };

    virtual Look LabelLook(Label label) const = 0;
};

using InfTalvoHarnessFactory = std::unique_ptr<InfTalvoHarness> (*)();

class InfTalvoControlsContract : public SharedHarnessContract<InfTalvoHarness> {};

}  // namespace verbalo::contract
