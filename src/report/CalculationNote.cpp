#include "report/CalculationNote.h"

#include "model/SheetRows.h"
#include "report/HtmlDocument.h"
#include "report/HtmlTable.h"
#include "report/StyleSheet.h"
#include "util/DecimalText.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kGauche = 1;
constexpr int kCentre = 2;
constexpr int kDroite = 3;

const QString kSpecTorseurs =
    QStringLiteral("C10 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06");
const QString kSpecMaxima = QStringLiteral("C10 G26 D16 D16 D16 D16");

// The note's writer: every table 95 % wide, border 2, no spacing, padding 2;
// every cell one row high, centred unless told otherwise. The tables are
// written straight at the end of the text it was given.
class RedacteurNote {
public:
    explicit RedacteurNote(QString& sortie) { table_.EcrireDans(&sortie); }
    void Table(const QString& spec) { table_.DebutTable(95, 2, 0, 2, spec); }
    void Ligne() { table_.DebutLigne({}, {}); }
    void Cellule(QStringView texte, QStringView classe = {}, int colspan = 1, int alignement = kCentre)
    {
        table_.Cellule(classe, 1, colspan, alignement, 0, {}, texte, false);
    }
    void FinLigne() { table_.FinLigne(); }
    void FinTable() { table_.TerminerTable(); }

private:
    THtmlTable table_;
};

// Fifteen of these per row of the torsor tables, written as "%.2f" would.
void CellulesTorseur(RedacteurNote& note, const TV3R& torseur)
{
    for (const double composante : torseur)
        note.Cellule(TTexteDecimal(composante / 100, 2).Vue());
}

void CelluleNumero(RedacteurNote& note, qsizetype j)
{
    char16_t texte[24];
    char chiffres[24];
    const char* fin = std::to_chars(chiffres, chiffres + sizeof chiffres, j + 1).ptr;
    qsizetype n = 0;
    for (const char* c = chiffres; c != fin; ++c)
        texte[n++] = char16_t(*c);
    note.Cellule(QStringView(texte, n));
}

// Characters of the note per section, measured on notes of 1000 and 2000
// sections (about 1890 without the data listing, 5080 with it), a little
// above: the text is made once, never copied as it grows, and a long note
// holds little room it does not fill.
constexpr qsizetype kCaracteresParSection = 2000;
constexpr qsizetype kCaracteresParSectionListee = 5200;
constexpr qsizetype kCaracteresHorsSections = 8192;

void ListeDonnees(RedacteurNote& note, const TData& data)
{
    TSheetRows lignes;
    lignes.Remplir(data);
    note.Table(QStringLiteral("G70 D30"));
    note.Ligne();
    note.Cellule(QStringLiteral("D O N N E E S"), QStringLiteral("TITRE"), 2);
    note.FinLigne();
    // Each row is split at the "=" that ends its key: a "=" or a "<" typed in a
    // comment is shown as typed and cannot break the note's markup.
    for (const TLigneFiche& ligne : lignes.Lignes()) {
        note.Ligne();
        note.Cellule(ligne.cle, {}, 1, kGauche);
        note.Cellule(EchapperHtml(ligne.valeur), {}, 1, kDroite);
        note.FinLigne();
    }
    note.FinTable();
}

void TitreResultats(RedacteurNote& note)
{
    note.Table({});
    note.Ligne();
    note.Cellule(QStringLiteral("R E S U L T A T S"), QStringLiteral("TITRE"));
    note.FinLigne();
    note.FinTable();
}

struct TGroupeTorseur {
    const char16_t* titre;
    TV3R TSection::*torseur;
};

void TableTorseurs(RedacteurNote& note, const TData& data, const QString& titre, const TGroupeTorseur (&groupes)[5])
{
    note.Table(kSpecTorseurs);
    note.Ligne();
    note.Cellule(titre, QStringLiteral("TITRE"), 16);
    note.FinLigne();
    note.Ligne();
    note.Cellule(QStringLiteral("section"));
    for (const TGroupeTorseur& groupe : groupes)
        note.Cellule(QStringView(groupe.titre), {}, 3);
    note.FinLigne();
    note.Ligne();
    note.Cellule({});
    for (int i = 0; i < 5; ++i) {
        note.Cellule(QStringLiteral("FX"));
        note.Cellule(QStringLiteral("FZ"));
        note.Cellule(QStringLiteral("MY"));
    }
    note.FinLigne();
    for (qsizetype j = 0; j < data.Sections.size(); ++j) {
        const TSection& section = data.Sections[j];
        note.Ligne();
        CelluleNumero(note, j);
        for (const TGroupeTorseur& groupe : groupes)
            CellulesTorseur(note, section.*groupe.torseur);
        note.FinLigne();
    }
    note.FinTable();
}

QString Joindre(std::initializer_list<QStringView> morceaux)
{
    qsizetype taille = 0;
    for (const QStringView morceau : morceaux)
        taille += morceau.size();
    QString texte;
    texte.reserve(taille);
    for (const QStringView morceau : morceaux)
        texte += morceau;
    return texte;
}

QString TexteContrainte(const TMaxi& maxi)
{
    if (maxi.mx_valeur < 0)
        return QStringLiteral("non calc.");
    return Joindre({TTexteDecimal(maxi.mx_valeur, 0).Vue(), u" %"});
}

QString TexteExcentricite(const TMaxi& maxi, double X)
{
    const TTexteDecimal e(std::fabs(maxi.mx_valeur), 2);
    const TTexteDecimal sixieme(X / 6, 2);
    const TTexteDecimal moitie(X / 2, 2);
    switch (maxi.mx_statut) {
    case 0: return Joindre({e.Vue(), u" (<", sixieme.Vue(), u") "});
    case 1: return Joindre({e.Vue(), u" (>", sixieme.Vue(), u", <", moitie.Vue(), u") "});
    default: return Joindre({e.Vue(), u" (>", moitie.Vue(), u") "});
    }
}

QString TexteAngle(const TMaxi& maxi) { return TTexteDecimal(maxi.mx_valeur * 180 / kPi, 2).Vue().toString(); }

void TableMaxima(RedacteurNote& note, const TData& data, const QString& titre, const QString& enteteValeur,
                 TMaxi TSection::*maximum, QString (*texteValeur)(const TSection&))
{
    note.Table(kSpecMaxima);
    note.Ligne();
    note.Cellule(titre, QStringLiteral("TITRE"), 6);
    note.FinLigne();
    note.Ligne();
    note.Cellule(QStringLiteral("section"));
    note.Cellule(QStringLiteral("combinaison"));
    note.Cellule(QStringLiteral("torseur au CdG de la section"), {}, 3);
    note.Cellule(enteteValeur);
    note.FinLigne();
    note.Ligne();
    note.Cellule({});
    note.Cellule({});
    note.Cellule(QStringLiteral("FX"));
    note.Cellule(QStringLiteral("FZ"));
    note.Cellule(QStringLiteral("MY"));
    note.Cellule({});
    note.FinLigne();
    for (qsizetype j = 0; j < data.Sections.size(); ++j) {
        const TSection& section = data.Sections[j];
        const TMaxi& maxi = section.*maximum;
        note.Ligne();
        CelluleNumero(note, j);
        note.Cellule(maxi.mx_combi);
        CellulesTorseur(note, maxi.mx_torsPondere);
        note.Cellule(texteValeur(section), VueClasseNiveau(maxi.mx_statut));
        note.FinLigne();
    }
    note.FinTable();
}

} // namespace

QStringView VueClasseNiveau(int niveau)
{
    switch (niveau) {
    case 0: return u"OK";
    case 1: return u"Acc";
    case 2: return u"NOK";
    default: return {};
    }
}

QString ClasseNiveau(int niveau) { return VueClasseNiveau(niveau).toString(); }

QString EnteteNdC()
{
    TStyleSheet styles;
    styles.InitStyles();
    styles.AjouterStyle(QStringLiteral("TABLE"), QStringLiteral("font-family:Calibri,Arial"));
    styles.AjouterStyle(QStringLiteral("TD.TITRE"), QStringLiteral("font-weight:bold"));
    styles.AjouterStyle(QStringLiteral("TD.OK"), QStringLiteral("font-weight:bold; background-color: #92D050"));
    styles.AjouterStyle(QStringLiteral("TD.Acc"), QStringLiteral("font-weight:bold; background-color: #FFCC99"));
    styles.AjouterStyle(QStringLiteral("TD.NOK"), QStringLiteral("font-weight:bold; background-color: #FF99CC"));
    return styles.HTML();
}

namespace {

void EcrireCorpsNdC(QString& sortie, const TData& data, bool listerDonnees)
{
    static const TGroupeTorseur permanents[5] = {
        {u"poids propre", &TSection::se_torsGpp},
        {u"poids goutterot", &TSection::se_torsGgoutt},
        {u"ch. addit. Ponctuelles", &TSection::se_torsGaddP},
        {u"ch. addit. Réparties", &TSection::se_torsGaddR},
        {u"G total", &TSection::se_torsGtot},
    };
    static const TGroupeTorseur variables[5] = {
        {u"ch. neige", &TSection::se_torsS},
        {u"ch. vent Ponctuelles", &TSection::se_torsWP},
        {u"ch. vent Réparties", &TSection::se_torsWR},
        {u"ch. exploit. Ponctuelles", &TSection::se_torsQP},
        {u"ch. exploit. Réparties", &TSection::se_torsQR},
    };

    RedacteurNote note(sortie);
    if (listerDonnees)
        ListeDonnees(note, data);
    TitreResultats(note);
    TableTorseurs(note, data, QStringLiteral("Torseurs des charges permanentes non pondérés (kN, m)"), permanents);
    TableTorseurs(note, data, QStringLiteral("Torseurs des charges variables non pondérés (kN, m)"), variables);
    TableMaxima(note, data, QStringLiteral("Maxima pondérés en contraintes (kN,m,MPa)"),
                QStringLiteral("contrainte normale"), &TSection::se_maxCtr,
                [](const TSection& s) { return TexteContrainte(s.se_maxCtr); });
    TableMaxima(note, data, QStringLiteral("Maxima pondérés en excentricités (kN,m)"), QStringLiteral("excentricité"),
                &TSection::se_maxExc, [](const TSection& s) { return TexteExcentricite(s.se_maxExc, s.se_htrsec); });
    TableMaxima(note, data, QStringLiteral("Maxima pondérés en angle de frottement (kN,m,degré)"),
                QStringLiteral("angle de frottement"), &TSection::se_maxAng,
                [](const TSection& s) { return TexteAngle(s.se_maxAng); });
}

qsizetype TailleEstimee(const TData& data, bool listerDonnees)
{
    const qsizetype parSection = listerDonnees ? kCaracteresParSectionListee : kCaracteresParSection;
    return kCaracteresHorsSections + parSection * data.Sections.size();
}

} // namespace

QString CorpsNdC(const TData& data, bool listerDonnees)
{
    QString corps;
    corps.reserve(TailleEstimee(data, listerDonnees));
    EcrireCorpsNdC(corps, data, listerDonnees);
    return corps;
}

QString PageNdC(const TData& data, bool listerDonnees)
{
    QString page;
    page.reserve(TailleEstimee(data, listerDonnees));
    OuvrirPageHtml(page, EnteteNdC());
    EcrireCorpsNdC(page, data, listerDonnees);
    FermerPageHtml(page);
    return page;
}
