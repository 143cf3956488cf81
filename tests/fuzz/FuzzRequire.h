// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

namespace qv::fuzz {

// A broken promise of the code under test: the fuzzer reports it as a crash with its input.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace qv::fuzz
