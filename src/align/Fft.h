#pragma once

#include <complex>
#include <cstddef>
#include <vector>

// A radix-2 transform of a fixed power-of-two size, in place; the inverse leaves out the 1/n.
class Fft {
public:
    explicit Fft(std::size_t size);
    std::size_t size() const { return m_reversed.size(); }
    void run(std::vector<std::complex<float>>& values, bool inverse) const;

private:
    std::vector<std::complex<float>> m_twiddle;
    std::vector<std::size_t> m_reversed;
};
