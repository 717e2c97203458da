// Whole document file bytes: byte-order mark, header block, then the problem
// text decoded as the document reader does it, through the problem file's own
// header and body reader.

#include "FuzzSupport.h"

#include "documents/FichPb.h"
#include "util/Errors.h"

#include <QBuffer>

namespace {

void charger(TFichPb& fp, const QByteArray& octets)
{
    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    fp.FH.LoadFromStream(flux);
    fp.CalCRCTabs(fp.TexteListeOnglets());
    fp.pbCRCdsk = fp.pbCRC;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerFuzz();
    TFichPb fp;
    charger(fp, octetsFuzz(data, size));

    // Saved and reopened, the document holds the same calculations and the
    // same text, when the code page of the file can hold all of it.
    QByteArray sortie;
    QBuffer flux(&sortie);
    flux.open(QIODevice::WriteOnly);
    fp.FH.SaveToStream(flux);
    FUZZ_CHECK(!fp.Modified());
    FUZZ_CHECK(!fp.FH.Modified());

    TFichPb relu;
    charger(relu, sortie);
    FUZZ_CHECK(relu.NbCalculsIgnores == 0);
    FUZZ_CHECK(relu.Calculs().size() == fp.Calculs().size());
    const QString texte = fp.SaveToString();
    if (representableEnAnsi(texte + fp.FH.Strings().join(QString()))) {
        FUZZ_CHECK(relu.FH.Strings() == fp.FH.Strings());
        FUZZ_CHECK(relu.SaveToString() == texte);
    }
    return 0;
}
