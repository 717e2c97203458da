#include "report/StyleSheet.h"

#include "util/TextFields.h"

namespace {

// Trims blanks and control characters at both ends.
QString Rogner(QStringView texte)
{
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut].unicode() <= 32)
        ++debut;
    while (fin > debut && texte[fin - 1].unicode() <= 32)
        --fin;
    return texte.mid(debut, fin - debut).toString();
}

QString RognerFin(const QString& texte)
{
    qsizetype fin = texte.size();
    while (fin > 0 && texte[fin - 1].unicode() <= 32)
        --fin;
    return texte.left(fin);
}

} // namespace

void TStyleSheet::InitStyles() { styles.clear(); }

void TStyleSheet::AjouterStyle(const QString& nomstyle, const QString& data)
{
    const QString prefixe = nomstyle + kTab;
    for (const QString& regle : styles)
        if (regle.startsWith(prefixe))
            return;

    QString regle = nomstyle;
    QString reste = data;
    while (!reste.isEmpty()) {
        const QString declaration = Rogner(ExtraireChamp(reste, QStringLiteral(";")));
        if (declaration.isEmpty())
            continue;
        const qsizetype deuxPoints = declaration.indexOf(u':');
        const QString nom = Rogner(deuxPoints < 0 ? QStringView(declaration) : QStringView(declaration).left(deuxPoints));
        const QString valeur = deuxPoints < 0 ? QString() : Rogner(QStringView(declaration).mid(deuxPoints + 1));
        if (nom.isEmpty())
            continue;
        regle += kTab + nom + QStringLiteral(": ") + valeur;
    }
    styles.append(regle);
}

QString TStyleSheet::HTML() const
{
    QString html = QStringLiteral("<style type=\"text/css\">") + kCrLf;
    for (const QString& entree : styles) {
        QString regle = RognerFin(entree);
        const qsizetype premierTab = regle.indexOf(kTab);
        if (premierTab >= 0) {
            regle.replace(premierTab, 1, QStringLiteral(" { "));
            regle.replace(kTab, QStringLiteral("; "));
        }
        html += regle + QStringLiteral(" }") + kCrLf;
    }
    html += QStringLiteral("</style>") + kCrLf;
    return html;
}
