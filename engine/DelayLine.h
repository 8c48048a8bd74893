#pragma once

#include <cstdint>

// A ring of 16000 samples with a whole-sample delay that glides towards its
// target by at most one sample per sample, without interpolation.
class DelayLine
{
public:
    static constexpr int ringSize = 16000;
    static constexpr int minDelay = 1;
    static constexpr int maxDelay = ringSize - 1;

    DelayLine();
    ~DelayLine();

    DelayLine (const DelayLine&) = delete;
    DelayLine& operator= (const DelayLine&) = delete;

    // One step: stores `in` and returns the sample written currentDelay steps ago.
    inline float processSample (float in) noexcept
    {
        if (targetDelay < currentDelay)
            --currentDelay;

        if (targetDelay > currentDelay)
            ++currentDelay;

        // writePos is the running write count reduced modulo the ring size;
        // the ring only ever sees it modulo 16000, so nothing else changes.
        uint32_t w = writePos + 1;

        if (w == (uint32_t) ringSize)
            w = 0;

        writePos = w;
        buffer[w] = in;

        // (count + ringSize - delay) mod ringSize, with 1 <= delay <= ringSize - 1.
        uint32_t r = w + (uint32_t) (ringSize - currentDelay);

        if (r >= (uint32_t) ringSize)
            r -= (uint32_t) ringSize;

        return buffer[r];
    }

    // Runs n samples through the line; the same result as n calls of
    // processSample, but a steady delay moves whole stretches at once.
    void processBlock (const float* in, float* out, int n) noexcept;

    // Sets the delay to glide to, kept within the ring (1 to 15999 samples).
    void setTargetDelay (int samples) noexcept;

    float* buffer;            // ring of ringSize samples, owned
    int32_t currentDelay = 1; // delay in samples now in use
    int32_t targetDelay = 1;  // delay that currentDelay glides to
    uint32_t writePos = 1;    // write count modulo ringSize
};
