#pragma once

#include "settings/Revision.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TWinReg;

// The revision window: the revision of the application, a short description,
// and the box "ne plus afficher cette fenêtre au démarrage", kept in the
// settings as "InfoVersNoAff" (the revision it was ticked for). It shows
// itself at start-up until the box is ticked for the running revision, and on
// demand through the about command.
class TFinfoRev : public QDialog {
public:
    // How the start-up display shows the window. By default it is opened
    // modal without waiting, so that the start-up goes on behind it.
    using TAffichage = std::function<void(TFinfoRev&)>;

    // The window with its settings already loaded (the main window's store
    // must be loaded). revision: the text of LbRev and of the stored value.
    static std::unique_ptr<TFinfoRev> Creer(QWidget* parent, const QString& revision = NumRevision());

    // Only Creer holds the key: a window made otherwise would miss its
    // settings, and with them its start-up display.
    class Cle {
        friend class TFinfoRev;
        Cle() = default;
    };
    TFinfoRev(Cle, QWidget* parent, const QString& revision);
    ~TFinfoRev() override;

    // At the end of the start-up: shows the window when due, at most once a
    // run.
    void InitialShow();
    // The about command: shows the window and waits for it to be closed.
    void executer();
    // Records the window's settings (at shut-down, before the store is
    // written out).
    void RangerReglages();

    const TChoixRevision& Choix() const { return FChoix; }

    // Replaces the start-up display (tests record it); an empty one restores
    // the default. With the environment variable
    // TOLVANE_SANS_FENETRE_REVISION set, the default shows nothing, for
    // automated runs.
    static void setAffichageDemarrage(TAffichage affichage);

    QLabel* LbRev = nullptr;
    QPlainTextEdit* MemoRev = nullptr;
    QCheckBox* CkBxNoAffi = nullptr;
    QPushButton* OKBtn = nullptr;

private:
    void WRChargeReg();
    void WRRangeReg();
    void CentrerSurEcran();

    TChoixRevision FChoix;
    std::unique_ptr<TWinReg> FWR;
};
