#include "RealtimeGuard.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <pthread.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
 #define VELTO_SANITIZER_BUILD 1
#else
 #define VELTO_SANITIZER_BUILD 0
#endif

namespace
{
// Counted only while a guard is alive on this thread. Plain thread_local
// ints in the executable live in static TLS, so touching them never allocates.
thread_local bool armed = false;
thread_local int allocationCount = 0;
thread_local int freeCount = 0;
thread_local int lockCount = 0;

inline void countAllocation() noexcept
{
    if (armed)
        ++allocationCount;
}

inline void countFree (const volatile void* p) noexcept
{
    if (armed && p != nullptr)
        ++freeCount;
}

inline void countLock() noexcept
{
    if (armed)
        ++lockCount;
}
} // namespace

#if VELTO_SANITIZER_BUILD

// The sanitizers own malloc; they call these hooks for every allocation and
// free, whichever interface (malloc, operator new, aligned forms) made it.
extern "C" int __sanitizer_install_malloc_and_free_hooks (void (*) (const volatile void*, size_t),
                                                         void (*) (const volatile void*));

namespace
{
void onMalloc (const volatile void*, size_t) { countAllocation(); }
void onFree (const volatile void* p) { countFree (p); }

[[maybe_unused]] const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks (onMalloc, onFree);
} // namespace

#else

// glibc exports its allocator under these names so that a program can define
// malloc and friends itself. Definitions in the executable take precedence
// over libc's for every library in the process; operator new in libstdc++
// allocates through malloc and is counted here too.
extern "C"
{
void* __libc_malloc (size_t);
void* __libc_calloc (size_t, size_t);
void* __libc_realloc (void*, size_t);
void* __libc_memalign (size_t, size_t);
void* __libc_valloc (size_t);
void* __libc_pvalloc (size_t);
void __libc_free (void*);

void* malloc (size_t size)
{
    countAllocation();
    return __libc_malloc (size);
}

void* calloc (size_t count, size_t size)
{
    countAllocation();
    return __libc_calloc (count, size);
}

void* realloc (void* p, size_t size)
{
    countAllocation();
    return __libc_realloc (p, size);
}

void* memalign (size_t alignment, size_t size)
{
    countAllocation();
    return __libc_memalign (alignment, size);
}

void* aligned_alloc (size_t alignment, size_t size)
{
    countAllocation();
    return __libc_memalign (alignment, size);
}

int posix_memalign (void** out, size_t alignment, size_t size)
{
    countAllocation();

    if (alignment % sizeof (void*) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;

    void* p = __libc_memalign (alignment, size);

    if (p == nullptr)
        return ENOMEM;

    *out = p;
    return 0;
}

void* valloc (size_t size)
{
    countAllocation();
    return __libc_valloc (size);
}

void* pvalloc (size_t size)
{
    countAllocation();
    return __libc_pvalloc (size);
}

void free (void* p)
{
    countFree (p);
    __libc_free (p);
}
}

#endif

#if ! VELTO_SANITIZER_BUILD

// libc's own entry points, under the compatibility names it still exports,
// so the counting versions below can forward without a dlsym look-up.
extern "C" int velto_libc_mutex_lock (pthread_mutex_t*);
extern "C" int velto_libc_mutex_trylock (pthread_mutex_t*);
extern "C" int velto_libc_rwlock_rdlock (pthread_rwlock_t*);
extern "C" int velto_libc_rwlock_wrlock (pthread_rwlock_t*);
__asm__ (".symver velto_libc_mutex_lock, __pthread_mutex_lock@GLIBC_2.2.5");
__asm__ (".symver velto_libc_mutex_trylock, __pthread_mutex_trylock@GLIBC_2.2.5");
__asm__ (".symver velto_libc_rwlock_rdlock, __pthread_rwlock_rdlock@GLIBC_2.2.5");
__asm__ (".symver velto_libc_rwlock_wrlock, __pthread_rwlock_wrlock@GLIBC_2.2.5");

// std::mutex, juce::CriticalSection, juce::WaitableEvent and std::shared_mutex
// all end up in one of these.
extern "C"
{
int pthread_mutex_lock (pthread_mutex_t* m)
{
    countLock();
    return velto_libc_mutex_lock (m);
}

int pthread_mutex_trylock (pthread_mutex_t* m)
{
    countLock();
    return velto_libc_mutex_trylock (m);
}

int pthread_rwlock_rdlock (pthread_rwlock_t* l)
{
    countLock();
    return velto_libc_rwlock_rdlock (l);
}

int pthread_rwlock_wrlock (pthread_rwlock_t* l)
{
    countLock();
    return velto_libc_rwlock_wrlock (l);
}
}

#endif

RealtimeGuard::RealtimeGuard() noexcept
{
    allocationCount = freeCount = lockCount = 0;
    armed = true;
}

RealtimeGuard::~RealtimeGuard()
{
    armed = false;
}

int RealtimeGuard::allocations() const noexcept { return allocationCount; }
int RealtimeGuard::frees() const noexcept { return freeCount; }
int RealtimeGuard::locks() const noexcept { return lockCount; }

bool RealtimeGuard::canCountLocks() noexcept
{
    return ! VELTO_SANITIZER_BUILD;
}
