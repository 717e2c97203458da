#pragma once

#include <cstdint>
#include <functional>

// Modification counter.
// Tells whether a document or one of its calculations holds unsaved changes:
// counts the modifications reported to it and, when it counted none, asks its
// owner, which answers from its checksums.
class TDoUndo {
public:
    using DemandeEtatExt = std::function<void(bool& modified)>;
    using NotifyEvent = std::function<void(TDoUndo& sender)>;

    std::int64_t NbModifsFichier() const { return FNbModifsF; }
    std::int64_t NbModifsFichierCumulees() const { return FNbModifsFCum; }

    bool Modified();
    void SetModified(bool modified);
    void ClearActions();

    void setOnDemandeEtatExt(DemandeEtatExt handler) { FOnDemandeEtatExt = std::move(handler); }
    void setOnClearModified(NotifyEvent handler) { FClearModified = std::move(handler); }

private:
    std::int64_t FNbModifsF = 0;
    std::int64_t FNbModifsFCum = 0;
    DemandeEtatExt FOnDemandeEtatExt;
    NotifyEvent FClearModified;
    bool DemandeEtatEnCours = false;
};
