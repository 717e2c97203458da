#include "drawing/gui/DrawingExportDialog.h"

#include "drawing/DrawingExport.h"
#include "util/PlatformServices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kTailleMin = 16;
constexpr int kTailleMax = 8000;

struct FormatImage {
    const char* code;
    const char* libelle;
    const char* filtre;
};

constexpr FormatImage kFormats[] = {
    {"png", "Image PNG", "Image PNG (*.png)"},
    {"svg", "Dessin vectoriel SVG", "Dessin vectoriel SVG (*.svg)"},
    {"pdf", "Document PDF", "Document PDF (*.pdf)"},
};

// What the user chose last, offered again for the next export of the session.
QString gFormat = QStringLiteral("png");
QSize gTaille(800, 600);

QSpinBox* ChampTaille(QWidget* parent, const QString& nom)
{
    auto* champ = new QSpinBox(parent);
    champ->setRange(kTailleMin, kTailleMax);
    champ->setSuffix(QStringLiteral(" px"));
    champ->setAccessibleName(nom);
    return champ;
}

} // namespace

DrawingExportDialog::DrawingExportDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DrawingExportDialog"));
    setWindowTitle(QStringLiteral("Exporter le dessin"));
    auto* colonne = new QVBoxLayout(this);
    auto* champs = new QFormLayout;
    CbFormat = new QComboBox(this);
    CbFormat->setObjectName(QStringLiteral("CbFormat"));
    CbFormat->setAccessibleName(QStringLiteral("Format"));
    for (const FormatImage& f : kFormats)
        CbFormat->addItem(QString::fromUtf8(f.libelle), QString::fromLatin1(f.code));
    SeLargeur = ChampTaille(this, QStringLiteral("Largeur"));
    SeLargeur->setObjectName(QStringLiteral("SeLargeur"));
    SeHauteur = ChampTaille(this, QStringLiteral("Hauteur"));
    SeHauteur->setObjectName(QStringLiteral("SeHauteur"));
    champs->addRow(QStringLiteral("&Format :"), CbFormat);
    champs->addRow(QStringLiteral("&Largeur :"), SeLargeur);
    champs->addRow(QStringLiteral("&Hauteur :"), SeHauteur);
    colonne->addLayout(champs);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonne->addWidget(boutons);
    Definir(gFormat, gTaille);
}

QString DrawingExportDialog::Format() const { return CbFormat->currentData().toString(); }

QSize DrawingExportDialog::Taille() const { return {SeLargeur->value(), SeHauteur->value()}; }

void DrawingExportDialog::Definir(const QString& format, QSize taille)
{
    const int index = CbFormat->findData(format);
    CbFormat->setCurrentIndex(index < 0 ? 0 : index);
    SeLargeur->setValue(taille.width());
    SeHauteur->setValue(taille.height());
}

std::optional<QString> ExporterDessin(QWidget* parent, const DessinContrefort& dessin, const QString& titre,
                                      const QString& nomPropose)
{
    DrawingExportDialog dialogue(parent);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString format = dialogue.Format();
    const QSize taille = dialogue.Taille();
    gFormat = format;
    gTaille = taille;

    QString filtre;
    for (const FormatImage& f : kFormats)
        if (format == QLatin1String(f.code))
            filtre = QString::fromUtf8(f.filtre);
    std::optional<QString> chemin
        = services().saveFileName(QStringLiteral("Exporter le dessin"), nomPropose + u'.' + format, filtre);
    if (!chemin || chemin->isEmpty())
        return std::nullopt;
    // A name typed without a picture extension gets the chosen format's; a
    // name given with one is written in that format.
    if (FormatExportDessin(*chemin).isEmpty())
        *chemin += u'.' + format;
    if (const std::optional<QString> erreur = EcrireDessin(*chemin, taille, dessin, titre)) {
        services().showMessage(*erreur, PlatformServices::Icon::Error, QStringLiteral("Exporter le dessin"));
        return std::nullopt;
    }
    return chemin;
}
