#pragma once

#include <cstdint>

#include "link/Pacer.h"

namespace velnar::testing {

// A pacer whose milliseconds pass at once: tests see exactly how long the
// link waited, without waiting.
class VirtualClock final : public link::Pacer {
public:
    void WaitOneMillisecond() override { ++now_; }
    std::int64_t Now() const { return now_; }

private:
    std::int64_t now_ = 0;
};

}  // namespace velnar::testing
