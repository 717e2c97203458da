#include "files/DocFich.h"

#include "files/AutoSaveRecovery.h"
#include "files/DocumentNames.h"
#include "files/DocumentReplacement.h"
#include "files/FileLocks.h"
#include "settings/WinReg.h"
#include "util/ApplicationFiles.h"
#include "util/DoUndo.h"
#include "util/Errors.h"
#include "util/FileDialogFilter.h"
#include "util/PlatformServices.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kTitreEnregistrer = QStringLiteral("enregistrer le document");
const QString kTitreOuvrir = QStringLiteral("ouvrir le document");
const QString kNonEnregistre = QStringLiteral("non enregistré.");
const QString kExtensionSvg = QStringLiteral(".SVG");

// Calls OnMaj when the operation ends, by whatever way it ends.
class MajALaFin {
public:
    explicit MajALaFin(std::function<void()> maj) : maj_(std::move(maj)) {}
    ~MajALaFin() { maj_(); }
    MajALaFin(const MajALaFin&) = delete;
    MajALaFin& operator=(const MajALaFin&) = delete;

private:
    std::function<void()> maj_;
};

// Nothing left once spaces and no-break spaces are removed.
bool estVide(const QString& path)
{
    return std::all_of(path.cbegin(), path.cend(), [](QChar c) { return c == u' ' || c == QChar(0x00A0); });
}

// The file may not be written: none of its write permissions is set, or this
// user may not write it.
bool attributLectureSeule(const QString& path)
{
    const QFileInfo info(path);
    const auto ecriture = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & ecriture) || !info.isWritable();
}

PlatformServices::Answer demanderOuiNon(const QString& question)
{
    return services().ask(question, PlatformServices::Buttons::YesNo);
}

} // namespace

TDocFich::TDocFich()
{
    FTimer.setInterval(0);
    connect(&FTimer, &QTimer::timeout, this, &TDocFich::TopSauvegardeAuto);
}

TDocFich::~TDocFich()
{
    CesserAttenteRepos();
    if (FFicActif && !FFicActif->FLectureSeule)
        Deverrouiller(FFicActif->FPathF);
}

void TDocFich::setDelaiSvgAuto(int minutes)
{
    if (minutes <= 0) {
        FTimer.stop();
        FTimer.setInterval(0);
        return;
    }
    FTimer.setInterval(minutes * 60000);
    FTimer.start();
}

void TDocFich::setDirDossDefaut(const QString& folder)
{
    QString path = folder.trimmed();
    if (path.isEmpty())
        path = QDir::currentPath();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    path = CheminComplet(path);
    if (!path.endsWith(u'/'))
        path += u'/';
    FDirDossDefaut = path;
}

void TDocFich::setFiltreModeles(const QString& filter)
{
    const QString trimmed = filter.trimmed();
    FFiltreModeles = trimmed.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath());
}

QStringList TDocFich::ModelesDisponibles() const
{
    if (FFiltreModeles.isEmpty())
        return {};
    const QFileInfo filter(FFiltreModeles);
    return QDir(filter.absolutePath()).entryList({filter.fileName()}, QDir::Files, QDir::Name);
}

QString TDocFich::PathFichier() const { return FFicActif ? FFicActif->FPathF : QString(); }

bool TDocFich::DocNouveau() const { return FFicActif && FFicActif->FDocNouveau; }

bool TDocFich::LectureSeule() const { return FFicActif && FFicActif->FLectureSeule; }

void TDocFich::setLectureSeule(bool readOnly)
{
    if (FFicActif)
        FFicActif->FLectureSeule = readOnly;
}

bool TDocFich::Modified() const { return FFicActif && FFicActif->Modified(); }

void TDocFich::setModified(bool modified)
{
    if (FFicActif)
        FFicActif->SetModified(modified);
}

QString TDocFich::DirWinTemp() const { return QDir::tempPath() + u'/'; }

QString TDocFich::FichierAide() const
{
    // Beside the executable, or where the installation put it.
    return NomFicAide.trimmed().isEmpty() ? QString() : CheminFichierApplication(NomFicAide.trimmed());
}

// Start-up and shut-down ---------------------------------------------------

void TDocFich::DebutAppli() { DebutAppli(QCoreApplication::arguments().mid(1)); }

void TDocFich::DebutAppli(const QStringList& arguments)
{
    MajALaFin maj([this] { Maj(); });
    FLigne = LireLigneDeCommande(arguments);
    FDirAppli = QCoreApplication::applicationDirPath() + u'/';
    FDirInitial = QDir::currentPath();
    FConfigActive = 0;
    if (CompWinReg) {
        bool nombre = false;
        const int config = FLigne.Valeur(QStringLiteral("CFG")).trimmed().toInt(&nombre);
        FConfigActive = nombre && config > 0 ? config : 0;
        try {
            CompWinReg->ChargeReg(FConfigActive);
        } catch (const std::exception&) {
            // The store said why; the application starts with its own values.
        }
    }
    if (OnDebutAppli)
        OnDebutAppli();
    if (!FLigne.FichierAOuvrir.isEmpty())
        AutoOuvrir(FLigne.FichierAOuvrir);
    else if (AutoOuvrirRecent && !Recents().isEmpty())
        OuvrirRecent(Recents().first());
}

void TDocFich::FinAppli()
{
    CesserAttenteRepos();
    FTimer.stop();
    if (CompWinReg)
        CompWinReg->RangeReg(FConfigActive);
    for (const QString& svg : std::as_const(FSLSVG))
        QFile::remove(svg);
    FSLSVG.clear();
    DeverrouillerTousLesAcces();
}

// New, open, close ---------------------------------------------------------

bool TDocFich::Nouveau()
{
    MajALaFin maj([this] { Maj(); });
    if (!VerifierModifs())
        return false;
    FermerFicActif();

    auto rec = std::make_unique<TCtrlFic>();
    QString modele = ModeleNouveau.trimmed();
    if (!modele.isEmpty() && !FFiltreModeles.isEmpty())
        modele = QFileInfo(FFiltreModeles).absolutePath() + u'/' + modele;
    const QString dossier = FDirDossDefaut.isEmpty() ? QDir::currentPath() + u'/' : FDirDossDefaut;
    // The counter runs for the whole life of the application: a discarded
    // NC02 is not offered again.
    do {
        ++FNumNouveau;
        rec->PathNv = dossier + NomNouveau(FormatNouveau, FNumNouveau) + u'.' + ExtensionFichiers;
    } while (QFileInfo::exists(rec->PathNv));

    bool ok = OnNouveau != nullptr;
    QString PF = rec->PathNv;
    if (ok) {
        try {
            OnNouveau(modele, PF, rec.get(), rec->FCompDoUndo, ok);
        } catch (const std::exception&) {
            ok = false;
        }
    }
    if (!ok)
        return false;
    rec->PathNv = PF;
    rec->FDocNouveau = true;
    rec->FLectureSeule = false;
    rec->SetModified(false);
    FFicActif = std::move(rec);
    return EnregistrerNouveau ? EnregistrerFic(*FFicActif) : true;
}

bool TDocFich::Ouvrir(const QString& Nom)
{
    MajALaFin maj([this] { Maj(); });
    if (!VerifierModifs())
        return false;
    FermerFicActif();
    if (!Nom.isEmpty()) {
        OuvrirFic(CheminComplet(Nom));
    } else {
        const auto choisi = services().openFileName(TitDialOuv.isEmpty() ? kTitreOuvrir : TitDialOuv, FDirDossDefaut,
                                                    FiltreDialogue(FiltreFichiers));
        if (choisi && !choisi->isEmpty()) {
            const QString PF = CheminComplet(*choisi);
            if (OuvrirFic(PF) && FDirDossDefaut.isEmpty())
                setDirDossDefaut(QFileInfo(PF).absolutePath());
        }
    }
    return DocActif();
}

void TDocFich::AutoOuvrir(const QString& PF) { OuvrirFic(CheminComplet(PF)); }

bool TDocFich::OuvrirRecent(const QString& PF)
{
    MajALaFin maj([this] { Maj(); });
    if (!VerifierModifs())
        return false;
    FermerFicActif();
    OuvrirFic(PF);
    return DocActif();
}

bool TDocFich::OuvrirFic(const QString& PF)
{
    MajALaFin maj([this] { Maj(); });
    const QFileInfo info(PF);
    if (PF.isEmpty())
        return false;
    // A document named on the command line or in the recent list may have
    // been moved or deleted since: the user is told rather than left guessing.
    if (!info.exists() || info.isDir()) {
        services().showMessage(QStringLiteral("Le document « %1 » est introuvable.").arg(QDir::toNativeSeparators(PF)),
                               PlatformServices::Icon::Warning);
        return false;
    }
    if (!OnLire)
        return false;

    auto rec = std::make_unique<TCtrlFic>();
    bool ok = true;
    int mode = kLireEdition;
    if (attributLectureSeule(PF)) {
        if (demanderOuiNon(QStringLiteral("le fichier est en lecture seule, ouvrir quand même?"))
            != PlatformServices::Answer::Yes)
            return false;
        rec->FLectureSeule = true;
        mode = kLireLectureSeule;
    } else if (Path2HF(PF)) {
        ok = demanderOuiNon(PF + QStringLiteral(" :\r") + QStringLiteral("document déjà ouvert\r")
                            + QStringLiteral("voulez-vous l'ouvrir en double?"))
             == PlatformServices::Answer::Yes;
        rec->FLectureSeule = true;
        mode = kLireLectureSeule;
    } else if (VerrouillerAcces != TSetVerr::vfAucun && !Verrouiller(PF)) {
        ok = demanderOuiNon(PF + QStringLiteral(" :\r") + QStringLiteral("document en cours d'utilisation, ne peut être ouvert\r")
                            + QStringLiteral("voulez-vous l'ouvrir en lecture seule?\r")
                            + QStringLiteral("Remarque : vos modifications ne seront pas enregistrées"))
             == PlatformServices::Answer::Yes;
        rec->FLectureSeule = true;
        mode = kLireLectureSeule;
    }

    // A side file newer than the document holds changes that a session ended
    // abnormally before saving them: the user chooses the version to open. A
    // copy opened read-only leaves it to the session that edits the document.
    if (ok && mode == kLireEdition) {
        if (const auto svg = SvgAbandonne(PF, FSLSVG)) {
            switch (DemanderRecuperation(PF, *svg)) {
            case ChoixRecuperation::OuvrirVersionRecuperee: rec->FFichierRecupere = *svg; break;
            case ChoixRecuperation::OuvrirDocument: break;
            case ChoixRecuperation::NePasOuvrir: ok = false; break;
            }
        }
    }

    bool modif = false;
    const auto lire = [&] {
        ok = true;
        modif = false;
        try {
            OnLire(PF, rec.get(), mode, rec->FCompDoUndo, ok, modif);
        } catch (const std::exception&) {
            ok = false;
        }
    };
    if (ok)
        lire();
    const QString recupere = rec->FFichierRecupere;
    rec->FFichierRecupere.clear();
    if (!ok && !recupere.isEmpty()) {
        // The application refused the side file (damaged, or no document at
        // all): the user still gets his document, and the side file stays.
        services().showMessage(QStringLiteral("La version enregistrée automatiquement « %1 » n'a pas pu être lue : "
                                              "le document est ouvert tel qu'il a été enregistré.")
                                   .arg(QDir::toNativeSeparators(recupere)),
                               PlatformServices::Icon::Warning);
        lire();
    } else if (ok && !recupere.isEmpty()) {
        // Recovered changes are unsaved changes. The side file now belongs to
        // this run: its automatic saves replace it and a normal end deletes it.
        modif = true;
        if (!FSLSVG.contains(recupere))
            FSLSVG.append(recupere);
    }
    if (!ok) {
        if (!rec->FLectureSeule)
            Deverrouiller(PF);
        return false;
    }
    // A second copy opened at start-up replaces the document the application
    // held: that one's lock goes with it.
    if (FFicActif) {
        const auto previous = std::move(FFicActif);
        if (!previous->FLectureSeule && previous->FPathF != PF)
            Deverrouiller(previous->FPathF);
    }
    rec->FDocNouveau = false;
    rec->FDocActif = true;
    AjouterRecent(PF);
    rec->FPathF = PF;
    rec->SetModified(modif);
    FFicActif = std::move(rec);
    if (OnAfterLire)
        OnAfterLire();
    return true;
}

TCtrlFic* TDocFich::Path2HF(const QString& PF) const
{
    // Two spellings of a path that differ in letter case are two files here.
    return FFicActif && !PF.isEmpty() && FFicActif->FPathF == PF ? FFicActif.get() : nullptr;
}

bool TDocFich::VerifierModifs()
{
    if (!FFicActif || !FFicActif->Modified())
        return true;
    const QString nom = FFicActif->FDocNouveau ? FFicActif->PathNv : FFicActif->FPathF;
    const auto answer = services().ask(nom + QStringLiteral(" : \r")
                                           + QStringLiteral("  les modifications de ce document ne sont pas enregistrées ;\r\n")
                                           + QStringLiteral("  faut-il les enregistrer ?"),
                                       PlatformServices::Buttons::YesNoCancel);
    switch (answer) {
    case PlatformServices::Answer::Yes:
        return FFicActif->FLectureSeule ? EnregistrerSous() : Enregistrer();
    case PlatformServices::Answer::No:
        return true;
    default:
        return false;
    }
}

bool TDocFich::Fermer(bool CheckSiModifie)
{
    MajALaFin maj([this] { Maj(); });
    if (CheckSiModifie && !VerifierModifs())
        return false;
    FermerFicActif();
    return true;
}

void TDocFich::FermerFicActif()
{
    MajALaFin maj([this] { Maj(); });
    if (!FFicActif)
        return;
    const auto rec = std::move(FFicActif);
    rec->SetModified(false);
    if (OnInit)
        OnInit();
    if (!rec->FLectureSeule)
        Deverrouiller(rec->FPathF);
}

// Save ---------------------------------------------------------------------

bool TDocFich::Enregistrer()
{
    MajALaFin maj([this] { Maj(); });
    return FFicActif ? EnregistrerFic(*FFicActif) : true;
}

bool TDocFich::EnregistrerSous()
{
    MajALaFin maj([this] { Maj(); });
    return FFicActif ? EnregistrerSousFic(*FFicActif) : false;
}

bool TDocFich::Renommer()
{
    if (!FFicActif)
        return false;
    const QString ancien = FFicActif->FPathF;
    const bool ok = EnregistrerSous();
    if (ok && !estVide(ancien) && FFicActif && ancien != FFicActif->FPathF)
        QFile::remove(ancien);
    return ok;
}

bool TDocFich::EnregistrerFic(TCtrlFic& rec)
{
    MajALaFin maj([this] { Maj(); });
    if (estVide(rec.FPathF) || rec.FLectureSeule)
        return EnregistrerSousFic(rec);
    return EcrireFic(rec, {});
}

bool TDocFich::EnregistrerSousFic(TCtrlFic& rec)
{
    MajALaFin maj([this] { Maj(); });
    const QString filtre = FiltreFichiersEcriture.isEmpty() ? FiltreFichiers : FiltreFichiersEcriture;
    const QString propose = CheminComplet(rec.FPathF.isEmpty() ? rec.PathNv : rec.FPathF);
    const auto choisi = services().saveFileName(TitDialEnr.isEmpty() ? kTitreEnregistrer : TitDialEnr, propose,
                                                FiltreDialogue(filtre));
    if (!choisi || estVide(*choisi))
        return false;
    const int entree = EntreeFiltrePourNom(filtre, *choisi);
    const QString nom = CheminComplet(NomEnregistrerSous(CheminComplet(*choisi), filtre, entree));
    if (QFileInfo::exists(nom)
        && demanderOuiNon(nom + QStringLiteral(" :\r ce fichier existe déjà ; voulez-vous le remplacer?"))
               != PlatformServices::Answer::Yes)
        return false;
    rec.TypeFichier = entree;
    return EcrireFic(rec, nom);
}

bool TDocFich::EcrireFic(TCtrlFic& rec, const QString& nouveauNom)
{
    MajALaFin maj([this] { Maj(); });
    if (!OnEcrire)
        return false;
    const bool nouveau = !estVide(nouveauNom);
    const QString PF = nouveau ? nouveauNom : rec.FPathF;
    const bool verrouNouveau = nouveau && VerrouillerAcces != TSetVerr::vfAucun;
    if (verrouNouveau && !Verrouiller(PF)) {
        services().showMessage(QStringLiteral("document en cours d'utilisation, ne peut être remplacé"));
        return false;
    }

    // The document keeps its lock on its current path until the new file is
    // written: a failed save as leaves it exactly as it was.
    bool ok = true;
    bool modif = false;
    try {
        if (nouveau)
            OnEcrire(PF, &rec, kEcrireNouveauChemin, rec.FCompDoUndo, ok, modif);
        else
            ok = EcrireSurPlace(rec, modif);
    } catch (...) {
        if (verrouNouveau)
            Deverrouiller(PF);
        throw;
    }
    if (!ok) {
        if (verrouNouveau)
            Deverrouiller(PF);
        return false;
    }
    if (nouveau && PF != rec.FPathF) {
        if (!rec.FLectureSeule && VerrouillerAcces != TSetVerr::vfAucun)
            Deverrouiller(rec.FPathF);
        // Written under its own new path, the document is no copy any more: it
        // is saved there from now on and its lock is released when it closes.
        rec.FLectureSeule = false;
    }
    rec.FDocNouveau = false;
    rec.SetModified(modif);
    AjouterRecent(PF);
    if (PF != rec.FPathF)
        rec.FPathF = PF;
    return true;
}

bool TDocFich::EcrireSurPlace(TCtrlFic& rec, bool& modif)
{
    const QString document = rec.FPathF;
    DocumentReplacement remplacement(document);
    if (const auto raison = remplacement.Preparer()) {
        services().showMessage(QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2").arg(document, *raison));
        return false;
    }
    // The application's writer marks the document saved; until the new file
    // is in place it is not.
    const bool etaitModifie = rec.Modified();
    const auto remettreModifie = [&] {
        if (etaitModifie && !rec.Modified())
            rec.SetModified(true);
    };
    bool ok = true;
    try {
        OnEcrire(remplacement.CheminTemporaire(), &rec, kEcrireChemin, rec.FCompDoUndo, ok, modif);
    } catch (const EInOutError& e) {
        remettreModifie();
        // The user knows the document by its name, not by the temporary one.
        QString message = e.message();
        throw EInOutError(message.replace(remplacement.CheminTemporaire(), document));
    } catch (...) {
        remettreModifie();
        throw;
    }
    if (!ok) {
        remettreModifie();
        return false;
    }
    const QString bak = CheminBak(document, FExtBak);
    if (!bak.isEmpty() && !remplacement.FaireBak(bak))
        services().showMessage(QStringLiteral("erreur à la création du bak de ") + document);
    if (const auto raison = remplacement.MettreEnPlace()) {
        remettreModifie();
        services().showMessage(QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2").arg(document, *raison));
        return false;
    }
    return true;
}

// Recent documents ---------------------------------------------------------

void TDocFich::AjouterRecent(const QString& PF) { FRecents.Ajouter(PF, MaxHisto); }

void TDocFich::GetHistoF()
{
    if (CompWinReg && !NomHisto.isEmpty())
        FRecents.ChargerTexte(CompWinReg->GetStr(NomHisto), MaxHisto);
}

void TDocFich::PutHistoF()
{
    if (CompWinReg && !NomHisto.isEmpty())
        CompWinReg->PutStr(NomHisto, FRecents.TexteEnregistre());
}

// Automatic save -----------------------------------------------------------

void TDocFich::TopSauvegardeAuto()
{
    FNeedSvg = true;
    AttendreRepos();
}

void TDocFich::AttendreRepos()
{
    if (FAttenteRepos)
        return;
    auto* dispatcher = QAbstractEventDispatcher::instance(thread());
    if (!dispatcher)
        return;
    // The save waits until the application has nothing else to do, then runs
    // from the event loop, never from inside the dispatcher.
    FAttenteRepos = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        CesserAttenteRepos();
        QMetaObject::invokeMethod(this, [this] { SurRepos(); }, Qt::QueuedConnection);
    });
}

void TDocFich::CesserAttenteRepos()
{
    if (FAttenteRepos)
        disconnect(FAttenteRepos);
    FAttenteRepos = {};
}

void TDocFich::SurRepos()
{
    CesserAttenteRepos();
    FTimer.stop();
    if (FNeedSvg && FFicActif)
        SvgAutoFic(*FFicActif);
    FNeedSvg = false;
    if (FTimer.interval() > 0)
        FTimer.start();
}

void TDocFich::SvgAutoFic(TCtrlFic& rec)
{
    // The document's checksums, not only its counter, tell that it changed.
    if (!OnEcrire || !rec.FCompDoUndo || !rec.Modified())
        return;
    const QString nom = NomFichierSvg(rec.FPathF.isEmpty() ? kNonEnregistre + ExtensionFichiers : rec.FPathF);
    if (!FSLSVG.contains(nom)) {
        if (QFileInfo::exists(nom) && !MettreDeCoteSvgPerime(nom))
            return;
        FSLSVG.append(nom);
    }
    bool ok = true;
    bool modif = false;
    try {
        OnEcrire(nom, &rec, kEcrireSvgAuto, rec.FCompDoUndo, ok, modif);
    } catch (...) {
        ok = false;
        services().showMessage(QStringLiteral("erreur à la sauvegarde automatique"));
    }
    // A copy beside the document saves nothing: the document is still as
    // modified as it was.
    if (!rec.Modified())
        rec.SetModified(true);
    if (ok)
        rec.NbModifsFichierSvg = rec.FCompDoUndo->NbModifsFichierCumulees();
}

bool TDocFich::MettreDeCoteSvgPerime(const QString& nomSvg)
{
    // Left by a session that ended abnormally: the user's last changes may be
    // in it, so it is kept under another name rather than overwritten.
    const QString stamp = QFileInfo(nomSvg).lastModified().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    const QString base = nomSvg.chopped(kExtensionSvg.size()) + u'.' + stamp;
    QString garde = base + kExtensionSvg;
    for (int n = 2; QFileInfo::exists(garde); ++n)
        garde = base + u'-' + QString::number(n) + kExtensionSvg;
    if (!QFile::rename(nomSvg, garde)) {
        services().showMessage(QStringLiteral("erreur à la sauvegarde automatique"));
        return false;
    }
    services().showMessage(
        QStringLiteral("une sauvegarde automatique laissée par une session interrompue a été conservée sous le nom :\r")
        + garde);
    return true;
}

// Locks --------------------------------------------------------------------

bool TDocFich::Verrouiller(const QString& PF) { return VerrouillerAccesAuFichier(PF, int(VerrouillerAcces)); }

void TDocFich::Deverrouiller(const QString& PF)
{
    if (!estVide(PF))
        DeverrouillerAccesAuFichier(PF);
}

void TDocFich::Maj()
{
    if (OnMaj)
        OnMaj();
}
