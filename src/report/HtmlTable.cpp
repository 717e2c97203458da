#include "report/HtmlTable.h"

#include "util/TextFields.h"

#include <charconv>
#include <cstring>

namespace {

const QString kCrLfHtml = QStringLiteral("\r\n");

bool EstBlanc(QStringView texte)
{
    for (const QChar c : texte)
        if (c.unicode() > 32)
            return false;
    return true;
}

} // namespace

QStringView VueNomAlignement(int GCD1)
{
    switch (GCD1) {
    case 1: return u"left";
    case 2: return u"center";
    case 3: return u"right";
    default: return {};
    }
}

QString NomAlignement(int GCD1) { return VueNomAlignement(GCD1).toString(); }

QString THtmlTable::LireSpecColonnes(const QString& colswpctbl)
{
    Fnbcols = 0;
    Cols.clear();
    QString colgroup = QStringLiteral("<COLGROUP>");
    QString reste = colswpctbl;
    for (;;) {
        QString jeton = ExtraireMot(reste);
        if (jeton.isEmpty())
            break;
        const QChar premier = jeton.front();
        const int GCD1 = int(QStringLiteral("GCD").indexOf(premier)) + 1;
        const int alignement = GCD1 > 0 ? GCD1 : 2;
        if (premier < u'0' || premier > u'9')
            jeton.remove(0, 1);
        const int largeur = LireEntier(jeton).value_or(10);
        if (largeur == 0)
            break;
        colgroup += QStringLiteral("<COL width=\"%1%\" align=\"%2\">").arg(largeur).arg(NomAlignement(alignement));
        Cols.append(THtmlCol{alignement, largeur});
        ++Fnbcols;
    }
    colgroup += QStringLiteral("</COLGROUP>");
    return colgroup;
}

void THtmlTable::DebutTable(int pclrg, int bordure, int espcell, int mrgcell, const QString& colswpctbl)
{
    // The capacity of the previous table's rows is kept: the note writes its
    // tables one after the other with the same writer.
    FLignes.resize(0);
    FLigLibre = 0;
    EnTete = QStringLiteral("<TABLE border=\"%1\" cellpadding=\"%2\" cellspacing=\"%3\" width=\"%4%\">")
                 .arg(bordure)
                 .arg(mrgcell)
                 .arg(espcell)
                 .arg(pclrg)
             + kCrLfHtml;
    if (!colswpctbl.isEmpty())
        EnTete += LireSpecColonnes(colswpctbl);
    if (SortieExterne)
        *SortieExterne += EnTete;
}

// The rows are written straight at the end of the table's text: a note of a
// thousand sections has a hundred thousand cells. Each cell's length is
// counted first, the text grown once, and the pieces copied in place; no
// temporary string is made, and no append is paid for piece by piece.

namespace {

// Writes the pieces of a cell into room already made in the text.
class TCurseur {
public:
    explicit TCurseur(QChar* position) : p_(position) {}
    void operator<<(QStringView piece)
    {
        // An empty piece may have no storage at all: nothing to copy.
        if (piece.isEmpty())
            return;
        std::memcpy(static_cast<void*>(p_), piece.data(), std::size_t(piece.size()) * sizeof(QChar));
        p_ += piece.size();
    }
    void operator<<(char16_t c) { *p_++ = QChar(c); }

private:
    QChar* p_;
};

// The decimal text of a whole number, without a QString.
class TEntierTexte {
public:
    explicit TEntierTexte(int valeur)
    {
        char chiffres[16];
        const char* fin = std::to_chars(chiffres, chiffres + sizeof chiffres, valeur).ptr;
        for (const char* c = chiffres; c != fin; ++c)
            texte_[taille_++] = char16_t(*c);
    }
    QStringView Vue() const { return QStringView(texte_, taille_); }

private:
    char16_t texte_[16] = {};
    qsizetype taille_ = 0;
};

// An attribute name="valeur<suffixe>" followed by a space.
qsizetype LongueurAttribut(QStringView nom, QStringView valeur, QStringView suffixe)
{
    return nom.size() + 2 + valeur.size() + suffixe.size() + 2;
}

void EcrireAttribut(TCurseur& c, QStringView nom, QStringView valeur, QStringView suffixe = {})
{
    c << nom;
    c << u"=\"";
    c << valeur;
    c << suffixe;
    c << u"\" ";
}

// Room for n more characters at the end of texte; where they start.
QChar* Agrandir(QString& texte, qsizetype n)
{
    const qsizetype avant = texte.size();
    texte.resize(avant + n);
    return texte.data() + avant;
}

} // namespace

void THtmlTable::DebutLigne(QStringView nomclasse, QStringView params)
{
    const bool classe = !nomclasse.isEmpty();
    const qsizetype n = 4 + (classe ? 7 + nomclasse.size() + 2 : 0) + params.size() + 1 + 2;
    TCurseur c(Agrandir(Lignes(), n));
    c << u"<TR ";
    if (classe)
        EcrireAttribut(c, u"class", nomclasse);
    c << params;
    c << u'>';
    c << u"\r\n";
}

void THtmlTable::Cellule(QStringView nomclasse, int rowspan, int colspan, int GCD1, int pos1, QStringView params,
                         QStringView texte, bool header)
{
    const char16_t lettre = header ? u'H' : u'D';
    // The attributes in the order they have always been written: class,
    // rowspan, colspan, width, align, then the caller's own.
    const TEntierTexte lignes(rowspan);
    const TEntierTexte colonnes(colspan);
    int largeur = 0;
    if (pos1 >= 1) {
        // Only declared columns count, so a cell wider than the declaration
        // states the width of the columns it really covers.
        for (qsizetype i = pos1 - 1; i < qsizetype(pos1) - 1 + colspan && i < Cols.size(); ++i)
            largeur += Cols[i].wcolpc;
    }
    const TEntierTexte largeurTexte(largeur);
    const QStringView alignement = VueNomAlignement(GCD1);
    const bool blanc = EstBlanc(texte);
    const QStringView contenu = blanc ? QStringView(u"&nbsp;") : texte;

    qsizetype n = 4 + params.size() + 1 + contenu.size() + 5 + 2;
    if (!nomclasse.isEmpty())
        n += LongueurAttribut(u"class", nomclasse, {});
    if (rowspan > 1)
        n += LongueurAttribut(u"rowspan", lignes.Vue(), {});
    if (colspan > 1)
        n += LongueurAttribut(u"colspan", colonnes.Vue(), {});
    if (largeur > 0)
        n += LongueurAttribut(u"width", largeurTexte.Vue(), u"%");
    if (!alignement.isEmpty())
        n += LongueurAttribut(u"align", alignement, {});

    TCurseur c(Agrandir(Lignes(), n));
    c << u"<T";
    c << lettre;
    c << u' ';
    if (!nomclasse.isEmpty())
        EcrireAttribut(c, u"class", nomclasse);
    if (rowspan > 1)
        EcrireAttribut(c, u"rowspan", lignes.Vue());
    if (colspan > 1)
        EcrireAttribut(c, u"colspan", colonnes.Vue());
    if (largeur > 0)
        EcrireAttribut(c, u"width", largeurTexte.Vue(), u"%");
    if (!alignement.isEmpty())
        EcrireAttribut(c, u"align", alignement);
    c << params;
    c << u'>';
    c << contenu;
    c << u"</T";
    c << lettre;
    c << u'>';
    c << u"\r\n";
}

void THtmlTable::FinLigne()
{
    TCurseur c(Agrandir(Lignes(), 9));
    c << u"</TR>\r\n\r\n";
    ++FLigLibre;
}

QString THtmlTable::FinTable() const
{
    static const QString fin = QStringLiteral("</TABLE>");
    // Sized once: the note's largest tables hold a row per section.
    QString table;
    table.reserve(EnTete.size() + FLignes.size() + fin.size());
    table += EnTete;
    table += FLignes;
    table += fin;
    return table;
}

void THtmlTable::TerminerTable()
{
    if (SortieExterne)
        *SortieExterne += u"</TABLE>";
}
