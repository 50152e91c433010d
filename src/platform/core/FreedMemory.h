#pragma once

// Hands memory that the program has freed back to the system. A released scenario leaves
// hundreds of megabytes of small freed blocks that the allocator would otherwise keep, so that
// the program stayed at its peak after closing or reopening the largest scenario.
void ReturnFreedMemoryToSystem();
