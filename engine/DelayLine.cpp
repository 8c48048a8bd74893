#include "DelayLine.h"

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
