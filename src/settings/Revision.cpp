#include "settings/Revision.h"

#include <QStringList>

#ifndef TOLVANE_VERSION
#define TOLVANE_VERSION ""
#endif

QString TexteRevision(const QString& version)
{
    QStringList nombres = version.trimmed().split(u'.');
    bool lisible = !nombres.isEmpty() && nombres.size() <= 4;
    for (const QString& nombre : std::as_const(nombres)) {
        bool ok = false;
        const uint valeur = nombre.toUInt(&ok);
        lisible = lisible && ok && nombre == QString::number(valeur);
    }
    if (!lisible)
        return QStringLiteral("informations de révision non accessibles");
    while (nombres.size() < 4)
        nombres.append(QStringLiteral("0"));
    return QStringLiteral("Révision ") + nombres.join(u'.');
}

QString NumRevision() { return TexteRevision(QStringLiteral(TOLVANE_VERSION)); }

void TChoixRevision::Charger(const QString& valeurStockee)
{
    FNePlusAfficher = valeurStockee == FRevision;
    FInitial = true;
}

bool TChoixRevision::AfficherAuDemarrage()
{
    const bool afficher = FInitial && !FNePlusAfficher;
    FInitial = false;
    return afficher;
}
