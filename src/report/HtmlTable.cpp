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
    lignesHtml.clear();
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

void THtmlTable::DebutLigne(const QString& nomclasse, const QString& params)
{
    Flig = QStringLiteral("<TR ");
    if (!nomclasse.isEmpty())
        Flig += QStringLiteral("class=\"%1\" ").arg(nomclasse);
    Flig += params + QStringLiteral(">") + kCrLfHtml;
}

void THtmlTable::Cellule(const QString& nomclasse, int rowspan, int colspan, int GCD1, int pos1,
                         const QString& params, const QString& texte, bool header)
{
    QString attributs = params;
    const QString alignement = NomAlignement(GCD1);
    if (!alignement.isEmpty())
        attributs.prepend(QStringLiteral("align=\"%1\" ").arg(alignement));
    if (pos1 >= 1) {
        // Only declared columns count, so a cell wider than the declaration
        // states the width of the columns it really covers.
        int largeur = 0;
        for (qsizetype i = pos1 - 1; i < qsizetype(pos1) - 1 + colspan && i < Cols.size(); ++i)
            largeur += Cols[i].wcolpc;
        if (largeur > 0)
            attributs.prepend(QStringLiteral("width=\"%1%\" ").arg(largeur));
    }
    if (colspan > 1)
        attributs.prepend(QStringLiteral("colspan=\"%1\" ").arg(colspan));
    if (rowspan > 1)
        attributs.prepend(QStringLiteral("rowspan=\"%1\" ").arg(rowspan));
    if (!nomclasse.isEmpty())
        attributs.prepend(QStringLiteral("class=\"%1\" ").arg(nomclasse));

    const QChar lettre = header ? u'H' : u'D';
    Flig += QStringLiteral("<T") + lettre + u' ' + attributs + u'>' + (EstBlanc(texte) ? QStringLiteral("&nbsp;") : texte)
            + QStringLiteral("</T") + lettre + u'>' + kCrLfHtml;
}

void THtmlTable::FinLigne()
{
    Flig += QStringLiteral("</TR>") + kCrLfHtml;
    lignesHtml.append(Flig + kCrLfHtml);
    ++FLigLibre;
}

QString THtmlTable::FinTable() const
{
    static const QString fin = QStringLiteral("</TABLE>");
    qsizetype longueur = EnTete.size() + fin.size();
    for (const QString& ligne : lignesHtml)
        longueur += ligne.size();
    // Sized once: the note's largest tables hold a row per section.
    QString table;
    table.reserve(longueur);
    table += EnTete;
    for (const QString& ligne : lignesHtml)
        table += ligne;
    table += fin;
    return table;
}
