#pragma once

#include <QString>

class TDocumentSession;

// The "&Fichiers" commands on the document session: new, open, save, save
// under a new name and close, with their dialogs and their question about
// unsaved changes through the platform services. Each answers whether it went
// through; a refusal or a Cancel leaves the open document as it was.
class TCommandesDocument {
public:
    // The session must outlive the commands.
    explicit TCommandesDocument(TDocumentSession& session);

    // The filter of the file dialogs.
    static QString Filtre();

    // Folder proposed by the dialogs and where new documents are named.
    const QString& DossierParDefaut() const { return FDossier; }
    void setDossierParDefaut(const QString& dossier) { FDossier = dossier; }

    // A new empty document "NC01.Tolvane", "NC02.Tolvane"... in the default
    // folder, after the open one is closed. It is saved under a name of the
    // user's choice the first time.
    bool Nouveau();
    // Opens PF, or the file the user chooses when PF is empty, after the open
    // document is closed.
    bool Ouvrir(const QString& PF = {});
    // Saves the open document (true without one); a new one asks for a name.
    bool Enregistrer();
    bool EnregistrerSous();
    // Closes the open document; with CheckSiModifie, unsaved changes are
    // offered to be saved first and Cancel keeps the document open.
    bool Fermer(bool CheckSiModifie);

    // The open document was created by Nouveau and never saved.
    bool DocNouveau() const { return FDocNouveau; }
    // Whether the open document has unsaved changes.
    bool Modified() const;

private:
    bool Ecrire(const QString& PF, int mode);

    TDocumentSession& FSession;
    QString FDossier;
    bool FDocNouveau = false;
    int FNumeroNouveau = 0;
};
