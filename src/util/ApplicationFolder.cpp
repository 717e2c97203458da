#include "util/ApplicationFolder.h"

#include <QCoreApplication>

namespace {

QString& DossierChoisi()
{
    static QString dossier;
    return dossier;
}

} // namespace

QString DossierApplication()
{
    const QString& choisi = DossierChoisi();
    return choisi.isEmpty() ? QCoreApplication::applicationDirPath() : choisi;
}

void setDossierApplication(const QString& dossier) { DossierChoisi() = dossier; }
