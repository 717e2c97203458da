// The note-texts file "textesndc.txt": any bytes, decoded as the file reader
// decodes them, read into a table. Whatever the text, the codes are clean
// lower-case words, the current language is one of them (or "erreur" without
// any), and every entry holds one line per language.

#include "FuzzSupport.h"

#include "settings/NoteTexts.h"
#include "util/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TTextesNdC textes;
    const bool complet = textes.Lire(DecoderTexte(octetsFuzz(data, size)));
    for (const QString& code : textes.Codes()) {
        FUZZ_CHECK(!code.isEmpty());
        FUZZ_CHECK(code == code.toLower());
        FUZZ_CHECK(!code.contains(QStringLiteral(";;")));
        FUZZ_CHECK(code.front().unicode() > 32 && code.back().unicode() > 32);
    }
    FUZZ_CHECK(textes.Codes().isEmpty() ? textes.LangueActive() == QStringLiteral("erreur")
                                        : textes.LangueActive() == textes.Codes().front());
    for (const QString& code : textes.Codes()) {
        textes.RendreCourante(code.toUpper());
        FUZZ_CHECK(textes.Codes().indexOf(textes.LangueActive()) <= textes.Codes().indexOf(code));
    }
    for (int numero = 1; numero <= 16; ++numero) {
        const QString texte = textes.Texte(numero);
        FUZZ_CHECK(texte.isEmpty() || texte.count(u'\n') == textes.NbLangues());
        FUZZ_CHECK(!texte.contains(u'_'));
    }
    (void)complet;
    return 0;
}
