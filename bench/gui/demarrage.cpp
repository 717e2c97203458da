// Start-up to the first painted window, measured from outside: the runner
// starts this same executable as a probe, afresh for every run, alternately
// as the application (the main window hosting the buttress frame, opening the
// realistic example), as an empty Qt window started the same way and, for
// comparison only, as the same window with a menu bar and one line of text
// (what any window showing text pays: the system's font list). The
// probe prints the monotonic clock when its window's first paint is over and
// leaves at once; the runner subtracts the clock it read before starting it.
// It prints the medians in Google Benchmark's JSON form.
//
//   bench_demarrage [runs]            the runner (15 runs of each by default)
//   bench_demarrage --sonde vide
//   bench_demarrage --sonde texte
//   bench_demarrage --sonde tolvane <document>

#include "frame/gui/HostedButtressFrame.h"
#include "model/DonneesAppli.h"
#include "shell/gui/ApplicationSetup.h"
#include "shell/gui/FBaseM2.h"
#include "util/gui/QtPlatformServices.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

qint64 HorlogeNs(clockid_t horloge = CLOCK_MONOTONIC)
{
    timespec t{};
    clock_gettime(horloge, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// At the first paint event of a widget of the window, once the event loop
// is back (the whole window painted), prints the clock and leaves.
class PremierePeinture : public QObject {
public:
    explicit PremierePeinture(QWidget& fenetre) : fenetre_(fenetre) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!vu_ && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == &fenetre_) {
                vu_ = true;
                QTimer::singleShot(0, [] {
                    std::printf("%lld %lld\n", static_cast<long long>(HorlogeNs()),
                                static_cast<long long>(HorlogeNs(CLOCK_PROCESS_CPUTIME_ID)));
                    std::fflush(stdout);
                    // Nothing of the application's closing is measured, and
                    // nothing of it (settings, recent files) is written.
                    _exit(0);
                });
            }
        }
        return false;
    }

private:
    QWidget& fenetre_;
    bool vu_ = false;
};

int Sonde(int argc, char** argv, const QString& mode, const QString& document)
{
    QApplication application(argc, argv);
    if (mode == QStringLiteral("vide") || mode == QStringLiteral("texte")) {
        QMainWindow fenetre;
        fenetre.resize(800, 600);
        if (mode == QStringLiteral("texte")) {
            fenetre.menuBar()->addMenu(QStringLiteral("&Fichiers"));
            fenetre.setCentralWidget(new QLabel(QStringLiteral("Stabilité des contreforts en maçonnerie")));
        }
        PremierePeinture premiere(fenetre);
        application.installEventFilter(&premiere);
        fenetre.show();
        return QApplication::exec();
    }
    // As the application's main() does it.
    const std::unique_ptr<TApplicationPreparee> preparation = PreparerApplication();
    TDonneesAppli::setDefaultFolder(QStringLiteral(TOLVANE_RESOURCES_DIR));
    QtPlatformServices platform;
    installServices(&platform);
    TFBaseM2 fenetre(FabriqueCadreContrefort());
    platform.setDialogParent(&fenetre);
    PremierePeinture premiere(fenetre);
    application.installEventFilter(&premiere);
    fenetre.DebutAppli({document});
    fenetre.show();
    return QApplication::exec();
}

// Milliseconds from the start of the process to the probe's first paint, and
// the probe's processor time until then; negative when the probe failed.
struct Demarrage {
    double reel = -1;
    double processeur = -1;
};

Demarrage UnDemarrage(const QString& executable, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess sonde;
    sonde.setProcessEnvironment(env);
    sonde.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 debut = HorlogeNs();
    sonde.start(executable, arguments);
    if (!sonde.waitForFinished(60000))
        return {};
    const QList<QByteArray> champs = sonde.readAllStandardOutput().trimmed().split(' ');
    bool ok1 = false;
    bool ok2 = false;
    const qint64 fin = champs.value(0).toLongLong(&ok1);
    const qint64 processeur = champs.value(1).toLongLong(&ok2);
    if (!ok1 || !ok2)
        return {};
    return {double(fin - debut) / 1e6, double(processeur) / 1e6};
}

double Mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

int Coureur(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int essais = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir dossier;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dossier.filePath(QStringLiteral("reglages")));
    const QString exe = QCoreApplication::applicationFilePath();

    std::vector<double> videReel, videProcesseur, texteReel, texteProcesseur, tolvaneReel, tolvaneProcesseur;
    for (int i = 0; i < essais; ++i) {
        // A fresh copy each time: the document is opened (and locked) as a user's.
        const QString document = dossier.filePath(QStringLiteral("eglise-%1.Tolvane").arg(i));
        QFile::copy(QStringLiteral(TOLVANE_EXAMPLES_DIR "/eglise-contreforts.Tolvane"), document);
        QFile::setPermissions(document, QFile::ReadOwner | QFile::WriteOwner);
        const Demarrage v = UnDemarrage(exe, {QStringLiteral("--sonde"), QStringLiteral("vide")}, env);
        const Demarrage x = UnDemarrage(exe, {QStringLiteral("--sonde"), QStringLiteral("texte")}, env);
        const Demarrage t = UnDemarrage(exe, {QStringLiteral("--sonde"), QStringLiteral("tolvane"), document}, env);
        if (v.reel < 0 || x.reel < 0 || t.reel < 0) {
            std::fprintf(stderr, "la sonde de démarrage a échoué\n");
            return 1;
        }
        videReel.push_back(v.reel);
        videProcesseur.push_back(v.processeur);
        texteReel.push_back(x.reel);
        texteProcesseur.push_back(x.processeur);
        tolvaneReel.push_back(t.reel);
        tolvaneProcesseur.push_back(t.processeur);
    }
    std::printf("{\n  \"benchmarks\": [\n"
                "    {\"name\": \"BM_Demarrage/fenetre_qt_vide\", \"iterations\": %d, \"real_time\": %.3f, "
                "\"cpu_time\": %.3f, \"time_unit\": \"ms\"},\n"
                "    {\"name\": \"BM_Demarrage/fenetre_qt_texte\", \"iterations\": %d, \"real_time\": %.3f, "
                "\"cpu_time\": %.3f, \"time_unit\": \"ms\"},\n"
                "    {\"name\": \"BM_Demarrage/tolvane\", \"iterations\": %d, \"real_time\": %.3f, "
                "\"cpu_time\": %.3f, \"time_unit\": \"ms\"}\n  ]\n}\n",
                essais, Mediane(videReel), Mediane(videProcesseur), essais, Mediane(texteReel),
                Mediane(texteProcesseur), essais, Mediane(tolvaneReel), Mediane(tolvaneProcesseur));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && QByteArray(argv[1]) == "--sonde")
        return Sonde(argc, argv, QString::fromLocal8Bit(argv[2]), argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    return Coureur(argc, argv);
}
