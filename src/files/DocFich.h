#pragma once

#include "files/CommandLine.h"
#include "files/CtrlFic.h"
#include "files/RecentFiles.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class TDoUndo;
class TWinReg;

// How a document is locked against use by another instance: not at all, under
// the computer's name or under the user's name (the lock modes of FileLocks.h).
enum class TSetVerr { vfAucun = 0, vfNomPC = 1, vfNomUtil = 2 };

// The document component of the main window: creates, opens, saves, saves
// under another name and closes the one document the application works on,
// keeps the recent documents, saves a changed document to a side file at idle
// time, guards documents with lock files, and runs the application's start-up
// and shut-down around them. It never reads or writes a document itself: the
// application does it in the hooks below. Questions, messages and file
// dialogs go through the platform services. Every operation ends with OnMaj.
//
// One document at a time: opening or creating one closes the current one
// first, after asking about its unsaved changes.
class TDocFich : public QObject {
public:
    using TProcEvent = std::function<void()>;
    // PathModele: template file (may be empty); PF: path of the new document;
    // HF: its record; DU: the application hands back the document's
    // modification counter; ok enters true and stays true to accept.
    using TNvEvent = std::function<void(const QString& PathModele, QString& PF, TCtrlFic* HF, TDoUndo*& DU, bool& ok)>;
    // PF: file path; mode: see below; ok enters true and reports success;
    // modif enters false and gives the document's modified state afterwards.
    using TLecEcrEvent =
        std::function<void(const QString& PF, TCtrlFic* HF, int mode, TDoUndo*& DU, bool& ok, bool& modif)>;

    // Modes of OnLire.
    static constexpr int kLireEdition = 0;
    static constexpr int kLireLectureSeule = 4;
    // Modes of OnEcrire. Saving under the current path writes into PF, a
    // temporary file beside the document, which the component then puts in
    // place (the document keeps its path). The side-file save writes a copy:
    // the application must leave the edit history as it is; the component
    // keeps the modified state as it was.
    static constexpr int kEcrireChemin = 1;
    static constexpr int kEcrireNouveauChemin = 2;
    static constexpr int kEcrireSvgAuto = 3;

    TDocFich();
    // Gives back every open document's lock; files are not saved.
    ~TDocFich() override;
    TDocFich(const TDocFich&) = delete;
    TDocFich& operator=(const TDocFich&) = delete;

    // Hooks of the application.
    TProcEvent OnInit;       // the active document is closed: discard its data
    TNvEvent OnNouveau;      // create the content of a new document
    TLecEcrEvent OnLire;     // read a document file
    TLecEcrEvent OnEcrire;   // write a document file
    TProcEvent OnDebutAppli; // start-up, once the settings are loaded
    TProcEvent OnMaj;        // refresh the commands after any operation
    TProcEvent OnAfterLire;  // after a successful open

    // Settings given by the application.
    bool AutoOuvrirRecent = false;
    QString ExtensionFichiers;
    // "label|pattern|label|pattern..."
    QString FiltreFichiers;
    QString FiltreFichiersEcriture;
    // Size at which the recent list drops its oldest entry; 0 never drops.
    int MaxHisto = 8;
    // Settings value of the recent list.
    QString NomHisto;
    // Help file, in the application's folder.
    QString NomFicAide;
    // Settings store (not owned); none: nothing is loaded or stored.
    TWinReg* CompWinReg = nullptr;
    QString TitDialEnr;
    QString TitDialOuv;
    TSetVerr VerrouillerAcces = TSetVerr::vfAucun;
    // Save a new document upon creation.
    bool EnregistrerNouveau = false;
    // Name pattern of new documents, one integer ("NC%2.2d"); empty gives "Nouveau%d".
    QString FormatNouveau;
    // Template chosen for the next new document (a file name in the folder of
    // FiltreModeles); empty for an empty document.
    QString ModeleNouveau;

    // Backup rule: "+bak" saves the previous version as document + ".bak".
    const QString& ExtBak() const { return FExtBak; }
    void setExtBak(const QString& rule) { FExtBak = rule.trimmed(); }

    // Automatic-save period in minutes; 0 stops it.
    int DelaiSvgAuto() const { return FTimer.interval() / 60000; }
    void setDelaiSvgAuto(int minutes);

    // Default document folder, always ending with "/"; empty gives the current folder.
    const QString& DirDossDefaut() const { return FDirDossDefaut; }
    void setDirDossDefaut(const QString& folder);
    // Templates offered for new documents: a path with wildcards.
    const QString& FiltreModeles() const { return FFiltreModeles; }
    void setFiltreModeles(const QString& filter);
    // The template files FiltreModeles finds (file names without folder).
    QStringList ModelesDisponibles() const;

    // The active document.
    bool DocActif() const { return FFicActif != nullptr; }
    TCtrlFic* FicActif() const { return FFicActif.get(); }
    QString PathFichier() const;
    bool DocNouveau() const;
    bool LectureSeule() const;
    void setLectureSeule(bool readOnly);
    bool Modified() const;
    void setModified(bool modified);

    // Folder of the executable, with its trailing "/"; current folder at start-up.
    const QString& DirAppli() const { return FDirAppli; }
    const QString& DirInitial() const { return FDirInitial; }
    QString DirWinTemp() const;
    // The help file with its folder (beside the executable, else in the
    // installed share/tolvane); empty without NomFicAide.
    QString FichierAide() const;
    const QStringList& ParamsLC() const { return FLigne.Params; }
    int ConfigActive() const { return FConfigActive; }
    // The command line holds the switch nom with an empty value ("/X": Switch("x")).
    bool Switch(const QString& nom) const { return FLigne.Switch(nom); }

    // Start-up, once the main window is ready: reads the command line (the
    // process's, or the arguments given, program name excluded), loads the
    // settings configuration /CFG:n, runs OnDebutAppli and opens the document
    // named on the command line.
    void DebutAppli();
    void DebutAppli(const QStringList& arguments);
    // Shut-down: stores the settings, deletes the side files of this run and
    // releases every lock.
    void FinAppli();

    // Creates a new document named after FormatNouveau in DirDossDefaut.
    bool Nouveau();
    // Opens Nom, or the file chosen in a dialog when Nom is empty; true when a
    // document is active afterwards.
    // A document opened for editing whose automatic-save side file is newer,
    // left by an abnormal end, first asks which version to open
    // (AutoSaveRecovery.h); the recovered one is read through OnLire with
    // HF->FFichierRecupere set and comes back modified.
    bool Ouvrir(const QString& Nom = {});
    // Opens PF without closing the current document first (start-up).
    void AutoOuvrir(const QString& PF);
    // Opens a document of the recent list (its path).
    bool OuvrirRecent(const QString& PF);
    // Closes the active document, asking about unsaved changes first when
    // CheckSiModifie; false when the user cancels.
    bool Fermer(bool CheckSiModifie);
    // Saves the active document (true without one). An exception of OnEcrire
    // reaches the caller.
    bool Enregistrer();
    // Saves the active document under a name chosen in a dialog.
    bool EnregistrerSous();
    // EnregistrerSous, then the file under the old path is deleted.
    bool Renommer();

    // The recent documents, most recent first.
    const QStringList& Recents() const { return FRecents.Entrees(); }
    // Loads / stores the recent list through CompWinReg under NomHisto.
    void GetHistoF();
    void PutHistoF();

    // The active document's record when its path is PF.
    TCtrlFic* Path2HF(const QString& PF) const;

    // The side files written by automatic saves during this run.
    const QStringList& FichiersSvg() const { return FSLSVG; }

    // The automatic-save period has elapsed: the save runs at the next idle time.
    void TopSauvegardeAuto();
    // Idle time: runs the pending automatic save, then starts the next period.
    void SurRepos();

private:
    bool VerifierModifs();
    void FermerFicActif();
    bool OuvrirFic(const QString& PF);
    bool EnregistrerFic(TCtrlFic& rec);
    bool EnregistrerSousFic(TCtrlFic& rec);
    bool EcrireFic(TCtrlFic& rec, const QString& nouveauNom);
    bool EcrireSurPlace(TCtrlFic& rec, bool& modif);
    void SvgAutoFic(TCtrlFic& rec);
    bool MettreDeCoteSvgPerime(const QString& nomSvg);
    void AjouterRecent(const QString& PF);
    bool Verrouiller(const QString& PF);
    void Deverrouiller(const QString& PF);
    void Maj();
    void AttendreRepos();
    void CesserAttenteRepos();

    std::unique_ptr<TCtrlFic> FFicActif;
    TListeRecents FRecents;
    QStringList FSLSVG;
    LigneDeCommande FLigne;
    int FNumNouveau = 0;
    int FConfigActive = 0;
    QString FExtBak;
    QString FDirDossDefaut;
    QString FFiltreModeles;
    QString FDirAppli;
    QString FDirInitial;
    QTimer FTimer;
    bool FNeedSvg = false;
    QMetaObject::Connection FAttenteRepos;
};
