#pragma once

#include "support/GlobalStateGuard.h"

// The guard of the test programs that open windows: besides what GlobalStateGuard puts back,
// a test that leaves the modal-window hook installed or a window loaded fails (the guard then
// removes them), and the single-instance lock goes back to its own path.
class QtStateGuard : public GlobalStateGuard {
  public:
    void OnTestEnd(const ::testing::TestInfo& test) override;
};
