#include "settings/gui/AidePerso.h"

#include "settings/PersonalHelp.h"
#include "util/PlatformServices.h"

#include <QAction>
#include <QDir>
#include <QMenu>

TAidePerso::TAidePerso(QObject* parent)
    : QObject(parent)
{
}

void TAidePerso::CreerMenuAidePerso(QMenu& menu, const QString& masque, const QString& dossierApplication)
{
    menu.clear();
    FDossier = PreparerDossierAidePerso(dossierApplication);
    TFichiersAidePerso fichiers;
    {
        const WaitCursor sablier;
        fichiers = ListerAidePerso(FDossier, masque);
    }
    for (int i = 0; i < fichiers.refuses.size(); ++i)
        services().showMessage(kMessageEperluetteAidePerso, PlatformServices::Icon::Warning);
    for (const QString& nom : std::as_const(fichiers.noms)) {
        QAction* entree = menu.addAction(nom);
        entree->setObjectName(QStringLiteral("MiAidePerso"));
        connect(entree, &QAction::triggered, this, [this, entree] { APClick(*entree); });
    }
    if (fichiers.noms.isEmpty()) {
        QAction* explication = menu.addAction(QStringLiteral("Où placer vos aides-mémoire ?"));
        explication->setObjectName(QStringLiteral("MiAidePersoVide"));
        connect(explication, &QAction::triggered, this, [this] { APClickVide(); });
    }
    menu.setToolTipsVisible(true);
    menu.menuAction()->setStatusTip(QDir::toNativeSeparators(FDossier));
    menu.setEnabled(true);
}

void TAidePerso::APClick(const QAction& entree)
{
    // A desktop that adds accelerator letters to menus puts "&" in captions:
    // the file's name has none (such names are refused).
    const QString nom = entree.text().remove(u'&');
    OuvrirAvecShell(QDir(FDossier).filePath(nom), FOuvreur);
}

void TAidePerso::APClickVide()
{
    services().showMessage(kMessageAidePersoVide, PlatformServices::Icon::Information, QStringLiteral("Aide personnalisée"));
}
