#include "match/seeded_order.h"

#include <random>
#include <utility>

std::uint64_t seededPick(std::uint64_t draw, std::uint64_t bound) {
    return bound == 0 ? 0 : draw % bound;
}

std::vector<int> seededOrder(int n, bool shuffle, std::uint64_t seed) {
    std::vector<int> order;
    for (int i = 0; i < n; ++i) order.push_back(i);
    if (!shuffle) return order;
    std::mt19937_64 generator(seed);
    for (int i = n - 1; i > 0; --i) {
        const auto j = static_cast<std::size_t>(seededPick(generator(), static_cast<std::uint64_t>(i) + 1));
        std::swap(order[static_cast<std::size_t>(i)], order[j]);
    }
    return order;
}
