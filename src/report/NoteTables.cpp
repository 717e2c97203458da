#include "report/NoteTables.h"

#include <QHash>
#include <QRegularExpression>

namespace {

struct StyleClasse {
    bool gras = false;
    QColor fond;
};

QHash<QString, StyleClasse> LireClasses(const QString& html)
{
    QHash<QString, StyleClasse> classes;
    static const QRegularExpression regle(QStringLiteral("TD\\.(\\w+)\\s*\\{([^}]*)\\}"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression fond(QStringLiteral("background-color:\\s*(#[0-9A-Fa-f]{6})"));
    const qsizetype finStyle = html.indexOf(QStringLiteral("</style>"), 0, Qt::CaseInsensitive);
    const QStringView style = QStringView(html).left(finStyle < 0 ? 0 : finStyle);
    for (auto it = regle.globalMatch(style); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        StyleClasse c;
        c.gras = m.captured(2).contains(QStringLiteral("bold"), Qt::CaseInsensitive);
        if (const QRegularExpressionMatch f = fond.match(m.capturedView(2)); f.hasMatch())
            c.fond = QColor(f.captured(1));
        classes.insert(m.captured(1), c);
    }
    return classes;
}

// The value of one attribute of a tag's text, quoted or not; empty if absent.
QString Attribut(QStringView balise, QStringView nom)
{
    qsizetype i = 0;
    while ((i = balise.indexOf(nom, i, Qt::CaseInsensitive)) >= 0) {
        const qsizetype apres = i + nom.size();
        const bool debutMot = i == 0 || balise[i - 1].isSpace();
        if (debutMot && apres < balise.size() && balise[apres] == u'=') {
            qsizetype debut = apres + 1;
            if (debut < balise.size() && balise[debut] == u'"') {
                const qsizetype fin = balise.indexOf(u'"', debut + 1);
                return balise.mid(debut + 1, (fin < 0 ? balise.size() : fin) - debut - 1).toString();
            }
            qsizetype fin = debut;
            while (fin < balise.size() && !balise[fin].isSpace() && balise[fin] != u'>')
                ++fin;
            return balise.mid(debut, fin - debut).toString();
        }
        i = apres;
    }
    return {};
}

Qt::Alignment Alignement(const QString& mot, Qt::Alignment defaut)
{
    if (mot.compare(QStringLiteral("left"), Qt::CaseInsensitive) == 0)
        return Qt::AlignLeft;
    if (mot.compare(QStringLiteral("right"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    if (mot.compare(QStringLiteral("center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    return defaut;
}

QString Entite(QStringView nom)
{
    if (nom == u"nbsp")
        return QString(QChar(0x00A0));
    if (nom == u"lt")
        return QStringLiteral("<");
    if (nom == u"gt")
        return QStringLiteral(">");
    if (nom == u"amp")
        return QStringLiteral("&");
    if (nom == u"quot")
        return QStringLiteral("\"");
    if (nom.startsWith(u'#')) {
        bool ok = false;
        const uint code = nom.startsWith(u"#x", Qt::CaseInsensitive) ? nom.mid(2).toUInt(&ok, 16) : nom.mid(1).toUInt(&ok);
        if (ok && code > 0 && code <= 0x10FFFF)
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }
    return QStringLiteral("&") + nom.toString() + u';';
}

// A cell's content as plain text: tags dropped (a <br> is a line break),
// entities decoded, runs of blanks folded as a browser shows them.
QString TexteCellule(QStringView html)
{
    QString texte;
    texte.reserve(html.size());
    bool blanc = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == u'<' && i + 1 < html.size() && (html[i + 1].isLetter() || html[i + 1] == u'/')) {
            const qsizetype fin = html.indexOf(u'>', i);
            if (fin < 0)
                break;
            if (html.mid(i + 1, 2).compare(u"br", Qt::CaseInsensitive) == 0)
                texte += u'\n';
            i = fin;
            blanc = false;
            continue;
        }
        if (c == u'&') {
            const qsizetype fin = html.indexOf(u';', i);
            if (fin > i && fin - i <= 8) {
                texte += Entite(html.mid(i + 1, fin - i - 1));
                i = fin;
                blanc = false;
                continue;
            }
        }
        if (c.isSpace() && c != QChar(0x00A0)) {
            if (!blanc && !texte.isEmpty() && !texte.endsWith(u'\n'))
                texte += u' ';
            blanc = true;
            continue;
        }
        blanc = false;
        texte += c;
    }
    return texte.trimmed();
}

// The view's rewrite of a retouched page keeps bold and alignment only as
// inline styles of the paragraphs in a cell.
void StyleEnLigne(QStringView contenu, CelluleNote& cellule, bool alignementDonne)
{
    static const QRegularExpression graisse(QStringLiteral("font-weight:\\s*(bold|[6-9]00)"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression paragraphe(QStringLiteral("<p\\s[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    if (graisse.match(contenu).hasMatch())
        cellule.gras = true;
    if (alignementDonne)
        return;
    if (const QRegularExpressionMatch p = paragraphe.match(contenu); p.hasMatch())
        cellule.alignement = Alignement(Attribut(p.capturedView(), u"align"), cellule.alignement);
}

bool CommenceParUnNombre(const LigneNote& ligne)
{
    if (ligne.cellules.isEmpty())
        return false;
    bool ok = false;
    ligne.cellules.first().texte.toInt(&ok);
    return ok;
}

void MarquerEntetes(TableauNote& tableau)
{
    qsizetype premiereDonnee = -1;
    for (qsizetype i = 0; i < tableau.lignes.size() && premiereDonnee < 0; ++i)
        if (CommenceParUnNombre(tableau.lignes[i]))
            premiereDonnee = i;
    const qsizetype entetes = premiereDonnee >= 0 ? premiereDonnee : qMin<qsizetype>(1, tableau.lignes.size());
    // A table that is all heading has nothing to repeat it above.
    if (entetes >= tableau.lignes.size())
        return;
    for (qsizetype i = 0; i < entetes; ++i)
        tableau.lignes[i].entete = true;
}

// Column widths from the declared columns, or equal widths for the widest row.
void CompleterColonnes(TableauNote& tableau)
{
    double total = 0;
    for (const double l : tableau.colonnes)
        total += l;
    if (tableau.colonnes.isEmpty() || total <= 0) {
        int n = 1;
        for (const LigneNote& ligne : tableau.lignes) {
            int largeur = 0;
            for (const CelluleNote& c : ligne.cellules)
                largeur += c.colspan;
            n = qMax(n, largeur);
        }
        tableau.colonnes = QList<double>(n, 1.0 / n);
        tableau.alignements.resize(n, Qt::AlignHCenter);
        return;
    }
    for (double& l : tableau.colonnes)
        l /= total;
}

} // namespace

QList<TableauNote> LireTableauxNote(const QString& html, const QString& pageOrigine)
{
    QList<TableauNote> tableaux = LireTableauxNote(html);
    if (pageOrigine.isEmpty())
        return tableaux;
    const QList<TableauNote> origine = LireTableauxNote(pageOrigine);
    for (qsizetype i = 0; i < tableaux.size() && i < origine.size(); ++i)
        if (tableaux[i].colonnes.size() == origine[i].colonnes.size()) {
            tableaux[i].colonnes = origine[i].colonnes;
            tableaux[i].largeurPourcent = origine[i].largeurPourcent;
        }
    return tableaux;
}

QList<TableauNote> LireTableauxNote(const QString& html)
{
    const QHash<QString, StyleClasse> classes = LireClasses(html);
    static const QRegularExpression balise(QStringLiteral("<(/?)([A-Za-z]+)([^>]*)>"));
    QList<TableauNote> tableaux;
    TableauNote* tableau = nullptr;
    LigneNote* ligne = nullptr;
    CelluleNote* cellule = nullptr;
    qsizetype debutCellule = 0;
    bool alignementDonne = false;
    const QStringView page(html);
    for (auto it = balise.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool fermante = !m.capturedView(1).isEmpty();
        const QString nom = m.captured(2).toUpper();
        const QStringView attributs = m.capturedView(3);
        const bool finDeCellule = cellule && (nom == u"TD" || nom == u"TH" || nom == u"TR" || nom == u"TABLE");
        if (finDeCellule) {
            const QStringView contenu = page.mid(debutCellule, m.capturedStart() - debutCellule);
            cellule->texte = TexteCellule(contenu);
            StyleEnLigne(contenu, *cellule, alignementDonne);
            cellule = nullptr;
        }
        if (nom == u"TABLE") {
            if (fermante) {
                if (tableau) {
                    CompleterColonnes(*tableau);
                    MarquerEntetes(*tableau);
                }
                tableau = nullptr;
                ligne = nullptr;
                continue;
            }
            tableaux.append(TableauNote{});
            tableau = &tableaux.last();
            ligne = nullptr;
            const QString largeur = Attribut(attributs, u"width");
            if (largeur.endsWith(u'%'))
                tableau->largeurPourcent = qBound(1.0, largeur.chopped(1).toDouble(), 100.0);
            tableau->bordure = qBound(0, Attribut(attributs, u"border").toInt(), 20);
            tableau->marge = qBound(0, Attribut(attributs, u"cellpadding").toInt(), 50);
        } else if (!tableau) {
            continue;
        } else if (nom == u"COL" && !fermante) {
            tableau->colonnes.append(qMax(0.0, Attribut(attributs, u"width").remove(u'%').toDouble()));
            tableau->alignements.append(Alignement(Attribut(attributs, u"align"), Qt::AlignHCenter));
        } else if (nom == u"TR") {
            if (fermante) {
                ligne = nullptr;
            } else {
                tableau->lignes.append(LigneNote{});
                ligne = &tableau->lignes.last();
            }
        } else if ((nom == u"TD" || nom == u"TH") && !fermante) {
            if (!ligne) {
                tableau->lignes.append(LigneNote{});
                ligne = &tableau->lignes.last();
            }
            ligne->cellules.append(CelluleNote{});
            cellule = &ligne->cellules.last();
            cellule->colspan = qBound(1, Attribut(attributs, u"colspan").toInt(), 1000);
            int colonne = 0;
            for (qsizetype i = 0; i + 1 < ligne->cellules.size(); ++i)
                colonne += ligne->cellules[i].colspan;
            const Qt::Alignment parDefaut =
                colonne < tableau->alignements.size() ? tableau->alignements[colonne] : Qt::AlignHCenter;
            const QString align = Attribut(attributs, u"align");
            alignementDonne = !align.isEmpty();
            cellule->alignement = Alignement(align, parDefaut);
            const auto classe = classes.constFind(Attribut(attributs, u"class"));
            if (classe != classes.cend()) {
                cellule->gras = classe->gras;
                cellule->fond = classe->fond;
            }
            // A page the view rewrote (after retouches) says it with attributes.
            if (const QColor fond(Attribut(attributs, u"bgcolor")); !cellule->fond.isValid() && fond.isValid())
                cellule->fond = fond;
            cellule->gras = cellule->gras || nom == u"TH";
            debutCellule = m.capturedEnd();
        }
    }
    if (tableau) {
        CompleterColonnes(*tableau);
        MarquerEntetes(*tableau);
    }
    return tableaux;
}
