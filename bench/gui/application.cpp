// What the user waits for in the application, through its real main window
// hosting the real buttress frame on the offscreen platform: each figure runs
// from the user's action to the moment the widgets that show its outcome have
// been repainted (their paint events handled, the event loop idle again).

#include "support/DocumentDeCalculs.h"

#include "files/DocFich.h"
#include "frame/gui/FTolvane.h"
#include "frame/gui/HostedButtressFrame.h"
#include "report/gui/NoteView.h"
#include "shell/gui/ApplicationSetup.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <set>

namespace {

// Waits for the paint events of a set of widgets.
class AttentePeintures : public QObject {
public:
    explicit AttentePeintures(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
            attendus_.insert(w);
        }
    }
    ~AttentePeintures() override
    {
        for (QObject* w : attendus_)
            w->removeEventFilter(this);
    }
    void reinitialiser() { peints_.clear(); }
    // True once every widget was painted, false after the limit.
    bool attendre(int limiteMs = 5000)
    {
        QElapsedTimer chrono;
        chrono.start();
        while (peints_.size() < attendus_.size()) {
            if (chrono.elapsed() > limiteMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        // What the paint events posted in turn (deferred displays) runs too.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            peints_.insert(watched);
        return false;
    }

private:
    std::set<QObject*> attendus_;
    std::set<QObject*> peints_;
};

void inactivite()
{
    for (int i = 0; i < 6; ++i)
        QCoreApplication::processEvents();
}

struct Application {
    QTemporaryDir dossier;
    std::map<std::pair<int, int>, QString> documents;
    std::unique_ptr<TFBaseM2> fenetre;

    Application()
    {
        UtiliserCalculParDefautDesSources();
        fenetre = std::make_unique<TFBaseM2>(FabriqueCadreContrefort());
        fenetre->DebutAppli({});
        fenetre->resize(1280, 900);
        fenetre->show();
        fenetre->activateWindow();
        if (!QTest::qWaitForWindowExposed(fenetre.get()))
            qWarning("la fenêtre principale n'a pas été exposée");
        inactivite();
    }

    ~Application()
    {
        fenetre->DF().Fermer(false);
        fenetre.reset();
    }

    // The document of that many calculations of that many sections.
    const QString& Document(int calculs, int sections)
    {
        auto [it, nouveau] = documents.try_emplace({calculs, sections});
        if (nouveau) {
            it->second = dossier.filePath(QStringLiteral("doc-%1-%2.Tolvane").arg(calculs).arg(sections));
            EcrireDocumentDeCalculs(it->second, calculs, sections);
        }
        return it->second;
    }

    void Ouvrir(const QString& chemin)
    {
        fenetre->DF().Fermer(false);
        inactivite();
        fenetre->DF().Ouvrir(chemin);
        inactivite();
    }

    void CliquerOnglet(int ix)
    {
        TdcTabControl* onglets = fenetre->TC();
        QTest::mouseClick(onglets, Qt::LeftButton, {}, QPoint(onglets->GaucheOnglet(ix) + 10, onglets->height() / 2));
    }

    TFTolvane& Cadre() const { return *fenetre->findChild<TFTolvane*>(); }
    QWidget& Dessin() const { return *fenetre->findChild<QWidget*>(QStringLiteral("PBx")); }
};

std::unique_ptr<Application> gApplication;

Application& App() { return *gApplication; }

void BM_OuvrirDocument(benchmark::State& state)
{
    Application& app = App();
    const QString& chemin = app.Document(int(state.range(0)), 6);
    AttentePeintures peintures{app.fenetre->TC()};
    for (auto _ : state) {
        state.PauseTiming();
        app.fenetre->DF().Fermer(false);
        inactivite();
        peintures.reinitialiser();
        state.ResumeTiming();
        app.fenetre->DF().Ouvrir(chemin);
        if (!peintures.attendre()) {
            state.SkipWithError("la barre d'onglets n'a pas été repeinte");
            break;
        }
    }
}

// A click on the other calculation's tab, until its sheet and drawing show.
void BM_ChangerOnglet(benchmark::State& state)
{
    Application& app = App();
    app.Ouvrir(app.Document(2, int(state.range(0))));
    app.CliquerOnglet(1);
    inactivite();
    TFTolvane& cadre = app.Cadre();
    AttentePeintures peintures{&app.Dessin(), cadre.VLE->viewport()};
    int onglet = 1;
    for (auto _ : state) {
        onglet = 3 - onglet;
        peintures.reinitialiser();
        app.CliquerOnglet(onglet);
        if (!peintures.attendre()) {
            state.SkipWithError("la fiche et le dessin n'ont pas été repeints");
            break;
        }
    }
}

// A value typed in the sheet and confirmed, until the drawing is repainted.
// The tab strip is not: a caption changes colour only when the calculation is
// validated, as the user leaves the sheet (the results page's figure).
void BM_SaisieFiche(benchmark::State& state)
{
    Application& app = App();
    app.Ouvrir(app.Document(2, int(state.range(0))));
    app.CliquerOnglet(1);
    inactivite();
    QTableView& vle = *app.Cadre().VLE;
    int ligne = -1;
    for (int r = 0; r < vle.model()->rowCount() && ligne < 0; ++r)
        if (vle.model()->index(r, 0).data().toString().trimmed() == QStringLiteral("largeur du tolvane suivant Y (cm)"))
            ligne = r;
    if (ligne < 0) {
        state.SkipWithError("pas de ligne de largeur dans la fiche");
        return;
    }
    AttentePeintures peintures{&app.Dessin()};
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QModelIndex cellule = vle.model()->index(ligne, 1);
        vle.setFocus();
        vle.setCurrentIndex(cellule);
        vle.edit(cellule);
        inactivite();
        auto* editeur = qobject_cast<QLineEdit*>(vle.indexWidget(cellule));
        if (!editeur) {
            state.SkipWithError("la cellule n'ouvre pas d'éditeur");
            break;
        }
        editeur->setText(++n % 2 ? QStringLiteral("125") : QStringLiteral("110"));
        peintures.reinitialiser();
        state.ResumeTiming();
        QTest::keyClick(editeur, Qt::Key_Return);
        if (!peintures.attendre()) {
            state.SkipWithError("le dessin n'a pas été repeint");
            break;
        }
    }
}

// From the sheet to the results page: the selection computed, the verdict
// and the note shown.
void BM_PageResultats(benchmark::State& state)
{
    Application& app = App();
    app.Ouvrir(app.Document(2, int(state.range(0))));
    app.CliquerOnglet(1);
    inactivite();
    TFTolvane& cadre = app.Cadre();
    AttentePeintures peintures{cadre.WB->viewport(), cadre.PnStatutCalcul};
    for (auto _ : state) {
        state.PauseTiming();
        cadre.PCPages->setCurrentIndex(0);
        inactivite();
        peintures.reinitialiser();
        state.ResumeTiming();
        cadre.PCPages->setCurrentIndex(2);
        if (!peintures.attendre(60000)) {
            state.SkipWithError("la page des résultats n'a pas été repeinte");
            break;
        }
    }
    cadre.PCPages->setCurrentIndex(0);
    inactivite();
}

} // namespace

int main(int argc, char** argv)
{
    // The application's settings go to a folder of the run, never the user's.
    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::unique_ptr<TApplicationPreparee> preparation = PreparerApplication();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // TOLVANE_BENCH_ESSAIS (a number of runs) makes every figure quick, for
    // the test that only checks that the benchmarks still run.
    const int essais = qEnvironmentVariableIntValue("TOLVANE_BENCH_ESSAIS");
    const auto fois = [essais](int n) { return essais > 0 ? essais : n; };
    const auto enregistrer = [](const char* nom, void (*mesure)(benchmark::State&), int iterations) {
        return benchmark::RegisterBenchmark(nom, mesure)
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    enregistrer("BM_OuvrirDocument", BM_OuvrirDocument, fois(10))->Arg(100);
    enregistrer("BM_ChangerOnglet", BM_ChangerOnglet, fois(20))->Arg(20)->Arg(1000);
    enregistrer("BM_SaisieFiche", BM_SaisieFiche, fois(20))->Arg(20)->Arg(1000);
    enregistrer("BM_PageResultats", BM_PageResultats, fois(3))->Arg(20)->Arg(1000);

    gApplication = std::make_unique<Application>();
    benchmark::RunSpecifiedBenchmarks();
    gApplication.reset();
    benchmark::Shutdown();
    return 0;
}
