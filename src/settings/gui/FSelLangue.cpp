#include "settings/gui/FSelLangue.h"

#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

TFSelLangue::TFSelLangue(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FSelLangue"));
    setWindowTitle(QStringLiteral("Sélection de la langue pour les sorties"));

    LbLangue = new QLabel(QStringLiteral("Langue active :"), this);
    CBxLng = new QComboBox(this);
    CBxLng->setObjectName(QStringLiteral("CBxLng"));
    CBxLng->setEditable(false);
    CBxLng->setAccessibleName(QStringLiteral("Langue active"));
    CBxLng->setToolTip(QStringLiteral("Langues disponibles pour les notes de calcul ; "
                                      "d'autres langues peuvent être ajoutées dans le fichier textesndc.txt"));
    CBxLng->setMinimumWidth(160);
    LbLangue->setBuddy(CBxLng);

    auto* boutons = new QDialogButtonBox(this);
    OKBtn = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(LbLangue);
    colonne->addWidget(CBxLng);
    colonne->addSpacing(8);
    colonne->addWidget(boutons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TFSelLangue::Preparer(const TTextesNdC& textes)
{
    QStringList codes = textes.Codes();
    codes.sort(Qt::CaseInsensitive);
    CBxLng->clear();
    CBxLng->addItems(codes);
    CBxLng->setCurrentIndex(int(codes.indexOf(textes.LangueActive())));
}

QString TFSelLangue::LangueChoisie() const { return CBxLng->currentText(); }

bool ChoisirLangue(const QString& chemin)
{
    TTextesNdC& textes = TextesNdC();
    if (textes.AucuneEntree())
        ChargerTextesNdC(chemin, true);
    TFSelLangue dialogue;
    dialogue.Preparer(textes);
    // At the mouse pointer, but whole on its screen.
    QPoint coin = QCursor::pos();
    if (const QScreen* ecran = QGuiApplication::screenAt(coin)) {
        const QRect bureau = ecran->availableGeometry();
        coin.setX(std::clamp(coin.x(), bureau.left(), std::max(bureau.left(), bureau.right() - dialogue.width())));
        coin.setY(std::clamp(coin.y(), bureau.top(), std::max(bureau.top(), bureau.bottom() - dialogue.height())));
    }
    dialogue.move(coin);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    textes.RendreCourante(dialogue.LangueChoisie());
    return true;
}
