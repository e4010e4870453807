// The operations whose cost the benchmark and the instruction counter measure, one call each.
#pragma once

struct CostCase {
    const char* name;
    void (*run)(); // performs the operation once
};

// The cases, in the order in which they are reported.
extern const CostCase CostCases[];
extern const int COST_CASE_COUNT;

// Sets up what the cases need (the stand-in editor window and colour dialog); call once before any case.
void SetUpCostCases();
