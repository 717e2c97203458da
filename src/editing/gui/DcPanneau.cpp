#include "editing/gui/DcPanneau.h"

#include "editing/DataControl.h"
#include "editing/UndoRecords.h"
#include "editing/gui/EditingGlyphs.h"
#include "editing/gui/FSelUR.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace {

// Failures of an undo or of a check reach the user as a message: nothing may
// leave a Qt event handler by an exception.
template <typename F>
void AvecMessageErreur(F action)
{
    try {
        action();
    } catch (const ETolvane& e) {
        services().showMessage(e.message(), PlatformServices::Icon::Error);
    } catch (const std::exception& e) {
        services().showMessage(QString::fromLocal8Bit(e.what()), PlatformServices::Icon::Error);
    }
}

} // namespace

TdcPanneau::TdcPanneau(TDataControl* dc, QWidget* parent) : QWidget(parent), FDataControl(dc)
{
    resize(72, 24);
    FSBundo = CreerBouton(QStringLiteral("UR_UNDO"), 1, QStringLiteral("Défaire"));
    FSBundoL = CreerBouton(QStringLiteral("UR_LISTE"), 2, QStringLiteral("Défaire plusieurs étapes"));
    FSBredo = CreerBouton(QStringLiteral("UR_REDO"), 3, QStringLiteral("Refaire"));
    FSBredoL = CreerBouton(QStringLiteral("UR_LISTE"), 4, QStringLiteral("Refaire plusieurs étapes"));
    NommerBoutons();
    connect(this, &QObject::objectNameChanged, this, &TdcPanneau::NommerBoutons);

    if (dc) {
        connect(dc, &TDataControl::boutonsAMettreAJour, this, &TdcPanneau::MAJBoutons);
        dc->setFormeActive([this] { return window()->isActiveWindow(); });
        dc->setOnChoisirEtapes([this](int sens, const QString& texte) { return ChoisirLigne(sens, texte); });
    }
    FSuiviFocus = connect(qApp, &QApplication::focusChanged, this, &TdcPanneau::VerifierAuChangementDeFocus);
    Disposer();
}

TdcPanneau::~TdcPanneau()
{
    ArreterSuiviFocus();
    if (FDataControl) {
        FDataControl->setFormeActive(nullptr);
        FDataControl->setOnChoisirEtapes(nullptr);
    }
}

QToolButton* TdcPanneau::CreerBouton(const QString& glyphe, int tag, const QString& bulle)
{
    auto* bouton = new QToolButton(this);
    bouton->setIcon(GlypheEdition(glyphe));
    bouton->setProperty("tag", tag);
    bouton->setToolTip(bulle);
    // The button shows a glyph only: assistive technologies read its hint.
    bouton->setAccessibleName(bulle);
    bouton->setFocusPolicy(Qt::NoFocus);
    bouton->setEnabled(false);
    connect(bouton, &QToolButton::clicked, this, [this, tag] { Clic(tag); });
    return bouton;
}

void TdcPanneau::NommerBoutons()
{
    int tag = 1;
    for (QToolButton* bouton : {FSBundo, FSBundoL, FSBredo, FSBredoL})
        bouton->setObjectName(objectName() + QStringLiteral("_URSB") + QString::number(tag++));
}

void TdcPanneau::setDC_listes(bool voir)
{
    FVoirListes = voir;
    Disposer();
}

void TdcPanneau::setBtEnreg(QObject* bouton)
{
    FBtEnreg = bouton;
    MAJBoutons();
}

void TdcPanneau::ArreterSuiviFocus() { disconnect(FSuiviFocus); }

void TdcPanneau::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Disposer();
}

void TdcPanneau::Disposer()
{
    const int unite = width() / (FVoirListes ? 6 : 4);
    FSBundoL->setVisible(FVoirListes);
    FSBredoL->setVisible(FVoirListes);
    int x = 0;
    const auto placer = [&](QToolButton* bouton, int unites) {
        bouton->setGeometry(x, 0, unites * unite, height());
        x += unites * unite;
    };
    placer(FSBundo, 2);
    if (FVoirListes)
        placer(FSBundoL, 1);
    placer(FSBredo, 2);
    if (FVoirListes)
        placer(FSBredoL, 1);
    MAJBoutons();
}

void TdcPanneau::MAJBoutons()
{
    const bool undo = FDataControl && FDataControl->UndoPossible();
    const bool redo = FDataControl && FDataControl->RedoPossible();
    FSBundo->setEnabled(undo);
    FSBundoL->setEnabled(undo);
    FSBredo->setEnabled(redo);
    FSBredoL->setEnabled(redo);
    if (auto* widget = qobject_cast<QWidget*>(FBtEnreg.data()))
        widget->setEnabled(undo);
    else if (auto* action = qobject_cast<QAction*>(FBtEnreg.data()))
        action->setEnabled(undo);
}

void TdcPanneau::Clic(int tag)
{
    if (!FDataControl)
        return;
    AvecMessageErreur([&] {
        // A pending edit becomes a record before anything is undone.
        FDataControl->EnregistrerChangements();
        switch (tag) {
        case 1:
            FDataControl->Undo();
            break;
        case 2:
            FDataControl->ChoisirEtapesUR(kSensDefaire);
            break;
        case 3:
            FDataControl->Redo();
            break;
        case 4:
            FDataControl->ChoisirEtapesUR(kSensRefaire);
            break;
        default:
            break;
        }
    });
}

int TdcPanneau::ChoisirLigne(int sens, const QString& texte)
{
    // Just below the undo button, or below the redo button.
    const QPoint local = sens == kSensDefaire ? QPoint(0, height()) : QPoint(width() / 2, height());
    const QPoint ecran = mapToGlobal(local);
    return SelUR(this, ecran.x(), ecran.y(), texte, 100, 100, 500);
}

void TdcPanneau::VerifierAuChangementDeFocus()
{
    if (FDataControl)
        AvecMessageErreur([&] { FDataControl->VerifierChangements(); });
}
