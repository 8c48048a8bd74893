#pragma once

// Counts heap allocations, frees and mutex locks made by the calling thread
// while a guard is alive. The test binary that links RealtimeGuard.cpp
// replaces the C allocator and pthread_mutex_lock with counting versions
// (in sanitizer builds the sanitizer's allocator hooks count instead), so
// allocations made anywhere in the process, JUCE and the C++ library
// included, are seen. Only the thread that made the guard is counted.
class RealtimeGuard
{
public:
    RealtimeGuard() noexcept;
    ~RealtimeGuard();

    RealtimeGuard (const RealtimeGuard&) = delete;
    RealtimeGuard& operator= (const RealtimeGuard&) = delete;

    int allocations() const noexcept;
    int frees() const noexcept;
    int locks() const noexcept;

    // False in sanitizer builds: the sanitizers intercept the pthread lock
    // functions themselves, and a second interposer in front of theirs breaks
    // them. The plain build counts locks.
    static bool canCountLocks() noexcept;
};
