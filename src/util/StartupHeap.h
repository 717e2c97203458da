#pragma once

#include <cstddef>
#include <memory>

// The first write to a page of fresh memory is slow, and all of it falls on
// the thread that writes: the kernel supplies and clears the page, and on a
// virtual machine the host maps it as well (2 to 10 µs a page on our
// benchmark machine). The main window's 2 MB backing store cost 5 ms of its
// first paint that way, before a single pixel was drawn.
//
// At start-up the main thread takes a stretch of heap; another thread,
// otherwise idle, has every page of it supplied and mapped, then gives it
// back. What the main thread allocates after that is carved from it. Large
// blocks, which the C library would map afresh, come from the heap too, as
// its own adaptive thresholds have them do once a first large picture has
// been freed.
class TTasDeDemarrage {
public:
    // Main thread, before the allocations the stretch is meant for. An empty
    // stretch (`octets()` == 0) where the C library offers no such control,
    // or when the memory is short.
    static TTasDeDemarrage Reserver(std::size_t octets);

    TTasDeDemarrage() = default;

    // Any thread, once: has every page of the stretch supplied and mapped,
    // then gives the stretch back to the heap. Returns whether the kernel
    // supplied the pages (it cannot before Linux 5.14); the stretch is given
    // back in any case.
    bool GarnirPuisLiberer();

    // The stretch, until it is given back.
    const char* debut() const { return bloc_.get(); }
    std::size_t octets() const { return octets_; }

private:
    struct Liberation {
        void operator()(char* bloc) const;
    };

    TTasDeDemarrage(char* bloc, std::size_t octets) : bloc_(bloc), octets_(octets) {}

    // Given back on destruction when never readied.
    std::unique_ptr<char, Liberation> bloc_;
    std::size_t octets_ = 0;
};
