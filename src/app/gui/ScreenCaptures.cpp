#include "app/gui/ScreenCaptures.h"

#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"
#include "settings/gui/FConfig.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

namespace {

void Enregistrer(TFBaseM2& fenetre, const QString& dossier, const QString& nom)
{
    QCoreApplication::processEvents();
    fenetre.grab().save(QDir(dossier).filePath(nom));
}

// "&Options..." as the user opens it: the dialog is grabbed once it is up,
// then cancelled.
void CapturerOptions(TFBaseM2& fenetre, const QString& dossier)
{
    QTimer::singleShot(300, &fenetre, [dossier] {
        auto* ouvert = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* options = qobject_cast<TFConfig*>(ouvert))
            options->grab().save(QDir(dossier).filePath(QStringLiteral("options.png")));
        // Whatever is open is closed, so that the run always ends.
        if (ouvert)
            ouvert->reject();
    });
    fenetre.MIoptions->trigger();
}

} // namespace

void PrendreCaptures(TFBaseM2& fenetre, const QString& dossier)
{
    QDir().mkpath(dossier);
    QTimer::singleShot(500, &fenetre, [&fenetre, dossier] {
        Enregistrer(fenetre, dossier, QStringLiteral("page-generale.png"));
        if (fenetre.TC()->TabsCount() > 1) {
            fenetre.TC()->DeSelect();
            fenetre.TC()->SetSelection(1, true);
            fenetre.Session().SelectionOngletsChangee();
            fenetre.TC()->update();
            Enregistrer(fenetre, dossier, QStringLiteral("page-calcul.png"));
            // The frame's other pages, as the user reaches them with a click.
            if (auto* pages = fenetre.findChild<QTabWidget*>(QStringLiteral("PCPages"))) {
                pages->setCurrentIndex(1);
                Enregistrer(fenetre, dossier, QStringLiteral("page-dessin.png"));
                pages->setCurrentIndex(2);
                Enregistrer(fenetre, dossier, QStringLiteral("page-resultats.png"));
            }
        }
        CapturerOptions(fenetre, dossier);
        fenetre.close();
    });
}
