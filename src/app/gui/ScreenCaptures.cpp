#include "app/gui/ScreenCaptures.h"

#include "documents/FichPb.h"
#include "files/AutoSaveRecovery.h"

#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

namespace {

void Enregistrer(TFBaseM2& fenetre, const QString& dossier, const QString& nom)
{
    QCoreApplication::processEvents();
    fenetre.grab().save(QDir(dossier).filePath(nom));
}

// The question a document with a newer automatic-save side file asks when it
// is opened, as the desktop shows it, over the window: a side file is made
// beside the document for the picture, then removed.
void CapturerQuestionRecuperation(TFBaseM2& fenetre, const QString& dossier)
{
    const TFichPb* document = fenetre.Session().Document();
    if (!document)
        return;
    const QString cote = NomFichierSvg(document->pathF);
    if (QFile::exists(cote) || !QFile::copy(document->pathF, cote))
        return;
    {
        QFile fichier(cote);
        if (fichier.open(QIODevice::ReadWrite))
            fichier.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
    QMessageBox question(QMessageBox::Question, TitreRecuperation(), QuestionRecuperation(document->pathF, cote),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &fenetre);
    question.show();
    QCoreApplication::processEvents();
    question.grab().save(QDir(dossier).filePath(QStringLiteral("question-recuperation.png")));
    question.close();
    QFile::remove(cote);
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
        CapturerQuestionRecuperation(fenetre, dossier);
        fenetre.close();
    });
}
