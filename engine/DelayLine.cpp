#include "DelayLine.h"

#include <algorithm>
#include <cstring>

DelayLine::DelayLine()
    : buffer (new float[ringSize]())
{
}

DelayLine::~DelayLine()
{
    delete[] buffer;
}

void DelayLine::setTargetDelay (int samples) noexcept
{
    targetDelay = samples < minDelay ? minDelay : (samples > maxDelay ? maxDelay : samples);
}

namespace
{
// Copies n samples into the ring from slot `start` on, wrapping at its end.
void writeRing (float* ring, uint32_t start, const float* in, int n) noexcept
{
    const auto first = std::min<uint32_t> ((uint32_t) n, (uint32_t) DelayLine::ringSize - start);
    std::memcpy (ring + start, in, first * sizeof (float));
    std::memcpy (ring, in + first, ((uint32_t) n - first) * sizeof (float));
}

void readRing (const float* ring, uint32_t start, float* out, int n) noexcept
{
    const auto first = std::min<uint32_t> ((uint32_t) n, (uint32_t) DelayLine::ringSize - start);
    std::memcpy (out, ring + start, first * sizeof (float));
    std::memcpy (out + first, ring, ((uint32_t) n - first) * sizeof (float));
}
} // namespace

void DelayLine::processBlock (const float* in, float* out, int n) noexcept
{
    // With a steady delay d, sample k reads what sample k - d wrote. Writing
    // the whole stretch first is safe while no write wraps round onto a slot
    // that an earlier sample of the stretch still has to read: n <= ring - d.
    if (currentDelay != targetDelay || n > ringSize - currentDelay)
    {
        for (int k = 0; k < n; ++k)
            out[k] = processSample (in[k]);

        return;
    }

    if (n <= 0)
        return;

    uint32_t start = writePos + 1;

    if (start == (uint32_t) ringSize)
        start = 0;

    writeRing (buffer, start, in, n);

    uint32_t readStart = start + (uint32_t) (ringSize - currentDelay);

    if (readStart >= (uint32_t) ringSize)
        readStart -= (uint32_t) ringSize;

    readRing (buffer, readStart, out, n);

    writePos = (uint32_t) ((writePos + (uint32_t) n) % (uint32_t) ringSize);
}
