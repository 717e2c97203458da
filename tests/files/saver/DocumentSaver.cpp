// Another instance of the application working on a document, driven by the
// tests through its standard input and output.
//
//   tolvane_document_saver boucle <document>
//       opens the document and saves a new version of it again and again;
//       prints "pret" after the first save. The test kills it.
//   tolvane_document_saver svg <document>
//       opens the document, changes it, runs one automatic save, prints "svg"
//       and waits. The test kills it.
//   tolvane_document_saver dossier-protege <document>
//       as an ordinary user (uid 65534 when started by the superuser), opens
//       the document of a folder where no file can be created, first with
//       locks, then without, and tries to save it; prints what happened.

#include "ApplicationDocument.h"
#include "support/FakePlatformServices.h"
#include "util/Errors.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <grp.h>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

void say(const QString& line) { std::cout << line.toStdString() << std::endl; }

QString oneLine(QString text) { return text.replace(u'\r', u'|').replace(u'\n', u'|'); }

bool becomeOrdinaryUser()
{
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

int boucle(TDocFich& DF, ApplicationDocument& app, const QString& document)
{
    if (!DF.Ouvrir(document))
        return 3;
    for (int v = 1;; ++v) {
        app.Edit(VersionMemo(v));
        if (!DF.Enregistrer())
            return 4;
        if (v == 1)
            say(QStringLiteral("pret"));
    }
}

int svg(TDocFich& DF, ApplicationDocument& app, const QString& document)
{
    if (!DF.Ouvrir(document))
        return 3;
    app.Edit(QStringLiteral("modifié avant l'arrêt"));
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    say(QStringLiteral("svg"));
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

int dossierProtege(TDocFich& DF, ApplicationDocument& app, FakePlatformServices& platform, const QString& document)
{
    if (!becomeOrdinaryUser())
        return 5;
    platform.answers.push_back(PlatformServices::Answer::Yes);
    const bool opened = DF.Ouvrir(document);
    say(QStringLiteral("ouvert %1").arg(int(opened)));
    say(QStringLiteral("lecture-seule %1").arg(int(DF.LectureSeule())));
    say(QStringLiteral("question ") + (platform.questions.empty() ? QString() : oneLine(platform.questions.back())));
    DF.Fermer(false);

    DF.VerrouillerAcces = TSetVerr::vfAucun;
    if (!DF.Ouvrir(document))
        return 3;
    app.Edit(QStringLiteral("changé"));
    QString why;
    bool saved = false;
    try {
        saved = DF.Enregistrer();
    } catch (const ETolvane& e) {
        why = e.message();
    }
    if (why.isEmpty() && !platform.messages.empty())
        why = platform.messages.back();
    say(QStringLiteral("enregistre %1").arg(int(saved)));
    say(QStringLiteral("modifie %1").arg(int(DF.Modified())));
    say(QStringLiteral("message ") + oneLine(why));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 64;
    const QString& action = arguments[1];
    const QString document = QFileInfo(arguments[2]).absoluteFilePath();

    FakePlatformServices platform;
    TDocFich DF;
    SetUpLikeTheMainWindow(DF, QFileInfo(document).path());
    ApplicationDocument app(DF);
    if (action == QLatin1String("boucle"))
        return boucle(DF, app, document);
    if (action == QLatin1String("svg"))
        return svg(DF, app, document);
    if (action == QLatin1String("dossier-protege"))
        return dossierProtege(DF, app, platform, document);
    return 64;
}
