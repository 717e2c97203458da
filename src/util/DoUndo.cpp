#include "util/DoUndo.h"

bool TDoUndo::Modified()
{
    if (FNbModifsF > 0)
        return true;
    // The owner's answer may read Modified again (through its checksums): the
    // nested question answers false instead of looping.
    if (DemandeEtatEnCours)
        return false;
    bool modified = false;
    DemandeEtatEnCours = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{DemandeEtatEnCours};
    if (FOnDemandeEtatExt)
        FOnDemandeEtatExt(modified);
    return modified;
}

void TDoUndo::SetModified(bool modified)
{
    if (modified) {
        ++FNbModifsF;
        ++FNbModifsFCum;
    } else {
        ClearActions();
    }
}

void TDoUndo::ClearActions()
{
    FNbModifsF = 0;
    FNbModifsFCum = 0;
    if (FClearModified)
        FClearModified(*this);
}
