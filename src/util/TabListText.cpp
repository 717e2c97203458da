#include "util/TabListText.h"

QString IdentiteOnglet(const TObjetEdite* objet) { return QString::number(objet ? objet->NumeroSerie() : 0); }

TObjetEdite* ObjetDIdentiteOnglet(const QString& identite)
{
    bool ok = false;
    const qulonglong numero = identite.trimmed().toULongLong(&ok);
    return ok ? TObjetEdite::ParNumero(numero) : nullptr;
}

QString TexteListeOnglets(const QStringList& noms, const QList<const TObjetEdite*>& objets)
{
    QStringList identites;
    identites.reserve(objets.size());
    for (const TObjetEdite* objet : objets)
        identites.append(IdentiteOnglet(objet));
    return noms.join(QStringLiteral("\r\n")) + u'\t' + identites.join(u' ');
}
