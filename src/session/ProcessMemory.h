#pragma once

// PALAVER_ADDRESS_SANITIZER is 1 in a build with the address sanitizer, whose allocator takes the
// place of the C library's (and whose leak check wants everything freed at the end), else 0.
#if defined(__SANITIZE_ADDRESS__)
#define PALAVER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PALAVER_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef PALAVER_ADDRESS_SANITIZER
#define PALAVER_ADDRESS_SANITIZER 0
#endif

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
