// Buttress text (header lines, comment, count, section lines) read by
// TDonneesAppli::StrToDA, as from a default calculation file or a calculation
// block written by another tool.

#include "FuzzSupport.h"

#include "model/DonneesAppli.h"
#include "util/Errors.h"
#include "util/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerFuzz();
    const QString texte = DecoderTexte(octetsFuzz(data, size));

    TDonneesAppli da;
    da.InitDA();
    QString reste = texte;
    try {
        da.StrToDA(reste);
    } catch (const ERangeError&) {
        return 0; // a refused section count: the calculation is skipped by its reader
    }
    // The reader removes only what it has read, from the front.
    FUZZ_CHECK(texte.endsWith(reste));

    // What was read is written, read back and written again identically: a
    // document saved and reopened loses nothing more.
    const QString ecrit = da.DAToStr();
    TDonneesAppli relu;
    relu.InitDA();
    QString copie = ecrit;
    relu.StrToDA(copie);
    FUZZ_CHECK(copie.isEmpty());
    FUZZ_CHECK(relu.Data.Sections.size() == da.Data.Sections.size());
    FUZZ_CHECK(relu.DAToStr() == ecrit);
    return 0;
}
