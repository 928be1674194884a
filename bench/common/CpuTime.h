#pragma once

#include <sys/resource.h>

namespace velnar::bench {

// Processor time used, user and system, in seconds: of this process, or of
// the child processes that have ended and been waited for.
inline double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double ProcessCpuSeconds()
{
    return CpuSeconds(RUSAGE_SELF);
}

inline double ChildrenCpuSeconds()
{
    return CpuSeconds(RUSAGE_CHILDREN);
}

}  // namespace velnar::bench
