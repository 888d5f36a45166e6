#pragma once

#include <cstddef>

namespace kermit_test {

// How many times operator new has run in this test program so far, so that a
// test can show that some work does not allocate in step with its input.
std::size_t AllocationCount();

}  // namespace kermit_test
