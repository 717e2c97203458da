#include "util/StartupHeap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

std::size_t TaillePage() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }

// Pages of [debut, debut + octets) the kernel has supplied, among those
// wholly inside it.
std::size_t PagesPresentes(const char* debut, std::size_t octets, std::size_t* pages = nullptr)
{
    const std::uintptr_t page = TaillePage();
    const auto adresse = reinterpret_cast<std::uintptr_t>(debut);
    const std::uintptr_t premiere = (adresse + page - 1) & ~(page - 1);
    const std::uintptr_t fin = (adresse + octets) & ~(page - 1);
    std::vector<unsigned char> etat((fin - premiere) / page);
    if (pages)
        *pages = etat.size();
    if (mincore(reinterpret_cast<void*>(premiere), fin - premiere, etat.data()) != 0)
        return 0;
    std::size_t presentes = 0;
    for (unsigned char e : etat)
        presentes += e & 1;
    return presentes;
}

struct Liberer {
    void operator()(void* p) const { std::free(p); }
};

constexpr std::size_t kMo = 1024 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kTasDeLaBibliothequeC = false;
#else
constexpr bool kTasDeLaBibliothequeC = true;
#endif

} // namespace

// The stretch is taken fresh from the heap, its pages are supplied by the
// reader, and what is allocated after, a large picture included, lands in
// it, on pages already there.
TEST(TasDeDemarrage, ReadiesFreshPagesThatTheNextAllocationsUse)
{
    if (!kTasDeLaBibliothequeC)
        GTEST_SKIP() << "the sanitizers' allocator places the blocks itself";
    TTasDeDemarrage tas = TTasDeDemarrage::Reserver(4 * kMo);
    ASSERT_EQ(tas.octets(), 4 * kMo);
    const char* debut = tas.debut();
    ASSERT_NE(debut, nullptr);
    std::size_t pages = 0;
    EXPECT_LT(PagesPresentes(debut, 4 * kMo, &pages), 8u) << "the stretch was expected fresh";
    ASSERT_GT(pages, 1000u);

    EXPECT_TRUE(tas.GarnirPuisLiberer());
    EXPECT_EQ(tas.debut(), nullptr);
    EXPECT_EQ(PagesPresentes(debut, 4 * kMo), pages) << "every page supplied, and kept once given back";

    // A backing store's worth: under the C library's default threshold it
    // would be mapped afresh, elsewhere.
    const std::unique_ptr<void, Liberer> image(std::malloc(2 * kMo + 200 * 1024));
    ASSERT_NE(image, nullptr);
    const auto* octet = static_cast<const char*>(image.get());
    EXPECT_GE(octet, debut);
    EXPECT_LE(octet + 2 * kMo + 200 * 1024, debut + 4 * kMo);
}

// Nothing to ready: no stretch, and readying it is a no-op reported as such.
TEST(TasDeDemarrage, AnEmptyStretchReadiesNothing)
{
    TTasDeDemarrage vides[] = {TTasDeDemarrage(), TTasDeDemarrage::Reserver(0)};
    for (TTasDeDemarrage& tas : vides) {
        EXPECT_EQ(tas.octets(), 0u);
        EXPECT_EQ(tas.debut(), nullptr);
        EXPECT_FALSE(tas.GarnirPuisLiberer());
    }
    // Readied once only.
    TTasDeDemarrage tas = TTasDeDemarrage::Reserver(kMo);
    EXPECT_TRUE(tas.GarnirPuisLiberer());
    EXPECT_FALSE(tas.GarnirPuisLiberer());
}
