#pragma once

#include "platform/core/BinaryFile.h"

// Makes the disk fail as the faults say while it lives.
class WriteFaultScope {
  public:
    explicit WriteFaultScope(const WriteFaults& faults) { SetWriteFaultsForTesting(faults); }
    ~WriteFaultScope() { SetWriteFaultsForTesting({}); }
    WriteFaultScope(const WriteFaultScope&) = delete;
    WriteFaultScope& operator=(const WriteFaultScope&) = delete;
};
