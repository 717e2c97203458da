#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class TDoUndo;

// One open document as the document component sees it: where it lives, how it
// was opened and whether it holds unsaved changes. Created and freed by
// TDocFich only.
class TCtrlFic {
public:
    using TProcEvent = std::function<void()>;

    // The document's counter when the application handed one back, else
    // FModified (after OnCheckModified had its say).
    bool Modified() const;
    void SetModified(bool modified);

    bool FModified = false;
    // Full path of the document file; empty for a new document never saved.
    QString FPathF;
    // Created by Nouveau and not written yet.
    bool FDocNouveau = false;
    // Opened from a file.
    bool FDocActif = false;
    // Holds no lock; saving it asks for a new name.
    bool FLectureSeule = false;
    // The document's modification counter, owned by the application.
    TDoUndo* FCompDoUndo = nullptr;
    // The counter's cumulated count at the last automatic save.
    std::int64_t NbModifsFichierSvg = 0;
    // Filter entry (from 1) chosen in the last save-as dialog.
    int TypeFichier = 1;
    // Generated path of a new document.
    QString PathNv;
    // While OnLire runs: the automatic-save side file whose content is read in
    // place of the document's, the user having chosen to recover it (the
    // document keeps FPathF as its path); empty otherwise.
    QString FFichierRecupere;
    TProcEvent OnCheckModified;
};
