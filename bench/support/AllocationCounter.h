#pragma once

// Number of heap allocations made by the process so far. Every allocation goes
// through malloc, calloc or realloc (Qt's containers call them directly,
// operator new calls malloc): the benchmarks count them by interposing the C
// library's functions.
long NombreAllocations();

// Bytes the heap holds now, and the most it held since RemettrePicOctets:
// the memory benchmarks give the peak of one call per unit of its work.
long long OctetsAlloues();
long long PicOctets();
void RemettrePicOctets();
