#include "util/StartupHeap.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#if defined(__linux__) && !defined(MADV_POPULATE_WRITE)
#define MADV_POPULATE_WRITE 23 // Linux 5.14
#endif

void TTasDeDemarrage::Liberation::operator()(char* bloc) const { std::free(bloc); }

TTasDeDemarrage TTasDeDemarrage::Reserver(std::size_t octets)
{
#if defined(__GLIBC__) && defined(__linux__)
    if (octets == 0)
        return {};
    // The ceilings the C library's adaptive thresholds reach by themselves:
    // blocks under 32 MB come from the heap, and the heap keeps up to 64 MB
    // free at its top instead of giving it back at once.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    auto* bloc = static_cast<char*>(std::malloc(octets));
    if (bloc == nullptr)
        return {};
    return {bloc, octets};
#else
    (void)octets;
    return {};
#endif
}

bool TTasDeDemarrage::GarnirPuisLiberer()
{
    bool garni = false;
#if defined(__linux__)
    if (bloc_) {
        const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto adresse = reinterpret_cast<std::uintptr_t>(bloc_.get());
        const std::uintptr_t debut = (adresse + page - 1) & ~(page - 1);
        const std::uintptr_t fin = (adresse + octets_) & ~(page - 1);
        if (debut < fin) {
            // The kernel supplies the pages in one call, much faster than
            // page after page; reading a byte of each then has this process
            // map them (on a virtual machine, the host's part).
            garni = madvise(reinterpret_cast<void*>(debut), fin - debut, MADV_POPULATE_WRITE) == 0;
            unsigned char somme = 0;
            for (std::uintptr_t p = debut; p < fin; p += page)
                somme += *reinterpret_cast<volatile unsigned char*>(p);
            (void)somme;
        }
    }
#endif
    bloc_.reset();
    octets_ = 0;
    return garni;
}
