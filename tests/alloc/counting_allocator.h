// Counts heap allocations made by this process while counting is on: malloc and its kin, and operator new.
#pragma once

// Starts counting from zero.
void StartCountingAllocations();
// Stops counting and returns the allocations made since StartCountingAllocations.
long StopCountingAllocations();

// The allocations that action() makes.
template <typename Action>
long AllocationsDuring(Action action)
{
    StartCountingAllocations();
    action();
    return StopCountingAllocations();
}
