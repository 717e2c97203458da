#pragma once

// Number of heap allocations made by the process so far. Every allocation goes
// through malloc, calloc or realloc (Qt's containers call them directly,
// operator new calls malloc): the benchmarks count them by interposing the C
// library's functions.
long NombreAllocations();
