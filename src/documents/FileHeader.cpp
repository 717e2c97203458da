#include "documents/FileHeader.h"

#include "util/AnsiCodePage.h"
#include "util/AtomicFile.h"
#include "util/Checksum.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"

#include <QBuffer>
#include <QIODevice>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr QChar kBel = QChar(7);

// Reads the header's lines from the stream: everything up to the first CR, the
// CR and the unit after it skipped. A UTF-16 file is read by 16-bit units, so
// that its header is recognised like any other.
class LecteurLignes {
public:
    LecteurLignes(QIODevice& flux, std::optional<QStringConverter::Encoding> codage)
        : flux_(flux), codage_(codage)
    {
    }

    QString ligne()
    {
        const int largeur = unite16() ? 2 : 1;
        QByteArray octets;
        for (;;) {
            const QByteArray unite = flux_.read(largeur);
            if (unite.size() < largeur)
                break;
            if (estCR(unite)) {
                flux_.read(largeur); // the LF (or whatever byte follows the CR)
                break;
            }
            // A line ended by LF alone (a file edited with a Linux tool).
            if (estLF(unite))
                break;
            octets += unite;
        }
        return decoder(octets);
    }

private:
    bool unite16() const
    {
        return codage_ == QStringConverter::Utf16LE || codage_ == QStringConverter::Utf16BE;
    }

    bool estCR(const QByteArray& unite) const
    {
        if (!unite16())
            return unite.at(0) == '\r';
        return codage_ == QStringConverter::Utf16LE ? (unite.at(0) == '\r' && unite.at(1) == 0)
                                                    : (unite.at(0) == 0 && unite.at(1) == '\r');
    }

    bool estLF(const QByteArray& unite) const
    {
        if (!unite16())
            return unite.at(0) == '\n';
        return codage_ == QStringConverter::Utf16LE ? (unite.at(0) == '\n' && unite.at(1) == 0)
                                                    : (unite.at(0) == 0 && unite.at(1) == '\n');
    }

    QString decoder(const QByteArray& octets) const
    {
        if (!codage_)
            return AnsiCodePage::toUnicode(octets);
        QStringDecoder decodeur(*codage_, QStringDecoder::Flag::Stateless);
        return decodeur.decode(octets);
    }

    QIODevice& flux_;
    std::optional<QStringConverter::Encoding> codage_;
};

QString nomDe(const QString& entree)
{
    const qsizetype egal = entree.indexOf(u'=');
    return egal < 0 ? entree : entree.left(egal);
}

} // namespace

const QString TFileHeader::kIdentification = QStringLiteral("TFileHeader V1.00 030504 01234voktasq43210");
const QString TFileHeader::kMessageFluxPasEnDebut =
    QStringLiteral("erreur TFileHeader : le flux n'est pas en début (Position>0)");

TFileHeader::TFileHeader() { Init(); }

void TFileHeader::Init()
{
    FSLprop.clear();
    CRC = ChecksumProprietes();
}

std::uint32_t TFileHeader::ChecksumProprietes() const
{
    QString lignes;
    for (const QString& entree : FSLprop)
        lignes += entree + kCrLf;
    return Checksum::ofText(lignes);
}

qsizetype TFileHeader::IndexPropriete(const QString& nom) const
{
    for (qsizetype i = 0; i < FSLprop.size(); ++i)
        if (nomDe(FSLprop[i]).compare(nom, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TFileHeader::GetValeur(const QString& nom) const
{
    const qsizetype i = IndexPropriete(nom);
    if (i < 0)
        return {};
    const QString& entree = FSLprop[i];
    const qsizetype egal = entree.indexOf(u'=');
    if (egal < 0)
        return {};
    return entree.mid(egal + 1).replace(kBel, kCrLf);
}

void TFileHeader::SetValeur(const QString& nom, const QString& valeur)
{
    QString v = valeur;
    v.replace(kCrLf, QString(kBel));
    v.replace(u'\r', kBel);
    v.replace(u'\n', kBel);
    const qsizetype i = IndexPropriete(nom);
    if (i < 0)
        FSLprop.append(nom + u'=' + v);
    else if (!v.isEmpty())
        FSLprop[i] = nomDe(FSLprop[i]) + u'=' + v;
    else
        FSLprop.removeAt(i);
}

bool TFileHeader::Modified() const { return ChecksumProprietes() != CRC; }

void TFileHeader::SaveToStream(QIODevice& FS, void* data)
{
    if (FS.pos() != 0) {
        services().showMessage(kMessageFluxPasEnDebut);
        return;
    }
    QString texte = kIdentification + kCrLf;
    for (const QString& entree : FSLprop)
        texte += entree + kCrLf;
    texte += kCrLf;
    const QByteArray octets = AnsiCodePage::fromUnicode(texte);
    if (FS.write(octets) != octets.size())
        throw EInOutError(QStringLiteral("Erreur d'écriture de l'en-tête du fichier : %1").arg(FS.errorString()));
    if (FOnSave)
        FOnSave(FS, data);
    // Only a complete save makes the properties clean.
    CRC = ChecksumProprietes();
}

void TFileHeader::SaveToFile(const QString& PF, void* data)
{
    // The whole document is made in memory, then replaces the previous file
    // only once it is safely on the disk: a full disk or a failing body writer
    // must not cost the user his document.
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const std::uint32_t crcAvant = CRC;
    try {
        SaveToStream(tampon, data);
        writeFileAtomicallyOrThrow(PF, octets);
    } catch (...) {
        CRC = crcAvant;
        throw;
    }
}

void TFileHeader::LoadFromStream(QIODevice& FS, void* data)
{
    if (FS.pos() != 0) {
        services().showMessage(kMessageFluxPasEnDebut);
        return;
    }
    FCodage.reset();
    const QByteArray debut = FS.read(4);
    qint64 corps = 0;
    if (debut.size() >= 2) {
        if (debut.startsWith("\xEF\xBB\xBF")) {
            FCodage = QStringConverter::Utf8;
            corps = 3;
        } else if (debut.startsWith("\xFF\xFE")) {
            FCodage = QStringConverter::Utf16LE;
            corps = 2;
        } else if (debut.startsWith("\xFE\xFF")) {
            FCodage = QStringConverter::Utf16BE;
            corps = 2;
        }
    }
    FS.seek(corps);
    LecteurLignes lecteur(FS, FCodage);
    if (lecteur.ligne() == kIdentification) {
        FSLprop.clear();
        for (;;) {
            const QString entree = lecteur.ligne();
            if (entree.isEmpty())
                break;
            FSLprop.append(entree);
        }
        CRC = ChecksumProprietes();
    } else {
        FS.seek(0);
    }
    if (FOnLoad)
        FOnLoad(FS, data);
}

void TFileHeader::LoadFromFile(const QString& PF, void* data)
{
    if (!QFileInfo::exists(PF))
        return;
    QFile fichier(PF);
    if (!fichier.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Impossible d'ouvrir le fichier \"%1\" : %2").arg(PF, fichier.errorString()));
    LoadFromStream(fichier, data);
}
