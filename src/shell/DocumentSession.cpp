#include "shell/DocumentSession.h"

#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "editing/DcBaseRelais.h"
#include "editing/UndoRecords.h"
#include "model/ButtressText.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"

#include <exception>

namespace {

// The calculations among the objects of some tabs (the general page left out).
QList<TCalcul*> CalculsDe(const QList<TObjetEdite*>& objets)
{
    QList<TCalcul*> calculs;
    for (TObjetEdite* objet : objets)
        if (auto* calcul = dynamic_cast<TCalcul*>(objet))
            calculs.append(calcul);
    return calculs;
}

QString MessageException(const std::exception& e)
{
    if (const auto* t = dynamic_cast<const ETolvane*>(&e))
        return t->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

TDocumentSession::TDocumentSession(TVueSession& vue)
    : FVue(vue)
    , FObjetPG(std::make_unique<TObjTab>(QStringLiteral("PG")))
{
    FDC.setOnAfficher([this](TObjetEdite* p) { DCAfficher(p); });
    FDC.setOnLireFiche([this](TObjetEdite* p) { DCLireFiche(p); });
    FDC.setOnDataChanged([this](TDataControl&) { MAJCommandes(); });
    FDC.setOnRejouerDocument([this](const QString& donnees) { return RejouerProprietes(donnees); });
    // An undo or redo brings its tabs back: the document's selection follows,
    // so that the results and the outputs are those of the calculation shown.
    FDC.setOnSelectionRestauree([this] {
        MAJCalculs();
        MAJCommandes();
    });
    // A tab bar bound later (setTabControl) takes over both.
    FDC.setOnGetObjetsAEditer([this] { return FVue.ObjetsOngletsSel(); });
    FDC.setOnSetSelectionObjets([this](const QList<TObjetEdite*>& objets) { FVue.SelectionnerObjets(objets); });
    QObject::connect(&FDC, &TDataControl::boutonsAMettreAJour, &FDC, [this] { MAJCommandes(); });
}

TDocumentSession::~TDocumentSession()
{
    // The view may already be going: the history and the document go without
    // telling it.
    QObject::disconnect(&FDC, nullptr, nullptr, nullptr);
    FDC.Clear();
    FDocument.reset();
}

TDoUndo* TDocumentSession::CompteurModifications() { return FDocument ? &FDocument->DU : nullptr; }

TFichPb& TDocumentSession::NouveauDocument()
{
    LibererDocument();
    auto document = std::make_unique<TFichPb>();
    TDonneesAppli::Rappels rappels;
    rappels.resultatChange = [this](TDonneesAppli&) { FVue.RepeindreOnglets(); };
    rappels.afficherDonnees = [this](TDonneesAppli& DA) { FVue.AfficherDonnees(DA); };
    rappels.lireFiche = [this](TDonneesAppli& DA) { FVue.LireFiche(DA); };
    rappels.afficherVerdict = [this](TDonneesAppli& DA) { FVue.AfficherVerdict(DA); };
    document->SetRappelsModeles(std::move(rappels));
    FDocument = std::move(document);
    return *FDocument;
}

void TDocumentSession::LibererDocument()
{
    // The history names the document's objects: it goes first, then the tabs
    // that carry them, then the objects themselves.
    FDC.Clear();
    if (!FDocument)
        return;
    FVue.InitOnglets();
    FDocument.reset();
    FVue.RepeindreOnglets();
}

void TDocumentSession::ReprendreEmpreinteOnglets()
{
    // The document's lists follow the tab bar, so this is the text of the
    // tab bar itself: the general page, then the calculations in tab order.
    FDocument->CalCRCTabs(FDocument->TexteListeOnglets(FObjetPG.get()));
}

void TDocumentSession::DFNouveau(const QString& /*PathModele*/, const QString& PF, TDoUndo*& DU, bool& ok)
{
    ok = false;
    DU = nullptr;
    try {
        TFichPb& document = NouveauDocument();
        document.pathF = PF;
        FVue.InitOnglets();
        FVue.SelectionnerPageGenerale();
        MAJCalculs();
        // A new document that nobody touched is not modified: its tab list
        // is part of its clean state.
        ReprendreEmpreinteOnglets();
        document.DU.ClearActions();
        DU = &document.DU;
        ok = true;
        FVue.AfficherPage(TVueSession::Page::Generale);
        FDC.Afficher();
        MAJCommandes();
        FVue.DonnerFocusMemo();
    } catch (const std::exception&) {
        LibererDocument();
        DU = nullptr;
        ok = false;
        MAJCommandes();
    }
}

void TDocumentSession::DFLire(const QString& PF, int /*mode*/, TDoUndo*& DU, bool& ok, bool& modif,
                              const QString& source)
{
    ok = false;
    modif = false;
    DU = nullptr;
    try {
        TFichPb& document = NouveauDocument();
        const QString fichier = source.isEmpty() ? PF : source;
        VerifierFichierDocument(fichier);
        // A recovered version must be a whole document: anything else would
        // read as an empty one and, once saved, replace the user's document.
        if (!source.isEmpty() && !EstDocumentTolvane(source))
            throw EInOutError(
                QStringLiteral("La version enregistrée automatiquement %1 n'est pas un document Tolvane lisible.").arg(source));
        bool lu = false;
        document.Lire(fichier, lu, modif);
        if (!lu)
            throw EInOutError(
                QStringLiteral("Le document %1 ne peut pas être lu : %2").arg(fichier, document.DerniereErreur));
        document.pathF = PF;
        FVue.AjouterOnglets(document.Calculs());
        FVue.SelectionnerPageGenerale();
        SelectionOngletsChangee();
        DU = &document.DU;
        ok = true;
    } catch (const std::exception& e) {
        // A document that could not be read in full is not opened at all: a
        // later save would write what little was read over the user's file.
        LibererDocument();
        DU = nullptr;
        services().showMessage(MessageException(e), PlatformServices::Icon::Error);
    }
    AfficherTitre();
    if (FDocument) {
        ReprendreEmpreinteOnglets();
        FDocument->DU.SetModified(modif);
        FDC.Clear();
        FVue.RendreVisiblePremierOnglet();
        CalculerLesResultats(true, false);
    }
    MAJCommandes();
}

void TDocumentSession::DFEcrire(const QString& PF, int mode, TDoUndo*& DU, bool& ok, bool& modif)
{
    ok = false;
    modif = false;
    DU = CompteurModifications();
    if (!FDocument)
        return;
    try {
        if (mode == kModeSauvegardeAuto)
            EcrireAvecSaisieEnCours(PF);
        else
            FDocument->Ecrire(PF);
        // The automatic save to the side file is invisible to the user: his
        // undo history stays as it was.
        if (mode != kModeSauvegardeAuto)
            FDC.Clear();
        ok = true;
    } catch (const std::exception& e) {
        // The document stays open and modified; the user learns why, by the
        // name he knows: a save writes first to a temporary file beside it.
        QString message = MessageException(e);
        if (mode == kModeEnregistrer && !FDocument->pathF.isEmpty())
            message.replace(PF, FDocument->pathF);
        services().showMessage(message, PlatformServices::Icon::Error);
        MAJCommandes();
        return;
    }
    if (mode == kModeEnregistrerSous) {
        FDocument->pathF = PF;
        AfficherTitre();
    }
    MAJCommandes();
}

void TDocumentSession::EcrireAvecSaisieEnCours(const QString& PF)
{
    if (!FDC.SaisieEnCours()) {
        FDocument->Ecrire(PF);
        return;
    }
    struct Etat {
        TDonneesAppli* DA;
        TData data;
        std::uint32_t crc;
        std::uint32_t crcDisque;
    };
    std::vector<Etat> etats;
    const QString memo = FDocument->MemoFich;
    const QList<TObjetEdite*> selection = FVue.ObjetsOngletsSel();
    const auto remettre = [&] {
        for (Etat& e : etats) {
            e.DA->Data = std::move(e.data);
            e.DA->DA_CRC = e.crc;
            e.DA->DA_CRCdsk = e.crcDisque;
        }
        FDocument->MemoFich = memo;
        FDocument->CalCRC();
    };
    for (TObjetEdite* objet : selection) {
        if (objet == FObjetPG.get()) {
            TdcBaseRelais& relais = FVue.RelaisMemo();
            if (relais.SaisieEnCours() && relais.BROnLireCdS) {
                QString texte = memo;
                relais.BROnLireCdS(texte);
                FDocument->MemoFich = texte;
            }
        } else if (auto* calcul = dynamic_cast<TCalcul*>(objet)) {
            TDonneesAppli& DA = *calcul->DAP;
            const QString avant = DataVersTexte(DA.Data);
            QString apres = FVue.SaisieFicheEnCours(avant);
            if (apres == avant)
                continue;
            etats.push_back({&DA, DA.Data, DA.DA_CRC, DA.DA_CRCdsk});
            try {
                TData lu = DA.Data;
                TexteVersData(apres, lu);
                DA.Data = std::move(lu);
            } catch (const std::exception&) {
                // The text in progress cannot be read: the side file gets the
                // data as they are.
            }
        }
    }
    try {
        FDocument->Ecrire(PF);
    } catch (...) {
        remettre();
        throw;
    }
    remettre();
}

void TDocumentSession::DFInit()
{
    LibererDocument();
    FVue.ViderMemo();
    FVue.RetirerFocus();
    FDC.Init();
    FVue.AfficherPage(TVueSession::Page::Aucune);
    MAJCommandes();
}

void TDocumentSession::DCAfficher(TObjetEdite* Pdata)
{
    if (!FDocument)
        return;
    if (!Pdata) {
        FVue.AfficherPage(TVueSession::Page::Aucune);
    } else if (Pdata == FObjetPG.get()) {
        FVue.AfficherPage(TVueSession::Page::Generale);
        FVue.RelaisMemo().AfficherValeur(FDocument->MemoFich);
    } else if (auto* calcul = dynamic_cast<TCalcul*>(Pdata)) {
        FVue.AfficherPage(TVueSession::Page::Calcul);
        calcul->AfficherDonnees();
    }
}

void TDocumentSession::DCLireFiche(TObjetEdite* Pdata)
{
    if (!FDocument || !Pdata)
        return;
    if (Pdata == FObjetPG.get()) {
        QString memo = FDocument->MemoFich;
        if (FVue.RelaisMemo().LireValeur(memo))
            FDocument->MemoFich = memo;
        FDocument->CalCRC();
    } else if (auto* calcul = dynamic_cast<TCalcul*>(Pdata)) {
        calcul->LireFiche();
    }
}

TCalcul* TDocumentSession::NouveauCalcul() { return FDocument ? FDocument->NouveauCalcul() : nullptr; }

void TDocumentSession::OngletsChanges()
{
    if (FDocument) {
        MAJCalculs();
        ReprendreEmpreinteOnglets();
    }
    MAJCommandes();
    FDC.Afficher();
}

void TDocumentSession::SelectionOngletsChangee()
{
    const QList<TObjetEdite*> selection = FVue.ObjetsOngletsSel();
    if (selection.isEmpty())
        FVue.AfficherPage(TVueSession::Page::Aucune);
    else if (selection.front() == FObjetPG.get())
        FVue.AfficherPage(TVueSession::Page::Generale);
    else
        FVue.AfficherPage(TVueSession::Page::Calcul);
    MAJCalculs();
    MAJCommandes();
    FDC.Afficher();
}

void TDocumentSession::Calculer()
{
    if (FDocument)
        FDocument->CalculerTout();
    FDC.Afficher();
}

void TDocumentSession::CalculerLesResultats(bool tout, bool AvecValidation)
{
    if (!FDocument)
        return;
    // The selection as the tab bar shows it now, whatever changed it.
    if (!tout)
        MAJCalculs();
    const QList<TCalcul*> calculs = tout ? FDocument->Calculs() : FDocument->CalculsSel();
    try {
        for (TCalcul* calcul : calculs)
            SignalerIssue(calcul->Calculer(AvecValidation));
    } catch (const std::exception&) {
        // A calculation catches its own failures; what escapes comes from a
        // callback of the view (repainting a tab) and ends the round: the
        // next display shows what was computed.
    }
}

const QString TDocumentSession::kLibelleProprietes = QStringLiteral("propriétés du fichier");

bool TDocumentSession::ModifierProprietes(const QStringList& entrees)
{
    if (!FDocument)
        return false;
    // A pending edit of the memo or of a sheet is an earlier step: it goes
    // first in the history.
    FDC.EnregistrerChangements();
    TFileHeader& FH = FDocument->FH;
    const QStringList avant = FH.Strings();
    if (entrees == avant)
        return false;
    FH.RemplacerProprietes(entrees);
    // One entry per line: an entry never holds a line break (BEL stands for it).
    FDC.AjouterAction(kGenreDocument, kLibelleProprietes, QString(), avant.join(kCrLf));
    MAJCommandes();
    return true;
}

QString TDocumentSession::RejouerProprietes(const QString& donnees)
{
    // The history is emptied before the document goes: without one there is
    // nothing to swap.
    if (!FDocument)
        return donnees;
    TFileHeader& FH = FDocument->FH;
    const QString actuelles = FH.Strings().join(kCrLf);
    FH.RemplacerProprietes(donnees.split(kCrLf, Qt::SkipEmptyParts));
    return actuelles;
}

void TDocumentSession::MAJCalculs()
{
    if (!FDocument)
        return;
    FDocument->SetCalculs(CalculsDe(FVue.ObjetsOnglets()));
    FDocument->SetCalculsSel(CalculsDe(FVue.ObjetsOngletsSel()));
}

void TDocumentSession::MAJCommandes()
{
    TVueSession::EtatCommandes etat;
    if (FDocument) {
        // A value being typed counts: Ctrl+S records it, then saves.
        etat.enregistrer = FDocument->DU.Modified() || FDC.SaisieEnCours();
        etat.enregistrerSous = etat.fermer = etat.calcul = etat.onglets = etat.proprietes = true;
        etat.defaire = FDC.UndoPossible();
        etat.refaire = FDC.RedoPossible();
    }
    FVue.AppliquerCommandes(etat);
}

QString TitreFenetre(const QString& cheminDocument)
{
    return QStringLiteral("Tolvane : ")
        + (cheminDocument.isEmpty() ? QStringLiteral("(rien en cours)") : cheminDocument);
}

QString TDocumentSession::Titre() const { return TitreFenetre(FDocument ? FDocument->pathF : QString()); }

void TDocumentSession::AfficherTitre() { FVue.AfficherTitre(Titre()); }
