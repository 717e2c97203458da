#include "settings/gui/FinfoRev.h"

#include "settings/WinReg.h"
#include "settings/gui/PlacedWidget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kValeurNoAff = QStringLiteral("InfoVersNoAff");

TFinfoRev::TAffichage& AffichageDemarrage()
{
    static TFinfoRev::TAffichage affichage;
    return affichage;
}

} // namespace

std::unique_ptr<TFinfoRev> TFinfoRev::Creer(QWidget* parent, const QString& revision)
{
    auto fenetre = std::make_unique<TFinfoRev>(Cle(), parent, revision);
    fenetre->FWR->ChargeFenReg({});
    return fenetre;
}

TFinfoRev::TFinfoRev(Cle, QWidget* parent, const QString& revision)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , FChoix(revision)
    , FWR(std::make_unique<TWinReg>())
{
    setObjectName(QStringLiteral("FinfoRev"));
    setWindowTitle(QStringLiteral("Tolvane"));
    setModal(true);

    LbRev = new QLabel(revision, this);
    LbRev->setObjectName(QStringLiteral("LbRev"));
    LbRev->setAlignment(Qt::AlignCenter);
    QFont gras = LbRev->font();
    gras.setBold(true);
    LbRev->setFont(gras);

    MemoRev = new QPlainTextEdit(this);
    MemoRev->setObjectName(QStringLiteral("MemoRev"));
    MemoRev->setAccessibleName(QStringLiteral("Description de l'application"));
    MemoRev->setReadOnly(true);
    MemoRev->setTabChangesFocus(true);
    MemoRev->setFixedHeight(72);

    CkBxNoAffi = new QCheckBox(QStringLiteral("ne plus afficher cette fenêtre au démarrage"), this);
    CkBxNoAffi->setObjectName(QStringLiteral("CkBxNoAffi"));

    auto* boutons = new QDialogButtonBox(this);
    OKBtn = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(CkBxNoAffi, &QCheckBox::toggled, this, [this](bool coche) { FChoix.setNePlusAfficher(coche); });

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(LbRev);
    colonne->addWidget(MemoRev);
    colonne->addWidget(CkBxNoAffi);
    colonne->addWidget(boutons);
    setFixedSize(QSize(380, sizeHint().height()));

    FWR->setOnChargeReg([this] { WRChargeReg(); });
    FWR->setOnRangeReg([this] { WRRangeReg(); });
    AttacherFenetre(*FWR, *this);
}

TFinfoRev::~TFinfoRev() = default;

void TFinfoRev::WRChargeReg()
{
    FChoix.Charger(FWR->GetStr(kValeurNoAff));
    CkBxNoAffi->setChecked(FChoix.NePlusAfficher());
}

void TFinfoRev::WRRangeReg() { FWR->PutStr(kValeurNoAff, FChoix.ValeurARanger()); }

void TFinfoRev::RangerReglages() { FWR->RangeFenReg(); }

void TFinfoRev::CentrerSurEcran()
{
    const QScreen* ecran = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    QRect cadre = frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    move(cadre.topLeft());
}

void TFinfoRev::InitialShow()
{
    if (!FChoix.AfficherAuDemarrage())
        return;
    if (const TAffichage& affichage = AffichageDemarrage()) {
        affichage(*this);
        return;
    }
    if (qEnvironmentVariableIsSet("TOLVANE_SANS_FENETRE_REVISION"))
        return;
    CentrerSurEcran();
    open();
}

void TFinfoRev::executer()
{
    CentrerSurEcran();
    exec();
}

void TFinfoRev::setAffichageDemarrage(TAffichage affichage) { AffichageDemarrage() = std::move(affichage); }
