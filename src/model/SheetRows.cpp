#include "model/SheetRows.h"

#include "util/DecimalText.h"
#include "util/TextFields.h"

namespace {

const QString kCleCommentaire = QStringLiteral("Commentaire");
const QString kCleNbSections = QStringLiteral("SECTIONS (décrites de bas en haut du tolvane) :");
const QString kCleSection = QStringLiteral("SECTION N°");

constexpr double kPi = 3.141592653589793;

enum class Genre { Titre, Nombre, Texte };
// The unit the sheet shows against the stored one.
enum class Unite { Stockee, Centimetre, Degre };

struct TDescLigne {
    const char16_t* cle;
    Genre genre;
    TLigneFiche::Police police;
    int decimales;
    Unite unite;
    double TSection::*champ;
    TV2R TSection::*paire;
    int composante;
};

constexpr Unite kCm = Unite::Centimetre;
constexpr Unite kDegres = Unite::Degre;
using P = TLigneFiche::Police;

constexpr TDescLigne Titre(const char16_t* cle, P police) { return {cle, Genre::Titre, police, 0, Unite::Stockee, nullptr, nullptr, 0}; }
constexpr TDescLigne Nombre(const char16_t* cle, double TSection::*champ, int decimales, Unite unite = Unite::Stockee)
{
    return {cle, Genre::Nombre, P::Normale, decimales, unite, champ, nullptr, 0};
}
constexpr TDescLigne Charge(const char16_t* cle, TV2R TSection::*paire, int composante)
{
    return {cle, Genre::Nombre, P::Normale, 0, Unite::Stockee, nullptr, paire, composante};
}

const TDescLigne kSection[TSheetRows::kLignesParSection] = {
    Titre(u"SECTION N°", P::Grasse),
    Nombre(u" niveau de la section (m)", &TSection::se_niveau, 2),
    Nombre(u" longueur du tolvane suivant X (cm)", &TSection::se_htrsec, 0, kCm),
    Nombre(u" largeur du tolvane suivant Y (cm)", &TSection::se_lrgsec, 0, kCm),
    Nombre(u" position du parement intérieur par rapport à l'axe Z (cm)", &TSection::se_posisec, 0, kCm),
    Titre(u" caractéristiques de la maçonnerie au-dessus de la section", P::Italique),
    Nombre(u"  - masse volumique (daN/m3)", &TSection::se_mvol, 0),
    Nombre(u"  - résistance ELU (MPa)", &TSection::se_resistance, 1),
    Nombre(u"  - angle de frottement interne (degré)", &TSection::se_angfrottrad, 0, kDegres),
    Nombre(u" poids de mur goutterot solidaire du tolvane (au ml, valeur >0, daN/ml)", &TSection::se_pdsgouttml, 0),
    Nombre(u" distance de cette charge au parement intérieur du tolvane (cm)", &TSection::se_posigoutt, 0, kCm),
    Titre(u" Charges ponctuelles additionnelles (>0 selon repère, daN) :", P::Italique),
    Nombre(u"  position des charges verticales par rapport à l'axe Z (>0 selon X, cm)", &TSection::se_posicharge, 0,
           kCm),
    Titre(u"  Horizontales :", P::Italique),
    Charge(u"   - permanente (G)", &TSection::se_chargePG, 0),
    Charge(u"   - neige (S)", &TSection::se_chargePS, 0),
    Charge(u"   - vent (W)", &TSection::se_chargePW, 0),
    Charge(u"   - exploitation (Q)", &TSection::se_chargePQ, 0),
    Titre(u"  Verticales :", P::Italique),
    Charge(u"   - permanente (G)", &TSection::se_chargePG, 1),
    Charge(u"   - neige (S)", &TSection::se_chargePS, 1),
    Charge(u"   - vent (W)", &TSection::se_chargePW, 1),
    Charge(u"   - exploitation (Q)", &TSection::se_chargePQ, 1),
    Titre(u" Charges réparties additionnelles (>0 selon repère, daN) :", P::Italique),
    Titre(u"  Horizontales :", P::Italique),
    Nombre(u"   - vent (W)", &TSection::se_chargeRW, 0),
    Charge(u"   - permanente (G)", &TSection::se_chargeRG, 0),
    Charge(u"   - exploitation (Q)", &TSection::se_chargeRQ, 0),
    Titre(u"  Verticales :", P::Italique),
    Charge(u"   - permanente (G)", &TSection::se_chargeRG, 1),
    Charge(u"   - exploitation (Q)", &TSection::se_chargeRQ, 1),
    {u" commentaire", Genre::Texte, P::Normale, 0, Unite::Stockee, nullptr, nullptr, 0},
};

// The field of a value row, writable when the section is.
template <typename Section>
auto& Champ(Section& section, const TDescLigne& desc)
{
    return desc.champ ? section.*desc.champ : (section.*desc.paire)[std::size_t(desc.composante)];
}

double VersAffichage(double valeur, Unite unite)
{
    switch (unite) {
    case Unite::Centimetre: return valeur * 100;
    case Unite::Degre: return valeur * 180 / kPi;
    case Unite::Stockee: break;
    }
    return valeur;
}

double VersStockage(double valeur, Unite unite)
{
    switch (unite) {
    case Unite::Centimetre: return valeur / 100;
    case Unite::Degre: return valeur * kPi / 180;
    case Unite::Stockee: break;
    }
    return valeur;
}

// Writes the text of a value row into its field, as typed: a number in the
// sheet's unit (unreadable: 0), or a cleaned text.
void EcrireChamp(TSection& section, const TDescLigne& desc, const QString& valeur)
{
    switch (desc.genre) {
    case Genre::Titre: break;
    case Genre::Nombre: Champ(section, desc) = VersStockage(LireNombre(valeur).value_or(0.0), desc.unite); break;
    case Genre::Texte: section.se_comment = NettoyerTexte(valeur); break;
    }
}

} // namespace

void TSheetRows::InitVLE(int nbsections)
{
    FNbSections = nbsections < 0 ? 0 : nbsections;
    Flignes.clear();
    Flignes.reserve(kLignesEnTete + kLignesParSection * qsizetype(FNbSections));
    Flignes.append(TLigneFiche{kCleCommentaire, {}, false, P::Normale});
    Flignes.append(TLigneFiche{kCleNbSections, {}, true, P::Normale});
    for (int j = 0; j < FNbSections; ++j)
        for (const TDescLigne& desc : kSection)
            Flignes.append(TLigneFiche{QString::fromUtf16(desc.cle), {}, desc.genre == Genre::Titre, desc.police});
}

void TSheetRows::Remplir(const TData& data)
{
    InitVLE(int(data.Sections.size()));
    Flignes[0].valeur = data.Comment;
    Flignes[1].cle = QString::number(FNbSections) + QStringLiteral(" SECTIONS (décrites de bas en haut du tolvane)");
    for (int j = 0; j < FNbSections; ++j) {
        const TSection& section = data.Sections[j];
        for (int offset = 0; offset < kLignesParSection; ++offset) {
            const TDescLigne& desc = kSection[offset];
            TLigneFiche& ligne = Flignes[Ligne(j, offset)];
            switch (desc.genre) {
            case Genre::Titre:
                if (offset == 0)
                    ligne.cle = kCleSection + u' ' + QString::number(j + 1);
                break;
            case Genre::Nombre:
                // As "%.*f" writes it, without a format read for each of the
                // twenty-odd numbers of every section.
                ligne.valeur = TTexteDecimal(VersAffichage(Champ(section, desc), desc.unite), desc.decimales).Vue().toString();
                break;
            case Genre::Texte: ligne.valeur = section.se_comment; break;
            }
        }
    }
}

TData TSheetRows::Lire() const
{
    TData data;
    data.Comment = LireCommentaire();
    data.Sections.resize(FNbSections);
    for (int j = 0; j < FNbSections; ++j)
        data.Sections[j] = LireSection(j);
    return data;
}

QString TSheetRows::LireCommentaire() const { return NettoyerTexte(Flignes.value(0).valeur); }

TSection TSheetRows::LireSection(int j) const
{
    TSection section;
    for (int offset = 0; offset < kLignesParSection; ++offset)
        EcrireChamp(section, kSection[offset], Flignes.value(Ligne(j, offset)).valeur);
    return section;
}

bool TSheetRows::AppliquerSaisie(TData& data, int ligne, const QString& valeur)
{
    if (ligne == 0) {
        data.Comment = NettoyerTexte(valeur);
        return true;
    }
    if (ligne < kLignesEnTete)
        return false;
    const int j = (ligne - kLignesEnTete) / kLignesParSection;
    const TDescLigne& desc = kSection[(ligne - kLignesEnTete) % kLignesParSection];
    if (j >= data.Sections.size() || desc.genre == Genre::Titre)
        return false;
    EcrireChamp(data.Sections[j], desc, valeur);
    return true;
}

QString TSheetRows::Texte() const
{
    QString texte;
    for (const TLigneFiche& ligne : Flignes)
        texte += ligne.cle + u'=' + ligne.valeur + kCrLf;
    return texte;
}
