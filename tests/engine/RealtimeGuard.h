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

    // False where the lock count is unavailable: ThreadSanitizer intercepts
    // pthread_mutex_lock itself, and a second interposer would hide locks
    // from it.
    static bool canCountLocks() noexcept;
};
