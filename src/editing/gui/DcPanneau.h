#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;
class TDataControl;

// Undo/redo button panel.
// The data control as the user sees it: a panel with the undo, undo list,
// redo and redo list buttons. It runs the data control's change check on
// every focus change of the application while its window is the active one,
// and opens the list popup for several steps. It never owns the data control.
class TdcPanneau : public QWidget {
    Q_OBJECT
public:
    explicit TdcPanneau(TDataControl* dc, QWidget* parent = nullptr);
    ~TdcPanneau() override;

    TDataControl* DataControl() const { return FDataControl; }

    // The two list buttons are shown.
    bool DC_listes() const { return FVoirListes; }
    void setDC_listes(bool voir);
    // A control (widget or action) enabled together with the undo button.
    void setBtEnreg(QObject* bouton);

    QToolButton* SBundo() const { return FSBundo; }
    QToolButton* SBundoL() const { return FSBundoL; }
    QToolButton* SBredo() const { return FSBredo; }
    QToolButton* SBredoL() const { return FSBredoL; }

    // The window is closing: focus changes are no longer checked.
    void ArreterSuiviFocus();

    QSize sizeHint() const override { return {72, 24}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* CreerBouton(const QString& glyphe, int tag, const QString& bulle);
    void NommerBoutons();
    void Disposer();
    void MAJBoutons();
    void Clic(int tag);
    int ChoisirLigne(int sens, const QString& texte);
    void VerifierAuChangementDeFocus();

    QPointer<TDataControl> FDataControl;
    QToolButton* FSBundo = nullptr;
    QToolButton* FSBundoL = nullptr;
    QToolButton* FSBredo = nullptr;
    QToolButton* FSBredoL = nullptr;
    bool FVoirListes = false;
    QPointer<QObject> FBtEnreg;
    QMetaObject::Connection FSuiviFocus;
};
