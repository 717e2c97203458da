#pragma once

#include "model/DonneesAppli.h"

#include <QString>
#include <functional>

// Calculation outcome: whether the results of a calculation were computed
// and, when not, why. Every caller asks it the same question (Calcule) instead
// of guessing from messages or result codes.
struct TIssueCalcul {
    enum class Etat { Calcule, DonneesInvalides, Echec };
    Etat etat = Etat::Calcule;
    // The validation message or the failure's message; empty when computed.
    QString message;

    bool Calcule() const { return etat == Etat::Calcule; }
    explicit operator bool() const { return Calcule(); }

    static TIssueCalcul DonneesInvalides(QString message) { return {Etat::DonneesInvalides, std::move(message)}; }
    static TIssueCalcul Echec(QString message) { return {Etat::Echec, std::move(message)}; }
};

// The message box of an outcome, for the interactive paths: the reason of a
// calculation that was not computed (a plain box for invalid data, an error
// box for a failure); nothing for a computed one.
void SignalerIssue(const TIssueCalcul& issue);

// The whole calculation of one buttress, without validation: clears the
// overall results, computes the section torsors from the top down, then
// evaluates the 25 combinations. A buttress without sections keeps level 0.
void CalculerResultats(TData& data);

// Validates DA (the first invalid section is its outcome's message) and, when
// valid, computes every result and the overall level. Any failure is caught
// and becomes the outcome. Shows nothing. Sets DA.DonneesValides.
TIssueCalcul CalculerDonnees(TDonneesAppli& DA);

// Runs one step of a calculation; a failure (ETolvane or any std::exception)
// is caught and becomes a failed outcome with its message. Shows nothing.
TIssueCalcul ExecuterEtapeCalcul(const std::function<void()>& etape);
