#include "editing/DcBaseRelais.h"

#include "editing/DataControl.h"
#include "editing/UndoRecords.h"
#include "util/PlatformServices.h"

#include <algorithm>

namespace {

std::vector<TdcBaseRelais*>& listeRelais()
{
    static std::vector<TdcBaseRelais*> relais;
    return relais;
}

} // namespace

const std::vector<TdcBaseRelais*>& TousLesRelais() { return listeRelais(); }

TdcBaseRelais* RelaisParNumero(TNumeroSerie numero)
{
    if (numero == 0)
        return nullptr;
    for (TdcBaseRelais* relais : listeRelais())
        if (relais->NumeroSerie() == numero)
            return relais;
    return nullptr;
}

TdcBaseRelais::TdcBaseRelais(QObject* cds) : BRCdS(cds), FNumeroSerie(NouveauNumeroSerie())
{
    listeRelais().push_back(this);
}

TdcBaseRelais::~TdcBaseRelais() { std::erase(listeRelais(), this); }

QString TdcBaseRelais::NomCdS() const { return BRCdS ? BRCdS->objectName() : QString(); }

bool TdcBaseRelais::CdSActif() const { return FCdSActif ? FCdSActif() : true; }

void TdcBaseRelais::AfficherValeur(const QString& value)
{
    if (!BRDataControl || !BROnAfficherCdS || !BROnLireCdS)
        return;
    BRNumRaff = BRDataControl->NumRaff();
    if (!FnvAffFiche)
        services().showMessage(NomCdS() + QStringLiteral(" : erreur, 2 appels à AfficherValeur dans la procédure AfficherDonnees"),
                               PlatformServices::Icon::Information);
    FnvAffFiche = false;
    dcModif = false;
    const bool same = value == BRValeurTexteTemp;
    BRValeurTexteTemp = value;
    if (FinitAff) {
        BROnAfficherCdS(false, value, false);
        FAffiMult = false;
    } else if (!FAffiMult && !same) {
        // From here on, later objects of the cycle change nothing.
        FAffiMult = true;
        BROnAfficherCdS(true, QString(), false);
    }
}

bool TdcBaseRelais::LireValeur(QString& value)
{
    if (!BRDataControl || !BROnLireCdS)
        return false;
    if (!BRModeUndoRedo) {
        // A control that shows "values differ" and was not touched leaves
        // every object its own value.
        if (FAffiMult)
            return false;
        const QString avant = value;
        if (dcModif)
            BRValPrec += ProtegerTexteUR(value) + kSepValeur;
        BROnLireCdS(value);
        if (dcModif && value != avant)
            FValeurChangee = true;
        return true;
    }
    // A replay writes the stored value whatever the control shows, also when
    // the control shows "values differ" (the objects it restores differ).
    if (!Fundoing)
        return false;
    BRValPrec += ProtegerTexteUR(value) + kSepValeur;
    value = BRValeurTexteTemp;
    return true;
}

bool TdcBaseRelais::TesterModif()
{
    if (dcModif) {
        FAffiMult = false;
        return true;
    }
    if (!BROnLireEtatCdS || !CdSActif() || !BRDataControl || BRNumRaff != BRDataControl->NumRaff())
        return false;
    BROnLireEtatCdS(dcModif);
    if (dcModif) {
        FAffiMult = false;
        return true;
    }
    return false;
}

void TdcBaseRelais::ValiderSaisie()
{
    if (BROnValiderSaisie && CdSActif())
        BROnValiderSaisie();
}

bool TdcBaseRelais::SaisieEnCours() const
{
    if (!BRDataControl || !CdSActif())
        return false;
    if (BROnSaisieEnCours)
        return BROnSaisieEnCours();
    if (!BROnLireEtatCdS || BRNumRaff != BRDataControl->NumRaff())
        return false;
    bool change = false;
    BROnLireEtatCdS(change);
    return change;
}

void TdcBaseRelais::LectureTerminee()
{
    if (BROnLectureTerminee)
        BROnLectureTerminee();
}

void TdcBaseRelais::NouveauCycle()
{
    BRZS.clear();
    BRValPrec.clear();
    FinitAff = true;
    FnvAffFiche = true;
    BRValeurTexteTemp.clear();
    FValeurChangee = false;
}

void TdcBaseRelais::ObjetFait()
{
    FinitAff = false;
    FnvAffFiche = true;
}

void TdcBaseRelais::DebutRejeu()
{
    BRModeUndoRedo = true;
    Fundoing = false;
    // The values a replay overwrites are collected afresh: what the last read
    // collected already sits in its record.
    BRValPrec.clear();
}

void TdcBaseRelais::FinRejeu()
{
    BRModeUndoRedo = false;
    Fundoing = false;
}
