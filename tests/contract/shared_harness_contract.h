#pragma once

#include <gtest/gtest.h>

#include <memory>

namespace verbalo::contract {

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
