#pragma once

#include <cstdint>
#include <limits>
#include <random>
#include <span>

namespace bunrako::cli::demo {

// The demo's source of chance. The engine's sequence is fixed by the
// language for a given seed; the distributions are worked out here, since
// those of the standard library differ between library vendors. So a seed
// gives the same office on every platform.
class DemoRandom {
  public:
    explicit DemoRandom(uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, bound); 0 for a bound of 0. Draws that would favour the
    // low values are thrown back.
    uint32_t below(uint32_t bound) {
        if (bound <= 1) return 0;
        constexpr uint32_t kMax = std::numeric_limits<uint32_t>::max();
        const uint32_t limit = kMax - kMax % bound;
        uint32_t draw = 0;
        do {
            draw = static_cast<uint32_t>(m_engine());
        } while (draw >= limit);
        return draw % bound;
    }

    // Uniform in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<uint32_t>(high - low + 1)));
    }

    // True in `percent` cases out of a hundred.
    bool chance(int percent) { return below(100) < static_cast<uint32_t>(percent); }

    template <typename T>
    const T& pick(std::span<const T> items) {
        return items[below(static_cast<uint32_t>(items.size()))];
    }

    // An index drawn in proportion to the weights (all zero: 0).
    size_t weighted(std::span<const int> weights) {
        uint32_t total = 0;
        for (const int weight : weights) total += static_cast<uint32_t>(weight);
        uint32_t draw = below(total);
        for (size_t i = 0; i < weights.size(); ++i) {
            const auto weight = static_cast<uint32_t>(weights[i]);
            if (draw < weight) return i;
            draw -= weight;
        }
        return 0;
    }

  private:
    std::mt19937 m_engine;
};

}  // namespace bunrako::cli::demo
