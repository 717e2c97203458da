#include "report/HtmlTable.h"

#include "util/TextFields.h"

namespace {

const QString kCrLfHtml = QStringLiteral("\r\n");

bool EstBlanc(const QString& texte)
{
    for (const QChar c : texte)
        if (c.unicode() > 32)
            return false;
    return true;
}

} // namespace

QString NomAlignement(int GCD1)
{
    switch (GCD1) {
    case 1: return QStringLiteral("left");
    case 2: return QStringLiteral("center");
    case 3: return QStringLiteral("right");
    default: return {};
    }
}

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
}

// The rows are written straight at the end of the table's text, piece by
// piece: a note of a thousand sections has a hundred thousand cells, and
// building each one from temporary strings cost more than the rest of the note.

void THtmlTable::DebutLigne(const QString& nomclasse, const QString& params)
{
    FLignes += u"<TR ";
    if (!nomclasse.isEmpty()) {
        FLignes += u"class=\"";
        FLignes += nomclasse;
        FLignes += u"\" ";
    }
    FLignes += params;
    FLignes += u'>';
    FLignes += kCrLfHtml;
}

namespace {

void AjouterAttributEntier(QString& texte, QStringView nom, int valeur, QStringView suffixe = {})
{
    texte += nom;
    texte += u"=\"";
    texte += QString::number(valeur);
    texte += suffixe;
    texte += u"\" ";
}

} // namespace

void THtmlTable::Cellule(const QString& nomclasse, int rowspan, int colspan, int GCD1, int pos1,
                         const QString& params, const QString& texte, bool header)
{
    const char16_t lettre = header ? u'H' : u'D';
    FLignes += u"<T";
    FLignes += lettre;
    FLignes += u' ';
    // The attributes in the order they have always been written: class,
    // rowspan, colspan, width, align, then the caller's own.
    if (!nomclasse.isEmpty()) {
        FLignes += u"class=\"";
        FLignes += nomclasse;
        FLignes += u"\" ";
    }
    if (rowspan > 1)
        AjouterAttributEntier(FLignes, u"rowspan", rowspan);
    if (colspan > 1)
        AjouterAttributEntier(FLignes, u"colspan", colspan);
    if (pos1 >= 1) {
        // Only declared columns count, so a cell wider than the declaration
        // states the width of the columns it really covers.
        int largeur = 0;
        for (qsizetype i = pos1 - 1; i < qsizetype(pos1) - 1 + colspan && i < Cols.size(); ++i)
            largeur += Cols[i].wcolpc;
        if (largeur > 0)
            AjouterAttributEntier(FLignes, u"width", largeur, u"%");
    }
    const QString alignement = NomAlignement(GCD1);
    if (!alignement.isEmpty()) {
        FLignes += u"align=\"";
        FLignes += alignement;
        FLignes += u"\" ";
    }
    FLignes += params;
    FLignes += u'>';
    if (EstBlanc(texte))
        FLignes += u"&nbsp;";
    else
        FLignes += texte;
    FLignes += u"</T";
    FLignes += lettre;
    FLignes += u'>';
    FLignes += kCrLfHtml;
}

void THtmlTable::FinLigne()
{
    FLignes += u"</TR>";
    FLignes += kCrLfHtml;
    FLignes += kCrLfHtml;
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
