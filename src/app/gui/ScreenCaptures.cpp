#include "app/gui/ScreenCaptures.h"

#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QCheckBox>
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
                // The same page with the line of thrust, then back as the user left it.
                if (auto* ligne = fenetre.findChild<QCheckBox*>(QStringLiteral("CkBxLignePoussee"))) {
                    ligne->setChecked(true);
                    Enregistrer(fenetre, dossier, QStringLiteral("page-dessin-ligne-de-poussee.png"));
                    ligne->setChecked(false);
                }
                pages->setCurrentIndex(2);
                Enregistrer(fenetre, dossier, QStringLiteral("page-resultats.png"));
            }
        }
        fenetre.close();
    });
}
