#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class TObjetEdite;
class TdcBaseRelais;
class TdcOnglets;
struct TEnregUR;

// Data control (edit coordinator and undo history).
// Stands between the edited objects and the input controls that show them,
// and keeps the undo and redo history of their edits.
//
// The data control never knows the type of an object: it shows one through
// OnAfficher and reads one back through OnLireFiche, and those hooks pass
// every value through a relay. Whenever the focus moves (or a relay reports a
// change) it asks its relays whether anything changed; if so it reads every
// edited object back, records one edit record holding the previous values,
// and asks for a display, which runs once at the next idle time however many
// times it was asked.
class TDataControl : public QObject {
    Q_OBJECT
public:
    using TAffLireDataEvent = std::function<void(TObjetEdite* Pdata)>;
    using TGetObjetsAEditerEvent = std::function<QList<TObjetEdite*>()>;
    using TSetSelectionObjetsEvent = std::function<void(const QList<TObjetEdite*>& Objs)>;
    using NotifyEvent = std::function<void(TDataControl& sender)>;
    // Lets the user choose how many steps to undo (sens 11) or redo (sens 12)
    // among the labels of the list text; answers the chosen row or -1.
    using ChoixEtapesEvent = std::function<int(int sens, const QString& texte)>;
    // Replays a document record: puts back the state its data holds and
    // answers the state it replaced, which the record carries from then on.
    using RejouerDocumentEvent = std::function<QString(const QString& donnees)>;

    explicit TDataControl(QObject* parent = nullptr);
    ~TDataControl() override;

    void setOnAfficher(TAffLireDataEvent hook) { FOnAfficher = std::move(hook); }
    void setOnLireFiche(TAffLireDataEvent hook) { FOnLireFiche = std::move(hook); }
    void setOnDataChanged(NotifyEvent hook) { FOnDataChanged = std::move(hook); }
    void setOnGetObjetsAEditer(TGetObjetsAEditerEvent hook) { FOnGetObjetsAEditer = std::move(hook); }
    void setOnSetSelectionObjets(TSetSelectionObjetsEvent hook) { FOnSetSelectionObjets = std::move(hook); }
    void setOnChoisirEtapes(ChoixEtapesEvent hook) { FOnChoisirEtapes = std::move(hook); }
    void setOnRejouerDocument(RejouerDocumentEvent hook) { FOnRejouerDocument = std::move(hook); }
    // An undo or redo selected the objects it replays: whoever keeps a copy
    // of the selection takes it again.
    void setOnSelectionRestauree(std::function<void()> hook) { FOnSelectionRestauree = std::move(hook); }
    // Whether the form that holds the data control is the active one; without
    // this hook it always is.
    void setFormeActive(std::function<bool()> hook) { FFormeActive = std::move(hook); }

    // Label of the record being built; empty between records.
    const QString& URtext() const { return FURtext; }
    void setURtext(const QString& texte) { FURtext = texte; }

    TdcOnglets* TabControl() const { return FTabControl; }
    void setTabControl(TdcOnglets* tabs) { FTabControl = tabs; }

    const QString& aDefaire() const { return FaDefaire; }
    const QString& aRefaire() const { return FaRefaire; }
    bool AffichageEnCours() const { return FAffichageEnCours; }
    bool UndoRedoEnCours() const { return FUndoRedoEnCours; }
    bool DemandeRaffEnAttente() const { return DemandeRaff; }
    int NumRaff() const { return FNumRaff; }

    // Asks for a display cycle at the next idle time.
    void Afficher();
    // The idle work: runs the display cycle when one was asked for.
    void Rafraichir();
    // Records the pending edits now.
    void EnregistrerChangements();
    // The change check run on every focus change. It first has each relay
    // put what its own editor holds into its control.
    void VerifierChangements();
    // A control holds something typed that no record holds yet.
    bool SaisieEnCours() const;
    // A control's content changed while being typed: the commands that
    // depend on it (save) are refreshed.
    void SignalerSaisie() { MAJBoutons(); }

    void Clear();
    void Init();
    void InitFiche();
    int NbObjets() const;
    QList<TObjetEdite*> ObjetsAEditer() const;
    void SelectionnerObjets(const QList<TObjetEdite*>& objs);

    // The relay cores bound to this data control, in creation order.
    std::vector<TdcBaseRelais*> Relais() const;

    // History. Failures of a replay's read hook reach the caller.
    void AjouterAction(QChar genre, const QString& libelle, const QString& objets, const QString& donnees);
    void Undo();
    void Redo();
    void DefaireRefaire(int sens);
    void ChoisirEtapesUR(int sens);
    // The labels of the undo (11) or redo (12) list, newest first, one per line.
    QString TexteListeUR(int sens) const;
    void MAJBoutons();
    // The enabled state of the undo buttons (and of the save button) and of
    // the redo buttons.
    bool UndoPossible() const { return !FUndoRedoEnCours && !FaDefaire.isEmpty(); }
    bool RedoPossible() const { return !FUndoRedoEnCours && !FaRefaire.isEmpty(); }

signals:
    // MAJBoutons ran: the buttons take UndoPossible and RedoPossible.
    void boutonsAMettreAJour();

private:
    void CycleAffichage();
    void LireEtEnregistrer();
    // Replays an edit record into its objects; answers the rebuilt record.
    QString RejouerEdition(const TEnregUR& r);

    TAffLireDataEvent FOnAfficher;
    TAffLireDataEvent FOnLireFiche;
    NotifyEvent FOnDataChanged;
    TGetObjetsAEditerEvent FOnGetObjetsAEditer;
    TSetSelectionObjetsEvent FOnSetSelectionObjets;
    ChoixEtapesEvent FOnChoisirEtapes;
    RejouerDocumentEvent FOnRejouerDocument;
    std::function<void()> FOnSelectionRestauree;
    std::function<bool()> FFormeActive;
    QString FURtext;
    QString FaDefaire;
    QString FaRefaire;
    bool FAffichageEnCours = false;
    bool FUndoRedoEnCours = false;
    TdcOnglets* FTabControl = nullptr;
    bool DemandeRaff = false;
    int FNumRaff = 1;
    // An undo or redo changed the objects and their display has not run yet.
    bool FAffichageAttendu = false;
    QTimer FTimerInactivite;
};

// Records the pending edits of every data control, in creation order.
void EnregistrerTousChangements();
// The live data controls, in creation order.
const std::vector<TDataControl*>& TousLesDataControls();
