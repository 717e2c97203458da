// Problem text (version line, memo and global data blocks, calculation blocks
// or legacy line-based calculations) read by TFichPb::LoadFromString.

#include "FuzzSupport.h"

#include "documents/FichPb.h"
#include "util/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerFuzz();
    const QString texte = DecoderTexte(octetsFuzz(data, size));

    TFichPb fp;
    fp.LoadFromString(texte);
    FUZZ_CHECK(!fp.Modified());
    const QString ecrit = fp.SaveToString();

    // The text written reads back to the same document, every calculation
    // included, and writes again identically.
    TFichPb relu;
    relu.LoadFromString(ecrit);
    FUZZ_CHECK(relu.NbCalculsIgnores == 0);
    FUZZ_CHECK(relu.Calculs().size() == fp.Calculs().size());
    FUZZ_CHECK(relu.MemoFich == fp.MemoFich);
    FUZZ_CHECK(relu.FGlobData == fp.FGlobData);
    for (qsizetype i = 0; i < fp.Calculs().size(); ++i)
        FUZZ_CHECK(relu.Calculs()[i]->nomtab == fp.Calculs()[i]->nomtab);
    FUZZ_CHECK(relu.SaveToString() == ecrit);
    return 0;
}
