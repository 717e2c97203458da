#include "util/FileDialogFilter.h"

#include <QStringList>

QString FiltreDialogue(const QString& filtre)
{
    const QStringList champs = filtre.split(u'|');
    QStringList entrees;
    for (qsizetype i = 0; i + 1 < champs.size(); i += 2) {
        const QString libelle = champs[i].trimmed();
        const QString motifs = champs[i + 1].trimmed().replace(u';', u' ');
        // A label that already shows its patterns is what Qt reads them from.
        entrees.append(libelle.contains(u'(') ? libelle : libelle + QStringLiteral(" (") + motifs + u')');
    }
    return entrees.join(QStringLiteral(";;"));
}
