#include "app/core/MemoryTuning.h"

#include <malloc.h>

namespace plk {

void keepLargeBlocksForReuse()
{
    constexpr int kMiB = 1024 * 1024;
    // Fixed thresholds: glibc no longer adapts them, so a block of 16 MiB stays below.
    mallopt(M_MMAP_THRESHOLD, 32 * kMiB);
    mallopt(M_TRIM_THRESHOLD, 64 * kMiB);
}

}  // namespace plk
