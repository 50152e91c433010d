#include "support/GlobalStateGuard.h"

// The main of the test programs of the layers without Qt: no application object, no windows.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, so that its failures are printed with the test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalStateGuard);
    return RUN_ALL_TESTS();
}
