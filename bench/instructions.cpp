// Instruction counter: run under valgrind's callgrind (see bench/callgrind), it dumps the instructions
// spent on a number of calls (the argument, default 1000) of each measured operation, one profile per case
// named after the case.
#include "bench/cases.h"

#include <stdlib.h>

#include <valgrind/callgrind.h>

int main(int argc, char** argv)
{
    const int calls = argc > 1 ? atoi(argv[1]) : 1000;
    SetUpCostCases();
    // An empty operation: what the loop and the call through a pointer cost by themselves.
    const CostCase baseline = {"call_overhead", [] {}};
    for (int i = -1; i < COST_CASE_COUNT; i++) {
        const CostCase& c = i < 0 ? baseline : CostCases[i];
        c.run(); // once beforehand, so that first-call work (symbol binding) is not counted
        CALLGRIND_TOGGLE_COLLECT;
        for (int call = 0; call < calls; call++)
            c.run();
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT(c.name);
    }
    return 0;
}
