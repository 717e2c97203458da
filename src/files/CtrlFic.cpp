#include "files/CtrlFic.h"

#include "util/DoUndo.h"

bool TCtrlFic::Modified() const
{
    if (FCompDoUndo)
        return FCompDoUndo->Modified();
    if (OnCheckModified)
        OnCheckModified();
    return FModified;
}

void TCtrlFic::SetModified(bool modified)
{
    if (FCompDoUndo)
        FCompDoUndo->SetModified(modified);
    else
        FModified = modified;
}
