#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file as they are on the disk (empty when it cannot be read).
inline QByteArray OctetsFichier(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return fichier.readAll();
}

// Creates or replaces a file with exactly these bytes; false when it failed.
inline bool EcrireOctetsFichier(const QString& chemin, const QByteArray& octets)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(octets) == octets.size();
}
