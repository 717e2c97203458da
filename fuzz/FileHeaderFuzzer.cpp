// Header block at the head of a document file read by
// TFileHeader::LoadFromStream, with its byte-order mark, identification line
// and property lines; then the property editing of the properties dialog.

#include "FuzzSupport.h"

#include "documents/FileHeader.h"

#include <QBuffer>

namespace {

struct Lecture {
    QStringList proprietes;
    QByteArray corps;
    bool corpsLu = false;
};

Lecture lire(const QByteArray& octets)
{
    TFileHeader fh;
    Lecture lecture;
    fh.setOnLoad([&](QIODevice& FS, void*) {
        lecture.corps = FS.readAll();
        lecture.corpsLu = true;
    });
    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    fh.LoadFromStream(flux);
    FUZZ_CHECK(!fh.Modified());
    lecture.proprietes = fh.Strings();
    return lecture;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerFuzz();
    const QByteArray octets = octetsFuzz(data, size);
    const Lecture premiere = lire(octets);
    FUZZ_CHECK(premiere.corpsLu);
    FUZZ_CHECK(octets.endsWith(premiere.corps));

    // Every property line holds neither CR nor an empty text: each one would
    // break the header's line structure when written.
    for (const QString& entree : premiere.proprietes) {
        FUZZ_CHECK(!entree.isEmpty());
        FUZZ_CHECK(!entree.contains(u'\r'));
    }

    // Written and read again, the header keeps its properties and the body its
    // bytes (properties that the code page cannot hold are out of the comparison).
    TFileHeader fh;
    QBuffer entree;
    entree.setData(octets);
    entree.open(QIODevice::ReadOnly);
    fh.LoadFromStream(entree);
    fh.setOnSave([&](QIODevice& FS, void*) { FS.write(premiere.corps); });
    QByteArray sortie;
    QBuffer flux(&sortie);
    flux.open(QIODevice::WriteOnly);
    fh.SaveToStream(flux);
    FUZZ_CHECK(!fh.Modified());
    const Lecture seconde = lire(sortie);
    FUZZ_CHECK(seconde.corps == premiere.corps);
    if (representableEnAnsi(premiere.proprietes.join(QString())))
        FUZZ_CHECK(seconde.proprietes == premiere.proprietes);

    // A value set through the properties dialog comes back with its line
    // breaks as CR LF and survives a save.
    const QString texte = QString::fromLatin1(octets);
    const qsizetype coupure = texte.indexOf(u'=');
    if (coupure > 0) {
        const QString nom = texte.left(coupure);
        if (!nom.contains(u'\r') && !nom.contains(u'\n')) {
            QString valeur = texte.mid(coupure + 1);
            fh.SetValeur(nom, valeur);
            QString attendu = valeur;
            attendu.replace(QStringLiteral("\r\n"), QStringLiteral("\a"));
            attendu.replace(u'\r', u'\a');
            attendu.replace(u'\n', u'\a');
            attendu.replace(QStringLiteral("\a"), QStringLiteral("\r\n"));
            // An emptied value removes the property; a second one of the same
            // name read from the file may then answer.
            if (attendu.isEmpty())
                return 0;
            FUZZ_CHECK(fh.GetValeur(nom) == attendu);
            if (!representableEnAnsi(nom + valeur))
                return 0;
            fh.setOnSave({});
            QByteArray reecrit;
            QBuffer fluxReecrit(&reecrit);
            fluxReecrit.open(QIODevice::WriteOnly);
            fh.SaveToStream(fluxReecrit);
            TFileHeader relu;
            QBuffer fluxRelu;
            fluxRelu.setData(reecrit);
            fluxRelu.open(QIODevice::ReadOnly);
            relu.LoadFromStream(fluxRelu);
            FUZZ_CHECK(relu.GetValeur(nom) == attendu);
        }
    }
    return 0;
}
