#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/types.h"

// The contracts of the windows' control interfaces: the same tests run against the fake in the
// unit tests and against the real window under Win32; each program instantiates a suite with a
// harness of its own:
//
//   INSTANTIATE_TEST_SUITE_P(Fake, InfTalvoControlsContract, ::testing::Values(&MakeHarness));
namespace verbalo::contract {

// The window behind a control interface, and what the interface itself cannot read back: the
// part every window's harness has.
template <class ControlInterface>
class WindowHarness {
  public:
    using Label = typename ControlInterface::Label;
    using Twips = platform::Twips;

    virtual ~WindowHarness() = default;

    // The controls of a loaded window: one that was unloaded is loaded again first.
    virtual ControlInterface& Controls() = 0;
    virtual bool IsLoaded() const = 0;
    // The twips of one screen pixel: how near a position or size can come to the one asked for.
    virtual Twips Pixel() const = 0;
};

// A contract suite over harnesses made by a factory, the parameter. One harness serves every
// test of the suite (a real window is slow to make); a new factory makes a new one.
template <class Harness>
class SharedHarnessContract : public ::testing::TestWithParam<std::unique_ptr<Harness> (*)()> {
  protected:
    using Factory = std::unique_ptr<Harness> (*)();

    static void TearDownTestSuite() {
        shared_.reset();
        factory_ = nullptr;
    }
    void SetUp() override {
        const Factory factory = this->GetParam();
        if (factory_ != factory) {
            shared_ = factory();
            factory_ = factory;
        }
    }

    Harness& harness() { return *shared_; }
    auto& controls() { return shared_->Controls(); }

  private:
    static inline std::unique_ptr<Harness> shared_;
    static inline Factory factory_ = nullptr;
};

}  // namespace verbalo::contract
