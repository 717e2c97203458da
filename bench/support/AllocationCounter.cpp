#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>

#include <malloc.h>

namespace {
std::atomic<long> gAllocations{0};
std::atomic<long long> gOctets{0};
std::atomic<long long> gPic{0};

void Compter(void* p)
{
    if (!p)
        return;
    const long long octets = gOctets.fetch_add(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed)
                             + static_cast<long long>(malloc_usable_size(p));
    long long pic = gPic.load(std::memory_order_relaxed);
    while (octets > pic && !gPic.compare_exchange_weak(pic, octets, std::memory_order_relaxed)) {
    }
}

void Decompter(void* p)
{
    if (p)
        gOctets.fetch_sub(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
}
} // namespace

long NombreAllocations() { return gAllocations.load(); }
long long OctetsAlloues() { return gOctets.load(); }
long long PicOctets() { return gPic.load(); }
void RemettrePicOctets() { gPic.store(gOctets.load()); }

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);

void* malloc(std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    void* p = __libc_malloc(size);
    Compter(p);
    return p;
}
void* calloc(std::size_t count, std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    void* p = __libc_calloc(count, size);
    Compter(p);
    return p;
}
void* realloc(void* p, std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    Decompter(p);
    void* nouveau = __libc_realloc(p, size);
    // A failed realloc leaves the old block in place.
    Compter(nouveau ? nouveau : (size != 0 ? p : nullptr));
    return nouveau;
}
void free(void* p)
{
    Decompter(p);
    __libc_free(p);
}
}
