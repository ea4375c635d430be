#pragma once

namespace palaver {

// How the program's memory is kept by the C library's allocator.
//
// Evaluating a line on cycle groups builds and lets go of millions of small objects per move,
// next to a few large lists. The allocator's fast bins would hold the small ones back and merge
// them whenever a large block comes and goes, which costs a fifth of such a move: they are
// turned off once, at start-up, before anything else is allocated.
void TuneAllocator();

// Once a large line has been let go (New, Open), the memory it held is given back to the
// system: the allocator would otherwise keep it for the rest of the run.
void ReturnFreeMemory();

}  // namespace palaver
