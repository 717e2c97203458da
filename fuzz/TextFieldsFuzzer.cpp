// The consuming readers that every text form is built on: delimited blocks,
// lines, TAB fields, words, lenient and strict number readers, numbered fields,
// the cleaning of comments and the decoding of file bytes.

#include "FuzzSupport.h"

#include "util/Errors.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString texteFuzz(FuzzedDataProvider& fournisseur)
{
    const std::string octets = fournisseur.ConsumeRandomLengthString(4096);
    return DecoderTexte(QByteArray::fromStdString(octets));
}

// Each consuming reader must shorten the text at every call until it is empty;
// a reader that takes nothing would loop for ever in the file readers.
template <typename Lecteur>
void consommerTout(QString S, Lecteur lecteur)
{
    while (!S.isEmpty()) {
        const qsizetype avant = S.size();
        lecteur(S);
        FUZZ_CHECK(S.size() < avant);
    }
}

void verifierNombre(const QString& champ)
{
    const std::optional<double> valeur = LireNombre(champ);
    if (!valeur)
        return;
    FUZZ_CHECK(std::isfinite(*valeur));
    // The number text is stable: written, read and written again, identical.
    const QString ecrit = TexteReel(*valeur);
    const std::optional<double> relu = LireNombre(ecrit);
    FUZZ_CHECK(relu.has_value());
    FUZZ_CHECK(TexteReel(*relu) == ecrit);
}

void verifierEntier(const QString& champ)
{
    const std::optional<int> valeur = LireEntier(champ);
    if (valeur)
        FUZZ_CHECK(LireEntier(QString::number(*valeur)) == valeur);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerFuzz();
    FuzzedDataProvider fournisseur(data, size);
    const QString S = texteFuzz(fournisseur);
    const QString T = texteFuzz(fournisseur);
    const QString delimiteur = texteFuzz(fournisseur).left(8);
    const int numero = fournisseur.ConsumeIntegral<int>();

    consommerTout(S, [](QString& s) { ExtraireBloc(s); });
    consommerTout(S, [](QString& s) { ExtraireLigne(s); });
    consommerTout(S, [](QString& s) { verifierNombre(ExtraireChampTab(s)); });
    consommerTout(S, [](QString& s) { verifierEntier(ExtraireLigne(s)); });
    consommerTout(S, [](QString& s) { ExtraireMot(s); });
    consommerTout(S, [](QString& s) { LireReelTab(s); });
    consommerTout(S, [](QString& s) { LireEntierTab(s); });
    consommerTout(S, [](QString& s) {
        TV2R v{};
        try {
            TexteVersV2R(s, v);
            FUZZ_CHECK(std::isfinite(v[0]) && std::isfinite(v[1]));
        } catch (const EConvertError&) {
        }
    });
    if (!delimiteur.isEmpty())
        consommerTout(S, [&](QString& s) { ExtraireChamp(s, delimiteur); });

    // A block carries any text and is read back exactly, whatever follows it.
    QString bloc = BlocDelimite(T) + S;
    FUZZ_CHECK(ExtraireBloc(bloc) == T);
    FUZZ_CHECK(bloc == S);

    // Numbered fields never fail for a count of zero or more.
    const QString champ = ChampNumero(numero, S, delimiteur);
    FUZZ_CHECK(champ.size() <= S.size());
    if (numero >= 0) {
        const int position = PosNum(numero, S, delimiteur);
        FUZZ_CHECK(position >= 0 && position <= S.size() + 1);
    } else {
        try {
            PosNum(numero, S, delimiteur);
            FUZZ_CHECK(false);
        } catch (const ERangeError&) {
        }
    }

    // A cleaned comment holds no control character and stays as it is when
    // cleaned again.
    const QString propre = NettoyerTexte(T);
    for (const QChar c : propre)
        FUZZ_CHECK(c.unicode() >= 32);
    FUZZ_CHECK(NettoyerTexte(propre) == propre);
    return 0;
}
