#pragma once
// Counts the heap allocations of the test program: the global allocation
// functions are replaced (once, for the whole binary) by ones that forward to
// malloc and count while counting is on.
namespace testsupport {

// Sets the count to 0 and starts counting.
void StartCountingAllocations();
// Stops counting; returns the allocations made since the start.
long StopCountingAllocations();

}  // namespace testsupport
