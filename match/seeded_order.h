// The order a seed gives n things: 0..n-1 as they are, or shuffled by a
// Fisher-Yates walk over a 64-bit Mersenne twister, whose numbers the C++
// standard fixes, so every machine shuffles alike.
#pragma once

#include <cstdint>
#include <vector>

std::vector<int> seededOrder(int n, bool shuffle, std::uint64_t seed);

// A number in 0..bound-1 from the generator's next output, the same on
// every machine (no distribution object, whose results the standard leaves open).
std::uint64_t seededPick(std::uint64_t draw, std::uint64_t bound);
