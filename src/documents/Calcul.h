#pragma once

#include "documents/ObjTab.h"

#include <QString>
#include <memory>

class TDonneesAppli;
class TDoUndo;
struct TIssueCalcul;

// Calculation: one calculation of a document, carried by one tab: a buttress
// model and its own modification counter, which answers from the model's
// checksums.
class TCalcul : public TObjTab {
public:
    // Starts as the default calculation, clean. Throws EInOutError when the
    // default calculation file exists but cannot be read.
    TCalcul();
    ~TCalcul() override;

    // Takes the next entry off the front of S, written by a problem text of
    // format version vbase, and builds the calculation from it. The entry is
    // consumed before anything else is done, so a failure never leaves S as it
    // was. Throws what the construction or the reading throws.
    static std::unique_ptr<TCalcul> CreateFromStr(QString& S, int vbase, int via);

    // The name as TObjTab gives it, then a copy of the source's buttress model;
    // EConvertError "mauvaise assignation à TCalcul" when src is no calculation.
    void Assign(const TObjTab& src) override;

    // The calculation's block of the problem text: name, CR LF, buttress text.
    QString SaveToStr() const;
    QString CalcToStr() const;
    QString WriteToStr() const { return CalcToStr(); }

    bool ValiderDonnees();
    void AfficherDonnees();
    // Reads the sheet back, only once the calculation has been shown.
    void LireFiche();
    QString TitreCalcul() const;
    // The model's result code: -1 after a calculation refused for invalid data.
    int EtatCalcul() const;

    // With validation, invalid data set the result code to -1 and nothing is
    // computed; valid data bring a code of -1 back to 0. Then, or without
    // validation, the model's calculation runs (which validates again).
    // Shows nothing: the outcome tells whether the results were computed.
    TIssueCalcul Calculer(bool AvecValidation);

    std::unique_ptr<TDonneesAppli> DAP;
    std::unique_ptr<TDoUndo> DU;
};
