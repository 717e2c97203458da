#include "DocFichTestSupport.h"
#include "settings/PlacedWindow.h"
#include "settings/WinReg.h"
#include "util/Errors.h"

#include <QEventLoop>
#include <QSettings>
#include <QTimer>

namespace {

using A = PlatformServices::Answer;

TEST(LigneDeCommande, SwitchesAndTheDocumentToOpen)
{
    const struct {
        QStringList arguments;
        const char* fichier; // relative to the current folder, "" for none
        QStringList params;
    } cases[] = {
        {{QStringLiteral("/CFG:2")}, "", {QStringLiteral("CFG=2")}},
        {{QStringLiteral("/cfg:x")}, "", {QStringLiteral("CFG=x")}},
        {{QStringLiteral("/X")}, "", {QStringLiteral("X=")}},
        // A first argument that is a switch: a later document is not opened.
        {{QStringLiteral("/X"), QStringLiteral("doc.tolvane")}, "", {QStringLiteral("X=")}},
        {{QStringLiteral("doc.tolvane"), QStringLiteral("/CFG:3"), QStringLiteral("autre.tolvane")},
         "doc.tolvane",
         {QStringLiteral("CFG=3")}},
        // Reading stops at the first empty argument.
        {{QStringLiteral(""), QStringLiteral("doc.tolvane")}, "", {}},
        // A path is no switch, though it starts with "/".
        {{QStringLiteral("/tmp/doc.tolvane")}, "/tmp/doc.tolvane", {}},
    };
    for (const auto& c : cases) {
        const LigneDeCommande ligne = LireLigneDeCommande(c.arguments);
        const QString fichier = QString::fromUtf8(c.fichier);
        EXPECT_EQ(ligne.FichierAOuvrir, fichier.isEmpty() ? QString() : CheminComplet(fichier)) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(ligne.Params, c.params) << c.arguments.join(u' ').toStdString();
    }
    const LigneDeCommande x = LireLigneDeCommande({QStringLiteral("/X"), QStringLiteral("/Y:1")});
    EXPECT_TRUE(x.Switch(QStringLiteral("x")));
    EXPECT_FALSE(x.Switch(QStringLiteral("y")));
    EXPECT_EQ(x.Valeur(QStringLiteral("y")), QStringLiteral("1"));
}

TEST(TexteVirgules, QuotesWhatWouldSplitAndReadsItBack)
{
    const QStringList entries{QStringLiteral("/d/a.tolvane"), QStringLiteral("/d/Mes documents/b.tolvane"),
                              QStringLiteral("/d/c,d.tolvane"), QStringLiteral("/d/\"e\".tolvane")};
    const QString text = TexteVirgules(entries);
    EXPECT_EQ(text, QStringLiteral("/d/a.tolvane,\"/d/Mes documents/b.tolvane\",\"/d/c,d.tolvane\",\"/d/\"\"e\"\".tolvane\""));
    EXPECT_EQ(LireTexteVirgules(text), entries);
    // Blanks outside quotes separate entries too.
    EXPECT_EQ(LireTexteVirgules(QStringLiteral(" a b,c ")), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(TListeRecents, MostRecentFirstOneEntryPerPathAndSeventeenKept)
{
    TListeRecents recents;
    for (int i = 1; i <= 20; ++i)
        recents.Ajouter(QStringLiteral("/d/doc%1.tolvane").arg(i), 0);
    recents.Ajouter(QStringLiteral("/d/DOC3.tolvane"), 0);
    ASSERT_EQ(recents.Entrees().size(), 20);
    EXPECT_EQ(recents.Entrees().first(), QStringLiteral("/d/DOC3.tolvane"));
    const QStringList stored = LireTexteVirgules(recents.TexteEnregistre());
    ASSERT_EQ(stored.size(), TListeRecents::kEntreesEnregistrees);
    EXPECT_EQ(stored.mid(0, 3), (QStringList{QStringLiteral("/d/DOC3.tolvane"), QStringLiteral("/d/doc20.tolvane"),
                                             QStringLiteral("/d/doc19.tolvane")}));

    TListeRecents next;
    next.ChargerTexte(recents.TexteEnregistre(), 0);
    EXPECT_EQ(next.Entrees(), stored);

    TListeRecents bounded;
    for (int i = 1; i <= 5; ++i)
        bounded.Ajouter(QString::number(i), 3);
    EXPECT_EQ(bounded.Entrees(), (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3")}));
}

// The main window's placement, reduced to a rectangle.
class MainWindowPlacement final : public PlacedWindow {
public:
    QString formName() const override { return QStringLiteral("FBaseM2"); }
    WindowPlacement placement() const override { return current; }
    void setPlacement(const WindowPlacement& placement) override { current = placement; }
    QRect desktop() const override { return QRect(0, 0, 1920, 1080); }
    WindowPlacement current{WindowPlacement::State::Normal, QRect(10, 10, 800, 600)};
};

class DocFichStartTest : public DocFichTest {
protected:
    DocFichStartTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        WR.SetFenetre(std::make_unique<MainWindowPlacement>());
        WR.setNomAppli(QStringLiteral("Tolvane"));
        WR.setControlKeyQuery([] { return false; });
        // The main window's settings hooks.
        WR.setOnChargeReg([this] {
            DF.GetHistoF();
            DF.setDirDossDefaut(WR.GetStr(QStringLiteral("DossierParDefaut")));
        });
        WR.setOnRangeReg([this] {
            DF.PutHistoF();
            WR.PutStr(QStringLiteral("DossierParDefaut"), DF.DirDossDefaut());
        });
        DF.CompWinReg = &WR;
        DF.OnDebutAppli = [this] { ++startUps; };
    }
    QString stored(const QString& key) const
    {
        return QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).value(key).toString();
    }

    QTemporaryDir settingsDir;
    TWinReg WR{TWinReg::Role::MainWindow};
    int startUps = 0;
};

TEST_F(DocFichStartTest, ConfigurationOfTheCommandLineIsLoadedAndStoredWithTheRecentList)
{
    const QString doc = path(QStringLiteral("projet.tolvane"));
    WriteDocument(doc, QStringLiteral("projet"));
    DF.DebutAppli({doc, QStringLiteral("/CFG:2")});
    EXPECT_EQ(startUps, 1);
    EXPECT_EQ(DF.ConfigActive(), 2);
    EXPECT_EQ(WR.NumConfig(), 2);
    ASSERT_TRUE(DF.DocActif());
    EXPECT_EQ(DF.PathFichier(), doc);
    EXPECT_TRUE(hasLockFile(doc));
    ASSERT_TRUE(DF.Fermer(true));
    DF.FinAppli();
    EXPECT_EQ(LireTexteVirgules(stored(QStringLiteral("CONFIG_2/FBaseM2/HistoFichiers"))), QStringList{doc});
    EXPECT_EQ(stored(QStringLiteral("CONFIG_2/FBaseM2/DossierParDefaut")), folder + u'/');
    EXPECT_EQ(stored(QStringLiteral("FBaseM2/HistoFichiers")), QString());

    // The next run of configuration 2 gets its recent list back.
    TDocFich next;
    TWinReg nextWR{TWinReg::Role::MainWindow};
    nextWR.SetFenetre(std::make_unique<MainWindowPlacement>());
    nextWR.setNomAppli(QStringLiteral("Tolvane"));
    nextWR.setControlKeyQuery([] { return false; });
    nextWR.setOnChargeReg([&] { next.GetHistoF(); });
    next.NomHisto = QStringLiteral("HistoFichiers");
    next.CompWinReg = &nextWR;
    next.DebutAppli({QStringLiteral("/CFG:2")});
    EXPECT_EQ(next.Recents(), QStringList{doc});
    EXPECT_FALSE(next.DocActif());
}

TEST_F(DocFichStartTest, UnreadableConfigurationNumberAndLeadingSwitchOpenNothing)
{
    const QString doc = path(QStringLiteral("projet.tolvane"));
    WriteDocument(doc, QStringLiteral("projet"));
    DF.DebutAppli({QStringLiteral("/CFG:x"), doc});
    EXPECT_EQ(DF.ConfigActive(), 0);
    EXPECT_EQ(WR.NumConfig(), 0);
    EXPECT_FALSE(DF.DocActif());
    EXPECT_EQ(startUps, 1);
    DF.FinAppli();
}

TEST_F(DocFichTest, SideFileHoldsTheChangesWithoutMarkingTheDocumentSaved)
{
    const QString doc = path(QStringLiteral("calcul.tolvane"));
    WriteDocument(doc, QStringLiteral("enregistré"));
    ASSERT_TRUE(DF.Ouvrir(doc));
    const QString svg = doc + QStringLiteral(".SVG");

    // Unchanged: no side file.
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    EXPECT_FALSE(QFileInfo::exists(svg));

    app.Edit(QStringLiteral("en cours"));
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    EXPECT_EQ(MemoOf(svg), QStringLiteral("en cours"));
    EXPECT_EQ(app.writes.back().mode, TDocFich::kEcrireSvgAuto);
    EXPECT_EQ(MemoOf(doc), QStringLiteral("enregistré"));
    EXPECT_TRUE(DF.Modified()) << "the side file is no save of the document";
    EXPECT_EQ(DF.FichiersSvg(), QStringList{svg});
    EXPECT_FALSE(QFileInfo::exists(doc + QStringLiteral(".bak")));

    // Closing still asks, and the document itself is saved as usual.
    platform.answers.push_back(A::Cancel);
    EXPECT_FALSE(DF.Fermer(true));
    ASSERT_EQ(platform.questions.size(), 1u);
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_FALSE(DF.Modified());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("en cours"));

    // Saved: the next period writes nothing more.
    const std::size_t writes = app.writes.size();
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    EXPECT_EQ(app.writes.size(), writes);

    DF.FinAppli();
    EXPECT_FALSE(QFileInfo::exists(svg));
    EXPECT_FALSE(hasLockFile(doc)) << "no lock file remains after a normal end";
}

TEST_F(DocFichTest, ChangedNewDocumentIsSavedAsNonEnregistreInTheCurrentFolder)
{
    ASSERT_TRUE(DF.Nouveau());
    app.Edit(QStringLiteral("brouillon"));
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    const QString svg = path(QStringLiteral("non enregistré.Tolvane.SVG"));
    EXPECT_EQ(MemoOf(svg), QStringLiteral("brouillon"));
    EXPECT_TRUE(DF.DocNouveau());
    EXPECT_EQ(DF.PathFichier(), QString());
    EXPECT_TRUE(DF.Recents().isEmpty());
    DF.FinAppli();
    EXPECT_FALSE(QFileInfo::exists(svg));
}

TEST_F(DocFichTest, FailedAutomaticSaveIsReportedAndTheApplicationGoesOn)
{
    ASSERT_TRUE(DF.Nouveau());
    app.Edit(QStringLiteral("brouillon"));
    app.beforeWrite = [](int) { throw EInOutError(QStringLiteral("disque plein")); };
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("erreur à la sauvegarde automatique")});
    EXPECT_TRUE(DF.Modified());
    EXPECT_TRUE(DF.DocActif());
}

TEST_F(DocFichTest, PeriodElapsedSavesAtTheNextIdleTime)
{
    DF.setDelaiSvgAuto(10);
    EXPECT_EQ(DF.DelaiSvgAuto(), 10);
    ASSERT_TRUE(DF.Nouveau());
    app.Edit(QStringLiteral("brouillon"));
    QEventLoop loop;
    app.afterWrite = [&](int) { loop.quit(); };
    QTimer::singleShot(30000, &loop, &QEventLoop::quit); // only a safety net
    DF.TopSauvegardeAuto();
    EXPECT_TRUE(app.writes.empty()) << "nothing is written before the application is idle";
    loop.exec();
    ASSERT_EQ(app.writes.size(), 1u);
    EXPECT_EQ(app.writes.front().mode, TDocFich::kEcrireSvgAuto);
    DF.setDelaiSvgAuto(0);
    DF.FinAppli();
}

} // namespace
