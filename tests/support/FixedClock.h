#pragma once

#include "link/LocalClock.h"

namespace velnar::testing {

// A local clock that shows whatever time the test sets.
class FixedClock final : public link::LocalClock {
public:
    link::LocalDateTime now;
    link::LocalDateTime Now() const override { return now; }
};

}  // namespace velnar::testing
