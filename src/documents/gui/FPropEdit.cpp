#include "documents/gui/FPropEdit.h"

#include "documents/FileHeader.h"
#include "documents/gui/GrilleNomsValeurs.h"
#include "settings/WinReg.h"
#include "settings/gui/PlacedWidget.h"
#include "util/FixedPitchFont.h"
#include "util/PlatformServices.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kCleHeaderData = QStringLiteral("HeaderData");

// Names and values line up in columns: a font whose characters all have one
// width, measured, not taken from what the font file says of itself.
QFont PoliceFixe()
{
    return PoliceChasseFixe(10);
}

QPlainTextEdit* CreerMemo(QWidget* parent, const QString& nom, const QString& nomAccessible)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(nom);
    memo->setAccessibleName(nomAccessible);
    // Tab goes to the next control, so that the dialog can be left from the
    // keyboard; Ctrl+Tab changes the page.
    memo->setTabChangesFocus(true);
    return memo;
}

// The memo shows a line per line whatever the line ends of the text.
QString LignesPourMemo(QString texte)
{
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(u'\r', u'\n');
    return texte;
}

} // namespace

const QString TFPropEdit::kTitreQuestion = QStringLiteral("Propriétés du document");
const QString TFPropEdit::kQuestionNom = QStringLiteral("nom à créer?");
const QString TFPropEdit::kQuestionSupprimer = QStringLiteral("supprimer la propriété ");
const QString TFPropEdit::kNoteNomsInternes = QStringLiteral(
    "Les paramètres de cette page sont valables pour tous les fichiers ; ils sont rangés avec les "
    "paramètres du programme, et non dans le fichier.");

TFPropEdit::TFPropEdit(QWidget* parent) : QDialog(parent), FWR(std::make_unique<TWinReg>(TWinReg::Role::Form))
{
    setObjectName(QStringLiteral("FPropEdit"));
    setWindowTitle(QStringLiteral("Propriétés du fichier"));
    setAccessibleName(QStringLiteral("Propriétés du fichier"));
    setSizeGripEnabled(true);
    resize(560, 400);
    const QFont police = PoliceFixe();

    PCpages = new QTabWidget(this);
    PCpages->setObjectName(QStringLiteral("PCpages"));
    PCpages->setAccessibleName(QStringLiteral("Pages des propriétés"));

    MmComm = CreerMemo(PCpages, QStringLiteral("MmComm"), QStringLiteral("Commentaires"));
    MmComm->setLineWrapMode(QPlainTextEdit::NoWrap);
    MmComm->setFont(police);
    PCpages->addTab(MmComm, QStringLiteral("Commentaires"));

    VLEprop = CreerGrilleNomsValeurs(QStringLiteral("Propriété"), QStringLiteral("Valeur"), PCpages);
    VLEprop->setObjectName(QStringLiteral("VLEprop"));
    VLEprop->setAccessibleName(QStringLiteral("Propriétés"));
    VLEprop->setFont(police);
    PCpages->addTab(VLEprop, QStringLiteral("Propriétés"));

    auto* pageNoms = new QWidget(PCpages);
    pageNoms->setObjectName(QStringLiteral("TSnomsint"));
    auto* colonneNoms = new QVBoxLayout(pageNoms);
    VLEnomsint = CreerGrilleNomsValeurs(QStringLiteral("nom interne"), QStringLiteral("propriété associée"), pageNoms);
    VLEnomsint->setObjectName(QStringLiteral("VLEnomsint"));
    VLEnomsint->setAccessibleName(QStringLiteral("Noms internes"));
    VLEnomsint->setFont(police);
    colonneNoms->addWidget(VLEnomsint, 1);
    LbNote = new QLabel(kNoteNomsInternes, pageNoms);
    LbNote->setObjectName(QStringLiteral("LbNote"));
    LbNote->setWordWrap(true);
    colonneNoms->addWidget(LbNote);
    PCpages->addTab(pageNoms, QStringLiteral("Noms internes"));

    MmDivers = CreerMemo(PCpages, QStringLiteral("MmDivers"), QStringLiteral("Divers"));
    MmDivers->setFont(police);
    PCpages->addTab(MmDivers, QStringLiteral("Divers"));

    BtAjouter = new QPushButton(QStringLiteral("Ajouter"), this);
    BtAjouter->setObjectName(QStringLiteral("BtAjouter"));
    BtAjouter->setAutoDefault(false);
    BtSupprimer = new QPushButton(QStringLiteral("Supprimer"), this);
    BtSupprimer->setObjectName(QStringLiteral("BtSupprimer"));
    BtSupprimer->setAutoDefault(false);
    Boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Boutons->setObjectName(QStringLiteral("Boutons"));

    auto* basDePage = new QHBoxLayout;
    basDePage->addWidget(BtAjouter);
    basDePage->addWidget(BtSupprimer);
    basDePage->addStretch(1);
    basDePage->addWidget(Boutons);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(PCpages, 1);
    colonne->addLayout(basDePage);

    connect(PCpages, &QTabWidget::currentChanged, this, &TFPropEdit::PageChangee);
    connect(BtAjouter, &QPushButton::clicked, this, &TFPropEdit::Ajouter);
    connect(BtSupprimer, &QPushButton::clicked, this, &TFPropEdit::Supprimer);
    connect(Boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    PCpages->setCurrentIndex(PageProprietes);
    PageChangee(PCpages->currentIndex());

    // The window's settings: its placement and the internal names, read now
    // from the store the main window has loaded.
    FWR->setPixelsPerInchDsgn(120);
    FWR->setOnChargeReg([this] { ChargerReglages(); });
    FWR->setOnRangeReg([this] { RangerReglages(); });
    AttacherFenetre(*FWR, *this);
    FWR->ChargeFenReg(QString());
}

TFPropEdit::~TFPropEdit() = default;

void TFPropEdit::Preparer(const TFileHeader& FH, const QString& divers)
{
    const TProprietesDocument proprietes = LireProprietes(FH);
    MmDivers->setPlainText(LignesPourMemo(divers));
    MmComm->setPlainText(LignesPourMemo(proprietes.commentaires));
    RemplirGrille(*VLEprop, proprietes.proprietes);
    PCpages->setCurrentIndex(PageProprietes);
    VLEprop->setFocus();
}

std::optional<QStringList> TFPropEdit::Editer(const TFileHeader& FH, const QString& divers)
{
    Preparer(FH, divers);
    const int issue = exec();
    FWR->RangeFenReg();
    if (issue != QDialog::Accepted)
        return std::nullopt;
    return EntreesEntete(ProprietesSaisies());
}

TProprietesDocument TFPropEdit::ProprietesSaisies() const
{
    // The memo gives LF; the header keeps CR LF (stored as BEL).
    QString commentaires = MmComm->toPlainText();
    commentaires.replace(u'\n', QStringLiteral("\r\n"));
    return {commentaires, LireGrille(*VLEprop)};
}

QList<TProprieteNommee> TFPropEdit::NomsInternes() const { return LireGrille(*VLEnomsint); }

QTableWidget* TFPropEdit::GrilleActive() const
{
    switch (PCpages->currentIndex()) {
    case PageProprietes:
        return VLEprop;
    case PageNomsInternes:
        return VLEnomsint;
    default:
        return nullptr;
    }
}

void TFPropEdit::PageChangee(int index)
{
    const bool commentaires = index == PageCommentaires;
    BtAjouter->setVisible(!commentaires);
    BtSupprimer->setVisible(!commentaires);
}

void TFPropEdit::Ajouter()
{
    // On the page "Divers" there is no list: the buttons do nothing there.
    QTableWidget* grille = GrilleActive();
    if (!grille)
        return;
    for (;;) {
        const std::optional<QString> nom = services().inputText(kTitreQuestion, kQuestionNom, QString());
        if (!nom)
            return;
        const RefusNom refus = VerifierNouveauNom(NomsDeGrille(*grille), *nom, grille == VLEprop);
        if (refus == RefusNom::Aucun) {
            AjouterLigne(*grille, *nom);
            grille->setFocus();
            return;
        }
        services().showMessage(MessageRefusNom(refus), PlatformServices::Icon::Warning, kTitreQuestion);
    }
}

void TFPropEdit::Supprimer()
{
    QTableWidget* grille = GrilleActive();
    if (!grille)
        return;
    const int ligne = grille->currentRow();
    if (ligne < 0 || ligne >= grille->rowCount())
        return;
    const QString nom = grille->item(ligne, 0) ? grille->item(ligne, 0)->text() : QString();
    const auto reponse = services().ask(kQuestionSupprimer + nom + QStringLiteral(" ?"),
                                        PlatformServices::Buttons::YesNo, kTitreQuestion);
    if (reponse == PlatformServices::Answer::Yes)
        grille->removeRow(ligne);
}

void TFPropEdit::ChargerReglages() { RemplirGrille(*VLEnomsint, LireListeNoms(FWR->GetStr(kCleHeaderData))); }

void TFPropEdit::RangerReglages() { FWR->PutStr(kCleHeaderData, TexteListeNoms(NomsInternes())); }
