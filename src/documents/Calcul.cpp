#include "documents/Calcul.h"

#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/DoUndo.h"
#include "util/Errors.h"
#include "util/TextFields.h"

TCalcul::TCalcul()
    : DAP(std::make_unique<TDonneesAppli>())
    , DU(std::make_unique<TDoUndo>())
{
    DU->setOnDemandeEtatExt([this](bool& modified) { modified = DAP->Modified(); });
    DU->setOnClearModified([this](TDoUndo&) { DAP->ClearModified(); });
    DAP->InitDA();
}

TCalcul::~TCalcul() = default;

std::unique_ptr<TCalcul> TCalcul::CreateFromStr(QString& S, int vbase, int via)
{
    std::unique_ptr<TCalcul> calcul;
    if (vbase >= 5) {
        QString bloc = ExtraireBloc(S);
        calcul = std::make_unique<TCalcul>();
        calcul->nomtab = ExtraireLigne(bloc);
        calcul->DAP->StrToDA(bloc, via);
    } else {
        // Older texts have no block around a calculation: its extent is only
        // known by reading it, so the name line is taken first.
        QString nom = ExtraireLigne(S);
        calcul = std::make_unique<TCalcul>();
        calcul->nomtab = std::move(nom);
        calcul->DAP->StrToDA(S, via);
    }
    calcul->DAP->SetResultatCalcul(0);
    calcul->DAP->ClearModified();
    return calcul;
}

void TCalcul::Assign(const TObjTab& src)
{
    TObjTab::Assign(src);
    const auto* source = dynamic_cast<const TCalcul*>(&src);
    if (!source)
        throw EConvertError(QStringLiteral("mauvaise assignation à TCalcul"));
    DAP->CopierDA(*source->DAP);
}

QString TCalcul::SaveToStr() const { return BlocDelimite(nomtab + kCrLf + DAP->DAToStr()); }

QString TCalcul::CalcToStr() const { return DAP->DAToStr(); }

bool TCalcul::ValiderDonnees() { return DAP->ValiderDonnees(); }

void TCalcul::AfficherDonnees()
{
    DAP->AfficherDonnees();
    DAP->PremierAffichageFait = true;
}

void TCalcul::LireFiche()
{
    if (DAP->PremierAffichageFait)
        DAP->LireFiche();
}

QString TCalcul::TitreCalcul() const { return DAP->TitreCalcul(); }

int TCalcul::EtatCalcul() const { return DAP ? DAP->ResultatCalcul() : 0; }

TIssueCalcul TCalcul::Calculer(bool AvecValidation)
{
    if (!AvecValidation)
        return DAP->Calculer();
    if (std::optional<QString> erreur = DAP->ErreurValidation()) {
        DAP->DonneesValides = false;
        DAP->SetResultatCalcul(-1);
        return TIssueCalcul::DonneesInvalides(std::move(*erreur));
    }
    return DAP->Calculer();
}
