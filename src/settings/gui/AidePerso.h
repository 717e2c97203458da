#pragma once

#include "settings/ShellOpen.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

// The menu "Aide personnalisée": one entry per memo file of the folder
// AIDE_PERSO, opened with the program the desktop associates with its type.
class TAidePerso : public QObject {
public:
    explicit TAidePerso(QObject* parent = nullptr);

    // Fills the menu with the memo files matching the mask, in the folder
    // AIDE_PERSO of dossierApplication (made when missing, see
    // PreparerDossierAidePerso). A name holding "&" is refused with a message.
    // Without any memo file, the menu holds one entry that tells where to put
    // them. Throws EInOutError when no folder could be made.
    void CreerMenuAidePerso(QMenu& menu, const QString& masque, const QString& dossierApplication);

    // The folder listed by the last CreerMenuAidePerso.
    const QString& Dossier() const { return FDossier; }

    // Opens the memo file the entry names.
    void APClick(const QAction& entree);
    // Tells the user where to put memo files.
    void APClickVide();

    // Replaces the desktop that opens the files (tests record the requests).
    void setOuvreur(TOuvreurFichiers ouvreur) { FOuvreur = std::move(ouvreur); }

private:
    QString FDossier;
    TOuvreurFichiers FOuvreur;
};
