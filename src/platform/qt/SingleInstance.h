#pragma once

// Whether another copy of the program is running for this user. The first caller takes a lock
// that it holds for the life of the process; the system frees it when the process ends, also
// when it is killed.
bool AnotherInstanceIsRunning();

// Tests use a lock file of their own; "" restores the default. Either lets go of a lock that
// is held, so that the next test can take one again.
void SetInstanceLockPathForTesting(const char* path);
