#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared set-up of the fuzz targets: a default calculation file of two sections
// in a temporary folder (so that short or garbled lines keep the values of
// real sections), and no sleeping between file retries.
void preparerFuzz();

// A GUI application on the offscreen platform, made once: fonts (texts of a
// drawing, page layout of a note) need one.
void preparerApplicationGraphique();

inline QByteArray octetsFuzz(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// True when the text survives the ANSI code page unchanged, so that a file
// written and read again may be compared with it.
bool representableEnAnsi(const QString& texte);

// A broken invariant is a finding: report it and abort so that libFuzzer keeps
// the input.
#define FUZZ_CHECK(condition)                                                                              \
    do {                                                                                                   \
        if (!(condition)) {                                                                                \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);        \
            std::abort();                                                                                  \
        }                                                                                                  \
    } while (0)
