#include "model/ButtressText.h"

#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

#include <algorithm>

namespace {

// No buttress comes near this; a larger count is a garbled file, refused
// before it could exhaust the memory.
constexpr int kMaxSections = 100000;

// Number of lines ExtraireLigne can still take from T, counted up to limite.
qsizetype lignesRestantes(const QString& T, qsizetype limite)
{
    qsizetype lignes = 0;
    qsizetype debut = 0;
    while (lignes < limite && debut < T.size()) {
        ++lignes;
        const qsizetype fin = T.indexOf(kCrLf, debut);
        if (fin < 0)
            break;
        debut = fin + kCrLf.size();
    }
    return lignes;
}

} // namespace

QString DataVersTexte(const TData& data)
{
    QString text = NettoyerTexte(data.Comment) + kCrLf + QString::number(data.Sections.size()) + kCrLf;
    for (const TSection& section : data.Sections)
        text += SectionVersTexte(section);
    return text;
}

void TexteVersData(QString& T, TData& data, Checksum::Cumul* texteEcrit)
{
    data.Comment = ExtraireLigne(T);
    // An unreadable count reads as no section, as files have always been read;
    // the model remembers it so that no verdict is given on sections never read.
    const std::optional<int> compte = LireEntier(ExtraireLigne(T));
    const int n = compte.value_or(0);
    if (n < 0)
        throw ERangeError(QStringLiteral("Nombre de sections incorrect : %1").arg(n));
    // A count far beyond the lines left is garbled: inventing that many empty
    // sections could exhaust the memory, and dropping the calculation would
    // lose its name, comment and sections. The sections present are kept.
    const qsizetype presentes = lignesRestantes(T, n);
    const bool tronque = n > kMaxSections || n - presentes > kMaxSectionsSansLigne;
    data.Sections.resize(tronque ? presentes : n);
    data.SectionsIllisibles = !compte || tronque;
    if (texteEcrit) {
        texteEcrit->ajouter(EstTexteNettoye(data.Comment) ? data.Comment : NettoyerTexte(data.Comment));
        texteEcrit->ajouter(kCrLf);
        texteEcrit->ajouter(QString::number(data.Sections.size()));
        texteEcrit->ajouter(kCrLf);
    }
    for (TSection& section : data.Sections) {
        const QString ligne = ExtraireLigne(T);
        TexteVersSection(ligne, section);
        // Writing every section again only for its checksum cost as much as
        // reading it: a line already in the written form is taken as it is.
        if (!texteEcrit)
            continue;
        if (EstTexteDeSection(ligne, section)) {
            texteEcrit->ajouter(ligne);
            texteEcrit->ajouter(kCrLf);
        } else {
            texteEcrit->ajouter(SectionVersTexte(section));
        }
    }
    if (tronque)
        services().showMessage(QStringLiteral("Nombre de sections incorrect : %1 annoncées, %2 présentes ; "
                                              "seules les sections présentes ont été lues.")
                                   .arg(n)
                                   .arg(presentes));
}

QString SectionVersTexte(const TSection& s)
{
    // Appended piece by piece into one text: this runs for every section at
    // every checksum of a model.
    QString text;
    text.reserve(160 + s.se_comment.size());
    const auto reel = [&text](double value) {
        text += TexteReel(value);
        text += kTab;
    };
    for (const double value : {s.se_niveau, s.se_htrsec, s.se_lrgsec, s.se_posisec, s.se_mvol, s.se_resistance,
                               s.se_angfrottrad, s.se_pdsgouttml, s.se_posigoutt})
        reel(value);
    for (const TV2R* pair : {&s.se_chargePG, &s.se_chargePS, &s.se_chargePW, &s.se_chargePQ, &s.se_chargeRG,
                             &s.se_chargeRQ}) {
        reel((*pair)[0]);
        reel((*pair)[1]);
    }
    reel(s.se_chargeRW);
    reel(s.se_posicharge);
    text += NettoyerTexte(s.se_comment);
    text += kCrLf;
    return text;
}

void TexteVersSection(const QString& line, TSection& s)
{
    QString rest = line;
    for (double* field : {&s.se_niveau, &s.se_htrsec, &s.se_lrgsec, &s.se_posisec, &s.se_mvol, &s.se_resistance,
                          &s.se_angfrottrad, &s.se_pdsgouttml, &s.se_posigoutt})
        *field = LireReelTab(rest);
    try {
        for (TV2R* pair : {&s.se_chargePG, &s.se_chargePS, &s.se_chargePW, &s.se_chargePQ, &s.se_chargeRG,
                           &s.se_chargeRQ})
            TexteVersV2R(rest, *pair);
    } catch (const EConvertError&) {
        return; // the rest of the section keeps its previous values
    }
    s.se_chargeRW = LireReelTab(rest);
    s.se_posicharge = LireReelTab(rest);
    s.se_comment = rest;
}

bool EstTexteDeSection(QStringView line, const TSection& s)
{
    qsizetype debut = 0;
    const auto champ = [&line, &debut](double value) {
        // Fields are a few characters long: a plain scan finds their end
        // faster than the general search.
        const qsizetype tab = std::find(line.begin() + debut, line.end(), u'\t') - line.begin();
        if (tab == line.size())
            return false;
        const bool egal = EstTexteReel(line.mid(debut, tab - debut), value);
        debut = tab + 1;
        return egal;
    };
    for (const double value : {s.se_niveau, s.se_htrsec, s.se_lrgsec, s.se_posisec, s.se_mvol, s.se_resistance,
                               s.se_angfrottrad, s.se_pdsgouttml, s.se_posigoutt})
        if (!champ(value))
            return false;
    for (const TV2R* pair : {&s.se_chargePG, &s.se_chargePS, &s.se_chargePW, &s.se_chargePQ, &s.se_chargeRG,
                             &s.se_chargeRQ})
        if (!champ((*pair)[0]) || !champ((*pair)[1]))
            return false;
    if (!champ(s.se_chargeRW) || !champ(s.se_posicharge))
        return false;
    const QStringView commentaire = line.mid(debut);
    return commentaire == s.se_comment ? EstTexteNettoye(s.se_comment) : commentaire == NettoyerTexte(s.se_comment);
}

void EnregistrerCommeDefaut(const TDonneesAppli& DA)
{
    EcrireFichierTexte(QStringLiteral("1") + kCrLf + DA.DAToStr(), TDonneesAppli::defaultFilePath());
}
