#pragma once

#include "editing/DataControl.h"
#include "util/ObjetEdite.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

// Relay core.
// The core of a relay: it sits between one value of the edited objects and
// one input control. It remembers what it showed, notices that the user
// changed the control, collects the values a read overwrites (for undo) and,
// while an edit is undone or redone, substitutes the stored values for the
// control's. Every relay core joins a process-wide list, in creation order.
class TdcBaseRelais {
public:
    // Shows a value, or with multiaff the neutral "values differ" state.
    using TAfficherCdS = std::function<void(bool multiaff, const QString& value, bool init)>;
    // Gives the control's current value.
    using TLireCdS = std::function<void(QString& value)>;
    // Tells whether the control differs from what was last shown.
    using TLireEtatCdS = std::function<void(bool& CdSchanged)>;

    // cds is the input control served (for its name and its enabled state).
    explicit TdcBaseRelais(QObject* cds = nullptr);
    ~TdcBaseRelais();
    TdcBaseRelais(const TdcBaseRelais&) = delete;
    TdcBaseRelais& operator=(const TdcBaseRelais&) = delete;

    void AfficherValeur(const QString& value);
    // Returns true when the value was handed over (read from the control or
    // restored by a replay); otherwise the value is left as it was.
    bool LireValeur(QString& value);
    bool TesterModif();
    // What the hooks above do, for the data control; without hooks, nothing.
    void ValiderSaisie();
    bool SaisieEnCours() const;
    void LectureTerminee();

    // The identity under which the history names this relay; never reused.
    TNumeroSerie NumeroSerie() const { return FNumeroSerie; }

    TDataControl* DataControl() const { return BRDataControl; }
    void SetDataControl(TDataControl* dc) { BRDataControl = dc; }

    // The control's name, used in messages.
    QString NomCdS() const;
    // The control's enabled state; a core without a control counts as enabled.
    bool CdSActif() const;
    void SetTesteurActif(std::function<bool()> actif) { FCdSActif = std::move(actif); }

    bool AffichageMultiple() const { return FAffiMult; }

    // The relay notifications of the data control.
    void NouveauCycle();
    void ObjetFait();
    void DebutRejeu();
    void FinRejeu();

    QPointer<QObject> BRCdS;
    QPointer<TDataControl> BRDataControl;
    QString BRURtext;
    TAfficherCdS BROnAfficherCdS;
    TLireCdS BROnLireCdS;
    TLireEtatCdS BROnLireEtatCdS;
    // For a control that edits in an editor of its own (a cell of a sheet):
    // puts what the editor holds into the control, before any change check,
    // so that a value typed without leaving the field counts.
    std::function<void()> BROnValiderSaisie;
    // Whether the control holds something typed that no record holds yet,
    // also in its own editor; without this hook, the state handler tells.
    std::function<bool()> BROnSaisieEnCours;
    // Every edited object has been read through this relay.
    std::function<void()> BROnLectureTerminee;
    QString BRValeurTexteTemp;
    QString BRZS;
    QString BRValPrec;
    bool BRModeUndoRedo = false;
    int BRNumRaff = 0;
    bool Fundoing = false;
    bool FnvAffFiche = false;
    bool FinitAff = false;
    bool FAffiMult = false;
    bool dcModif = false;
    // Set by a read that handed a value differing from the object's: the read
    // really changed something.
    bool FValeurChangee = false;

private:
    const TNumeroSerie FNumeroSerie;
    std::function<bool()> FCdSActif;
};

// The live relay cores, in creation order.
const std::vector<TdcBaseRelais*>& TousLesRelais();
// The live relay core with this serial number, or nullptr.
TdcBaseRelais* RelaisParNumero(TNumeroSerie numero);
