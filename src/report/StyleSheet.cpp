#include "report/StyleSheet.h"

#include "util/TextFields.h"

namespace {

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
        const QString declaration = SansBlancs(ExtraireChamp(reste, QStringLiteral(";"))).toString();
        if (declaration.isEmpty())
            continue;
        const qsizetype deuxPoints = declaration.indexOf(u':');
        const QString nom = SansBlancs(deuxPoints < 0 ? QStringView(declaration) : QStringView(declaration).left(deuxPoints)).toString();
        const QString valeur = deuxPoints < 0 ? QString() : SansBlancs(QStringView(declaration).mid(deuxPoints + 1)).toString();
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
