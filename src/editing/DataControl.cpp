#include "editing/DataControl.h"

#include "editing/DcBaseRelais.h"
#include "editing/DcOnglets.h"
#include "util/ObjetEdite.h"
#include "editing/UndoRecords.h"
#include "util/PlatformServices.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

std::vector<TDataControl*>& listeDataControls()
{
    static std::vector<TDataControl*> controles;
    return controles;
}

// A change check never runs inside another, whichever data control runs it.
int compteurVerification = 0;

class CompteurVerification {
public:
    CompteurVerification() { ++compteurVerification; }
    ~CompteurVerification() { --compteurVerification; }
    CompteurVerification(const CompteurVerification&) = delete;
    CompteurVerification& operator=(const CompteurVerification&) = delete;
};

// Runs an action when the scope ends, also on an exception.
template <typename F>
class AlaFin {
public:
    explicit AlaFin(F action) : action_(std::move(action)) {}
    ~AlaFin() { action_(); }
    AlaFin(const AlaFin&) = delete;
    AlaFin& operator=(const AlaFin&) = delete;

private:
    F action_;
};

} // namespace

const std::vector<TDataControl*>& TousLesDataControls() { return listeDataControls(); }

void EnregistrerTousChangements()
{
    const std::vector<TDataControl*> controles = listeDataControls();
    for (TDataControl* dc : controles)
        dc->EnregistrerChangements();
}

TdcOnglets::~TdcOnglets()
{
    for (TDataControl* dc : listeDataControls())
        if (dc->TabControl() == this)
            dc->setTabControl(nullptr);
}

TDataControl::TDataControl(QObject* parent) : QObject(parent)
{
    listeDataControls().push_back(this);
    // A zero-delay timer runs once the pending events are processed: the
    // display waits for idle time, and any number of requests give one cycle.
    FTimerInactivite.setSingleShot(true);
    FTimerInactivite.setInterval(0);
    connect(&FTimerInactivite, &QTimer::timeout, this, &TDataControl::Rafraichir);
}

TDataControl::~TDataControl()
{
    FOnAfficher = nullptr;
    std::erase(listeDataControls(), this);
    for (TdcBaseRelais* relais : TousLesRelais())
        if (relais->BRDataControl == this)
            relais->BRDataControl = nullptr;
}

std::vector<TdcBaseRelais*> TDataControl::Relais() const
{
    std::vector<TdcBaseRelais*> miens;
    for (TdcBaseRelais* relais : TousLesRelais())
        if (relais->BRDataControl == this)
            miens.push_back(relais);
    return miens;
}

void TDataControl::Afficher()
{
    DemandeRaff = true;
    if (!FTimerInactivite.isActive())
        FTimerInactivite.start();
}

void TDataControl::Rafraichir()
{
    // A request made while values are being shown waits for the end of that
    // cycle, which asks for idle time again.
    if (!DemandeRaff || FAffichageEnCours)
        return;
    DemandeRaff = false;
    CycleAffichage();
}

void TDataControl::CycleAffichage()
{
    FAffichageAttendu = false;
    if (!FOnAfficher)
        return;
    ++FNumRaff;
    FAffichageEnCours = true;
    const auto relais = Relais();
    for (TdcBaseRelais* r : relais)
        r->NouveauCycle();
    try {
        const TAffLireDataEvent afficher = FOnAfficher;
        const QList<TObjetEdite*> objets = ObjetsAEditer();
        if (objets.isEmpty()) {
            afficher(nullptr);
        } else {
            for (TObjetEdite* objet : objets) {
                afficher(objet);
                for (TdcBaseRelais* r : Relais())
                    r->ObjetFait();
            }
        }
    } catch (...) {
        // A display hook that fails ends the cycle; the values already shown stay.
    }
    QCoreApplication::processEvents();
    FAffichageEnCours = false;
    if (DemandeRaff && !FTimerInactivite.isActive())
        FTimerInactivite.start();
}

void TDataControl::EnregistrerChangements() { VerifierChangements(); }

void TDataControl::VerifierChangements()
{
    if (TousLesRelais().empty() || compteurVerification > 0 || FAffichageEnCours || FUndoRedoEnCours
        || FAffichageAttendu || (FFormeActive && !FFormeActive()))
        return;
    CompteurVerification garde;
    // A value still in its editor is the user's as much as a confirmed one.
    for (TdcBaseRelais* r : Relais())
        r->ValiderSaisie();
    bool changed = false;
    for (TdcBaseRelais* r : Relais())
        if (r->TesterModif())
            changed = true;
    if (changed) {
        LireEtEnregistrer();
        Afficher();
        if (FOnDataChanged)
            FOnDataChanged(*this);
    }
}

bool TDataControl::SaisieEnCours() const
{
    if (FAffichageEnCours || FUndoRedoEnCours || FAffichageAttendu)
        return false;
    for (TdcBaseRelais* r : Relais())
        if (r->SaisieEnCours())
            return true;
    return false;
}

void TDataControl::LireEtEnregistrer()
{
    if (!FOnLireFiche)
        return;
    // Whatever happens, what the relays held is read: nothing of it may be
    // applied a second time by a later check.
    AlaFin lectureTerminee([this] {
        for (TdcBaseRelais* r : Relais())
            r->LectureTerminee();
    });
    try {
        for (TdcBaseRelais* r : Relais())
            r->NouveauCycle();
        const TAffLireDataEvent lire = FOnLireFiche;
        const QList<TObjetEdite*> objets = ObjetsAEditer();
        for (TObjetEdite* objet : objets)
            lire(objet);

        // Without a command label, the record takes the label of the first
        // changed relay.
        QString libelle = FURtext;
        bool libelleFixe = !libelle.isEmpty();
        QString donnees;
        bool effet = false;
        for (TdcBaseRelais* r : Relais()) {
            if (!r->dcModif)
                continue;
            if (!libelleFixe) {
                libelle = r->BRURtext;
                libelleFixe = true;
            }
            donnees += ReferenceObjet(r) + kSepChamp + r->BRValPrec + kSepChamp;
            effet = effet || r->FValeurChangee;
        }
        // A read that wrote back only the values the objects already held
        // (a second check before the display caught up) changes nothing and
        // leaves no step to undo.
        if (effet)
            AjouterAction(kGenreEdition, libelle, TexteReferences(objets), donnees);
    } catch (...) {
        // A read hook that fails leaves no record.
    }
    FURtext.clear();
}

void TDataControl::Clear()
{
    FaDefaire.clear();
    FaRefaire.clear();
    MAJBoutons();
    FAffichageEnCours = false;
    FUndoRedoEnCours = false;
    FAffichageAttendu = false;
}

void TDataControl::Init()
{
    Clear();
    InitFiche();
}

void TDataControl::InitFiche()
{
    for (TdcBaseRelais* r : Relais())
        r->NouveauCycle();
    if (FOnAfficher)
        FOnAfficher(nullptr);
}

int TDataControl::NbObjets() const { return static_cast<int>(ObjetsAEditer().size()); }

QList<TObjetEdite*> TDataControl::ObjetsAEditer() const
{
    if (TousLesRelais().empty())
        return {};
    if (FTabControl)
        return FTabControl->ObjTabsSel();
    if (FOnGetObjetsAEditer)
        return FOnGetObjetsAEditer();
    return {};
}

void TDataControl::SelectionnerObjets(const QList<TObjetEdite*>& objs)
{
    if (FTabControl)
        FTabControl->SetObjSel(objs);
    else if (FOnSetSelectionObjets)
        FOnSetSelectionObjets(objs);
}

void TDataControl::AjouterAction(QChar genre, const QString& libelle, const QString& objets, const QString& donnees)
{
    // A tab or document record holds its owner's own text: it is protected
    // here so that whatever it holds cannot break the list apart.
    const QString data = genre == kGenreOnglet || genre == kGenreDocument ? ProtegerTexteUR(donnees) : donnees;
    MettreEnTete(FaDefaire, ConstruireEnregUR(genre, ProtegerTexteUR(libelle), objets, data));
    FaRefaire.clear();
    MAJBoutons();
}

void TDataControl::Undo()
{
    DefaireRefaire(kSensDefaire);
    Afficher();
}

void TDataControl::Redo()
{
    DefaireRefaire(kSensRefaire);
    Afficher();
}

void TDataControl::DefaireRefaire(int sens)
{
    if (FUndoRedoEnCours)
        return;
    // What is being typed is a step of its own, the first one undone.
    VerifierChangements();
    FUndoRedoEnCours = true;
    AlaFin fin([this] {
        FUndoRedoEnCours = false;
        MAJBoutons();
    });
    WaitCursor attente;
    MAJBoutons();

    const bool defaire = sens == kSensDefaire;
    QString& source = defaire ? FaDefaire : FaRefaire;
    QString& autre = defaire ? FaRefaire : FaDefaire;
    const QString enreg = RetirerPremierEnreg(source);
    if (enreg.isEmpty())
        return;
    const TEnregUR r = DecouperEnregUR(enreg);
    if (r.genre == kGenreOnglet) {
        if (FTabControl)
            FTabControl->ActionOnglet(sens, RestaurerTexteUR(r.donnees));
        MettreEnTete(autre, enreg);
    } else if (r.genre == kGenreDocument) {
        if (!FOnRejouerDocument) {
            MettreEnTete(autre, enreg);
            return;
        }
        const QString remplace = FOnRejouerDocument(RestaurerTexteUR(r.donnees));
        MettreEnTete(autre, ConstruireEnregUR(kGenreDocument, r.libelle, r.objets, ProtegerTexteUR(remplace)));
    } else if (FOnLireFiche) {
        MettreEnTete(autre, RejouerEdition(r));
        // The controls still show the values before the replay: no change
        // check until the display has shown the restored ones.
        FAffichageAttendu = true;
    }
}

QString TDataControl::RejouerEdition(const TEnregUR& r)
{
    const auto relaisDuControle = Relais();
    for (TdcBaseRelais* relais : relaisDuControle)
        relais->DebutRejeu();
    AlaFin fin([this] {
        for (TdcBaseRelais* relais : Relais())
            relais->FinRejeu();
    });

    // The record's relays, in record order; a relay that no longer exists is
    // left out.
    std::vector<TdcBaseRelais*> relaisRec;
    QString reste = r.donnees;
    for (;;) {
        const QString ref = ExtraireJusqua(reste, kSepChamp);
        if (ref.isEmpty())
            break;
        QString valeurs = ExtraireJusqua(reste, kSepChamp);
        TdcBaseRelais* relais = RelaisParNumero(LireReference(ref));
        if (relais && relais->BRDataControl == this) {
            relais->BRZS = std::move(valeurs);
            relaisRec.push_back(relais);
        }
    }

    // The record's objects; one that no longer exists keeps its place in the
    // values (they are consumed) but is neither selected nor read.
    QList<TObjetEdite*> objets;
    QList<TObjetEdite*> vivants;
    for (const QString& ref : r.objets.split(u' ', Qt::SkipEmptyParts)) {
        TObjetEdite* objet = TObjetEdite::ParNumero(LireReference(ref));
        objets << objet;
        if (objet)
            vivants << objet;
    }
    SelectionnerObjets(vivants);
    if (FOnSelectionRestauree)
        FOnSelectionRestauree();

    const TAffLireDataEvent lire = FOnLireFiche;
    for (TObjetEdite* objet : objets) {
        for (TdcBaseRelais* relais : relaisRec) {
            relais->BRValeurTexteTemp = RestaurerTexteUR(ExtraireJusqua(relais->BRZS, kSepValeur));
            relais->Fundoing = true;
        }
        if (objet)
            lire(objet);
    }

    QString donnees;
    for (TdcBaseRelais* relais : relaisRec)
        donnees += ReferenceObjet(relais) + kSepChamp + relais->BRValPrec + kSepChamp;
    return ConstruireEnregUR(kGenreEdition, r.libelle, TexteReferences(vivants), donnees);
}

QString TDataControl::TexteListeUR(int sens) const
{
    // One row per record, so that the row chosen is the number of steps.
    QString texte;
    for (const QString& enreg : EnregsDeListe(sens == kSensDefaire ? FaDefaire : FaRefaire)) {
        if (enreg.trimmed().isEmpty())
            continue;
        QString libelle = RestaurerTexteUR(DecouperEnregUR(enreg).libelle).simplified();
        if (libelle.isEmpty())
            libelle = QStringLiteral("(sans libellé)");
        texte += libelle + QStringLiteral("\r\n");
    }
    return texte.trimmed();
}

void TDataControl::ChoisirEtapesUR(int sens)
{
    if (!FOnChoisirEtapes)
        return;
    const int n = FOnChoisirEtapes(sens, TexteListeUR(sens));
    for (int i = 0; i <= n; ++i) {
        if (sens == kSensDefaire)
            Undo();
        else
            Redo();
        Rafraichir();
    }
}

void TDataControl::MAJBoutons() { emit boutonsAMettreAJour(); }
