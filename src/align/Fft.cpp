#include "align/Fft.h"

#include <numbers>
#include <utility>

Fft::Fft(std::size_t size) : m_twiddle(size / 2), m_reversed(size) {
    for (std::size_t i = 0; i < size / 2; ++i)
        m_twiddle[i] =
            std::polar(1.0F, static_cast<float>(-2 * std::numbers::pi * static_cast<double>(i) /
                                                static_cast<double>(size)));
    for (std::size_t i = 0, j = 0; i < size; ++i) {
        m_reversed[i] = j;
        std::size_t bit = size >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j |= bit;
    }
}

void Fft::run(std::vector<std::complex<float>>& x, bool inverse) const {
    const std::size_t n = size();
    for (std::size_t i = 0; i < n; ++i)
        if (i < m_reversed[i])
            std::swap(x[i], x[m_reversed[i]]);
    for (std::size_t span = 2; span <= n; span <<= 1) {
        const std::size_t step = n / span;
        for (std::size_t start = 0; start < n; start += span)
            for (std::size_t k = 0; k < span / 2; ++k) {
                const std::complex<float> w =
                    inverse ? std::conj(m_twiddle[k * step]) : m_twiddle[k * step];
                const std::complex<float> t = w * x[start + k + span / 2];
                x[start + k + span / 2] = x[start + k] - t;
                x[start + k] += t;
            }
    }
}
