#pragma once

// Counts every heap allocation of the measuring program, whichever library makes it: malloc and
// its relatives are replaced for the whole process and hand the work to the C library's own.
namespace measure {
long Allocations();
} // namespace measure
