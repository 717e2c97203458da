#include "SettingsFixture.h"

#include "settings/IniSettingsFile.h"
#include "util/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

namespace {

using State = WindowPlacement::State;

// Files may not grow beyond the limit while it lives; writing past it fails
// instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

TEST_F(SettingsTest, FirstRunReadsNothingAndCreatesTheApplicationKeyAtExit)
{
    FakeWindow* window = nullptr;
    auto WR = MainComponent(&window);
    // Before loading there is no store: writes are dropped.
    WR->PutStr(QStringLiteral("Sep"), QStringLiteral("12"));
    EXPECT_TRUE(WR->RangeReg(0));
    EXPECT_FALSE(QFileInfo::exists(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).fileName()));

    QString history = QStringLiteral("non lu");
    int separator = 0;
    WR->setOnChargeReg([&] {
        history = WR->GetStr(QStringLiteral("HistoFichiers"));
        separator = WR->GetLong(QStringLiteral("Sep"), 80);
    });
    WR->ChargeReg(0);
    EXPECT_TRUE(WR->LoadOK());
    EXPECT_EQ(history, QString());
    EXPECT_EQ(separator, 80);
    EXPECT_EQ(window->placements, 0) << "the window keeps its design-time placement";
    EXPECT_TRUE(platform.messages.empty());

    EXPECT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/WinLTWH")), QStringLiteral("100 100 640 480"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/PixelsPerInchDsgn")), QStringLiteral("96"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/Sep")), QString());
}

TEST_F(SettingsTest, EarlierOrganisationIsReadOnlyWhenTheCurrentOneIsEmptyAndNeverWritten)
{
    struct Case {
        bool currentExists;
        QString expected;
    };
    for (const Case& c : {Case{false, QStringLiteral("tasq.Tolvane")}, Case{true, QStringLiteral("vok.Tolvane")}}) {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        Prefill(QStringLiteral("Tasq"), {{QStringLiteral("FBaseM2/HistoFichiers"), QStringLiteral("tasq.Tolvane")},
                                         {QStringLiteral("FBaseM2/DossierParDefaut"), QStringLiteral("/projets")}});
        if (c.currentExists)
            Prefill(QStringLiteral("Vok"), {{QStringLiteral("FBaseM2/HistoFichiers"), QStringLiteral("vok.Tolvane")}});

        auto WR = MainComponent();
        WR->ChargeReg(0);
        EXPECT_EQ(WR->GetStr(QStringLiteral("HistoFichiers")), c.expected);
        WR->PutStr(QStringLiteral("HistoFichiers"), QStringLiteral("nouveau.Tolvane"));
        ASSERT_TRUE(WR->RangeReg(0));

        EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/HistoFichiers")),
                  QStringLiteral("nouveau.Tolvane"));
        EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/DossierParDefaut")),
                  c.currentExists ? QString() : QStringLiteral("/projets"));
        EXPECT_EQ(Stored(QStringLiteral("Tasq"), QStringLiteral("FBaseM2/HistoFichiers")),
                  QStringLiteral("tasq.Tolvane"));
    }
}

TEST_F(SettingsTest, NewConfigurationStartsFromConfigurationZeroAndIsSavedUnderItsOwnKey)
{
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FBaseM2/Sep"), QStringLiteral("120")},
                                    {QStringLiteral("FBaseM2/WinLTWH"), QStringLiteral("10 20 800 600")},
                                    {QStringLiteral("CONFIG_5/FBaseM2/Sep"), QStringLiteral("55")}});
    {
        auto WR = MainComponent();
        WR->ChargeReg(3);
        EXPECT_EQ(WR->CleConfig(), QStringLiteral("CONFIG_3"));
        EXPECT_EQ(WR->NumConfig(), 3);
        EXPECT_EQ(WR->GetStr(QStringLiteral("Sep")), QStringLiteral("120"));
        WR->PutStr(QStringLiteral("Sep"), QStringLiteral("130"));
        ASSERT_TRUE(WR->RangeReg(3));
    }
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("CONFIG_3/FBaseM2/Sep")), QStringLiteral("130"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("CONFIG_3/FBaseM2/WinLTWH")), QStringLiteral("10 20 800 600"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/Sep")), QStringLiteral("120"));

    const std::pair<int, QString> reads[] = {{3, QStringLiteral("130")}, {5, QStringLiteral("55")}, {0, QStringLiteral("120")}};
    for (const auto& [config, expected] : reads) {
        auto WR = MainComponent();
        WR->ChargeReg(config);
        EXPECT_EQ(WR->GetStr(QStringLiteral("Sep")), expected) << config;
    }
}

TEST_F(SettingsTest, ValuesAreTextsWithLenientNumbers)
{
    auto WR = MainComponent();
    WR->ChargeReg(0);
    WR->PutLong(QStringLiteral("Entier"), -3);
    WR->PutDouble(QStringLiteral("Reel"), 0.1);
    WR->PutDouble(QStringLiteral("Grand"), 1.5e20);
    EXPECT_EQ(WR->GetStr(QStringLiteral("Entier")), QStringLiteral("-3"));
    EXPECT_EQ(WR->GetStr(QStringLiteral("Reel")), QStringLiteral("0.1"));
    EXPECT_EQ(WR->GetDouble(QStringLiteral("Grand"), 0), 1.5e20);

    struct Case {
        QString text;
        int asInteger;
        double asNumber;
    };
    const Case cases[] = {
        {QStringLiteral("42"), 42, 42},
        {QStringLiteral(" 42 "), 42, 42},
        {QStringLiteral("2.5"), -1, 2.5},
        {QStringLiteral("2,5"), -1, -1.5},
        {QStringLiteral("douze"), -1, -1.5},
        {QString(), -1, -1.5},
    };
    for (const Case& c : cases) {
        WR->PutStr(QStringLiteral("Valeur"), c.text);
        EXPECT_EQ(WR->GetLong(QStringLiteral("Valeur"), -1), c.asInteger) << c.text.toStdString();
        EXPECT_EQ(WR->GetDouble(QStringLiteral("Valeur"), -1.5), c.asNumber) << c.text.toStdString();
    }
    // Value names and form keys are compared ignoring case.
    EXPECT_EQ(WR->GetStr(QStringLiteral("ENTIER")), QStringLiteral("-3"));
    WR->SetCleFiche(QStringLiteral("fbase m2"));
    EXPECT_EQ(WR->CleFiche(), QStringLiteral("fbasem2"));
    EXPECT_EQ(WR->GetStr(QStringLiteral("entier")), QStringLiteral("-3"));
}

TEST_F(SettingsTest, StoredPlacementIsRestoredAndKeptOnTheDesktop)
{
    struct Case {
        QString stored;
        WindowPlacement expected;
    };
    const QRect design(100, 100, 640, 480);
    const Case cases[] = {
        {QStringLiteral("A10 20 800 600"), {State::Maximised, QRect(10, 20, 800, 600)}},
        {QStringLiteral("I10 20 800 600"), {State::Minimised, QRect(10, 20, 800, 600)}},
        {QStringLiteral("5000 -70 800 600"), {State::Normal, QRect(1070, 0, 800, 600)}},
        {QStringLiteral("300 4000 800 600"), {State::Normal, QRect(300, 430, 800, 600)}},
        {QStringLiteral("10 20 800"), {State::Normal, design}},
        {QStringLiteral("A10 20"), {State::Maximised, design}},
    };
    for (const Case& c : cases) {
        Prefill(QStringLiteral("Vok"), {{QStringLiteral("FBaseM2/WinLTWH"), c.stored}});
        FakeWindow* window = nullptr;
        auto WR = MainComponent(&window);
        WR->ChargeReg(0);
        EXPECT_EQ(window->current, c.expected) << c.stored.toStdString();
    }
}

TEST_F(SettingsTest, MaximisedWindowIsStoredWithItsNormalRectangleAndComesBackMaximised)
{
    {
        FakeWindow* window = nullptr;
        auto WR = MainComponent(&window);
        WR->ChargeReg(0);
        window->current = {State::Maximised, QRect(30, 40, 900, 700)};
        ASSERT_TRUE(WR->RangeReg(0));
    }
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/WinLTWH")), QStringLiteral("A30 40 900 700"));
    FakeWindow* window = nullptr;
    auto WR = MainComponent(&window);
    WR->ChargeReg(0);
    EXPECT_EQ(window->current, (WindowPlacement{State::Maximised, QRect(30, 40, 900, 700)}));
}

TEST_F(SettingsTest, LeftControlAtStartUpKeepsDesignPlacementsAndStoresTheCurrentOnes)
{
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FBaseM2/WinLTWH"), QStringLiteral("A10 20 800 600")},
                                    {QStringLiteral("FBaseM2/PixelsPerInchDsgn"), QStringLiteral("120")}});
    leftControlHeld = true;
    FakeWindow* window = nullptr;
    auto WR = MainComponent(&window);
    WR->ChargeReg(0);
    EXPECT_TRUE(WR->InitAlign());
    EXPECT_EQ(platform.messages,
              std::vector<QString>{QStringLiteral("réinitialisation des positions de fenêtres ; redémarrez Tolvane")});
    EXPECT_EQ(window->placements, 0);
    EXPECT_EQ(WR->PixelsPerInchDsgn(), 96);

    // A dialog opened during that run keeps its design placement too.
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FConfig/WinLTWH"), QStringLiteral("10 20 800 600")}});
    FakeWindow* dialogWindow = nullptr;
    auto dialog = Component(TWinReg::Role::Form, QStringLiteral("FConfig"), &dialogWindow);
    dialog->ChargeFenReg(QString());
    EXPECT_EQ(dialogWindow->placements, 0);

    ASSERT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/WinLTWH")), QStringLiteral("100 100 640 480"));
}

TEST_F(SettingsTest, DesignResolutionAndAssociationRefusalsTravelWithThePlacement)
{
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FBaseM2/PixelsPerInchDsgn"), QStringLiteral("120")},
                                    {QStringLiteral("FBaseM2/NoAutoAssociation"), QStringLiteral("FT")}});
    auto WR = MainComponent();
    WR->AutoFile(1)._1ext = QStringLiteral("Tolvane");
    WR->ChargeReg(0);
    EXPECT_EQ(WR->PixelsPerInchDsgn(), 120);
    EXPECT_FALSE(WR->AutoFile(1).NoAutoAssoc);
    EXPECT_TRUE(WR->AutoFile(2).NoAutoAssoc);
    EXPECT_FALSE(WR->AutoFile(3).NoAutoAssoc);

    WR->AutoFile(1).NoAutoAssoc = true;
    WR->RangeFenReg();
    EXPECT_EQ(WR->GetStr(QStringLiteral("NoAutoAssociation")), QStringLiteral("TTF"));
    EXPECT_EQ(WR->GetStr(QStringLiteral("PixelsPerInchDsgn")), QStringLiteral("120"));

    // A form that describes no extension stores no refusals.
    auto dialog = Component(TWinReg::Role::Form, QStringLiteral("FConfig"));
    dialog->ChargeFenReg(QString());
    dialog->RangeFenReg();
    EXPECT_FALSE(WR->Store()->contains(CleValeur(QStringLiteral("FConfig"), QStringLiteral("NoAutoAssociation"))));
    EXPECT_TRUE(WR->Store()->contains(CleValeur(QStringLiteral("FConfig"), QStringLiteral("WinLTWH"))));
}

TEST_F(SettingsTest, DialogCreatedOnDemandWritesTheWholeStoreAtOnce)
{
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FSelListe/WinLTWH"), QStringLiteral("300 200 400 300")}});
    auto main = MainComponent();
    main->ChargeReg(4);
    main->PutStr(QStringLiteral("HistoFichiers"), QStringLiteral("a.Tolvane"));

    FakeWindow* window = nullptr;
    auto dialog = Component(TWinReg::Role::Form, QStringLiteral("FSelListe"), &window);
    dialog->setPixelsPerInchDsgn(120);
    dialog->ChargeRegLocal(0);
    EXPECT_TRUE(dialog->LoadOK());
    EXPECT_EQ(window->current.normal, QRect(300, 200, 400, 300));

    window->current.normal = QRect(310, 210, 420, 320);
    ASSERT_TRUE(dialog->RangeRegLocal(-1));
    // Written under the main window's configuration, with the main window's values.
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("CONFIG_4/FSelListe/WinLTWH")),
              QStringLiteral("310 210 420 320"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("CONFIG_4/FSelListe/PixelsPerInchDsgn")),
              QStringLiteral("120"));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("CONFIG_4/FBaseM2/HistoFichiers")),
              QStringLiteral("a.Tolvane"));
}

TEST_F(SettingsTest, DialogWithoutLoadedStoreWritesNothing)
{
    auto main = MainComponent();
    auto dialog = Component(TWinReg::Role::Form, QStringLiteral("FSelListe"));
    dialog->ChargeRegLocal(0);
    dialog->PutStr(QStringLiteral("Sep"), QStringLiteral("3"));
    EXPECT_EQ(dialog->GetStr(QStringLiteral("Sep")), QString());
    EXPECT_TRUE(dialog->RangeRegLocal(-1));
    EXPECT_FALSE(QFileInfo::exists(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).fileName()));
}

TEST_F(SettingsTest, IniFileKeepsValuesWithLineBreaksAndAnyCharacter)
{
    const QString memo = QStringLiteral("ligne 1\r\nligne 2\nseule\r< délimstr A >\r\nΩ fin");
    {
        auto WR = MainComponent();
        WR->setFichierINI(true);
        WR->ChargeReg(2);
        WR->PutStr(QStringLiteral("Memo"), memo);
        WR->PutStr(QStringLiteral("Dossier"), QStringLiteral("C:\\églises"));
        ASSERT_TRUE(WR->RangeReg(2));
    }
    const QString fileName =
        QDir(dir.path()).filePath(QStringLiteral("Tolvane_%1_CONFIG_2.INI").arg(NomUtilisateur().toUpper()));
    EXPECT_EQ(NomFichierIniUtilisateur(dir.path(), QStringLiteral("Tolvane"), QStringLiteral("CONFIG_2")), fileName);
    ASSERT_TRUE(QFileInfo::exists(fileName));
    EXPECT_FALSE(QFileInfo::exists(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).fileName()));

    auto WR = MainComponent();
    WR->setFichierINI(true);
    WR->ChargeReg(2);
    EXPECT_EQ(WR->GetStr(QStringLiteral("Memo")), memo);
    EXPECT_EQ(WR->GetStr(QStringLiteral("Dossier")), QStringLiteral("C:\\églises"));
}

TEST_F(SettingsTest, IniTextIsKeyLinesAndDelimitedBlocksInKeyOrder)
{
    SettingsStore store;
    store.setValue(CleValeur(QStringLiteral("FConfig"), QStringLiteral("Sep")), QStringLiteral("80"));
    store.setValue(CleValeur(QStringLiteral("FBaseM2"), QStringLiteral("Memo")), QStringLiteral("a\r\nb"));
    const QString text = TexteIni(store);
    EXPECT_EQ(text, QStringLiteral("FBaseM2\tMemo\r\n< délimstr A >\r\na\r\nb< délimstr A >\r\n"
                                   "FConfig\tSep\r\n< délimstr A >\r\n80< délimstr A >\r\n"));
    SettingsStore read;
    LireTexteIni(text + QStringLiteral("\r\nperdu\r\n< délimstr A >\r\nx< délimstr A >\r\n"), read);
    EXPECT_EQ(read.entries(), store.entries()) << "an empty key line ends the list";
}

TEST_F(SettingsTest, IniFilesAreReadInOrderOfPreference)
{
    const QString user = NomUtilisateur().toUpper();
    const QString generic = QDir(dir.path()).filePath(QStringLiteral("generique.INI"));
    const auto write = [&](const QString& fileName, const QString& value) {
        SettingsStore store;
        store.setValue(CleValeur(QStringLiteral("FBaseM2"), QStringLiteral("Source")), value);
        EcrireFichierIni(fileName, TexteIni(store));
    };
    const std::pair<QString, QString> files[] = {
        {generic, QStringLiteral("générique")},
        {QDir(dir.path()).filePath(QStringLiteral("Tolvane.INI")), QStringLiteral("application")},
        {QDir(dir.path()).filePath(QStringLiteral("Tolvane_%1.INI").arg(user)), QStringLiteral("utilisateur")},
        {QDir(dir.path()).filePath(QStringLiteral("Tolvane_%1_CONFIG_1.INI").arg(user)), QStringLiteral("config")},
    };
    for (const auto& [fileName, source] : files) {
        write(fileName, source);
        auto WR = MainComponent();
        WR->setFichierINI(true);
        WR->setPathINILecGenerique(generic);
        WR->ChargeReg(1);
        EXPECT_EQ(WR->GetStr(QStringLiteral("Source")), source);
    }
}

TEST_F(SettingsTest, LoadingAndStoringOutsideTheMainWindowIsReportedAndGoesOn)
{
    Prefill(QStringLiteral("Vok"), {{QStringLiteral("FConfig/Sep"), QStringLiteral("90")}});
    auto WR = Component(TWinReg::Role::Form, QStringLiteral("FConfig"));
    WR->ChargeReg(0);
    EXPECT_EQ(WR->GetStr(QStringLiteral("Sep")), QStringLiteral("90"));
    WR->PutStr(QStringLiteral("Sep"), QStringLiteral("95"));
    EXPECT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FConfig/Sep")), QStringLiteral("95"));
    EXPECT_EQ(platform.messages, (std::vector<QString>{QStringLiteral("erreur CWinReg : seule MainForm peut appeler ChargeReg"),
                                                       QStringLiteral("erreur CWinReg : seule MainForm peut appeler RangeReg")}));
}

TEST_F(SettingsTest, FailingFormHookIsReportedWithTheFormName)
{
    auto WR = MainComponent();
    WR->setOnChargeReg([] { throw EConvertError(QStringLiteral("valeur illisible")); });
    WR->setOnRangeReg([] { throw ERangeError(QStringLiteral("hors limites")); });
    WR->ChargeReg(0);
    EXPECT_TRUE(WR->LoadOK());
    EXPECT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(platform.messages,
              (std::vector<QString>{QStringLiteral("valeur illisible dans FBaseM2,TWinReg.ChargeFenReg"),
                                    QStringLiteral("hors limites dans FBaseM2,TWinReg.RangeFenReg")}));
    // The placement was stored before the hook failed.
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/WinLTWH")), QStringLiteral("100 100 640 480"));
}

TEST_F(SettingsTest, UnreadableIniFileStopsTheLoadingWithAMessage)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Tolvane_%1.INI").arg(NomUtilisateur().toUpper())));
    auto WR = MainComponent();
    WR->setFichierINI(true);
    EXPECT_THROW(WR->ChargeReg(0), EInOutError);
    EXPECT_FALSE(WR->LoadOK());
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("erreur au chargement du registre")});
    // A store that was not wholly loaded never replaces the user's settings.
    EXPECT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SettingsTest, SettingsThatCannotBeWrittenAreReported)
{
    // The folder of the per-user store is taken by a file.
    QFile blocker(QDir(dir.path()).filePath(QStringLiteral("Vok")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto WR = MainComponent();
    WR->ChargeReg(0);
    EXPECT_FALSE(WR->RangeReg(0));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("Impossible d'enregistrer les réglages dans \"")))
        << platform.messages[0].toStdString();
}

TEST_F(SettingsTest, IniFileThatCannotBeWrittenIsReportedAndKeptAsItWas)
{
    const QString fileName = NomFichierIniUtilisateur(dir.path(), QStringLiteral("Tolvane"), QString());
    SettingsStore previous;
    previous.setValue(CleValeur(QStringLiteral("FBaseM2"), QStringLiteral("Sep")), QStringLiteral("80"));
    EcrireFichierIni(fileName, TexteIni(previous));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    auto WR = MainComponent();
    WR->setFichierINI(true);
    WR->ChargeReg(0);
    WR->PutStr(QStringLiteral("Memo"), QString(200000, u'x'));
    bool written = true;
    {
        // A disk that fills up: no file may grow beyond 4 KB meanwhile.
        FileSizeLimit limit(4096);
        written = WR->RangeReg(0);
    }
    EXPECT_FALSE(written);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].startsWith(
        QStringLiteral("Impossible d'enregistrer les réglages dans le fichier \"%1\" : ").arg(fileName)))
        << platform.messages[0].toStdString();
    EXPECT_GT(platform.messages[0].size(), platform.messages[0].indexOf(QStringLiteral(" : ")) + 3) << "the system's reason";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(SettingsTest, StoredValuesOfOtherKindsAreConvertedOrSkipped)
{
    {
        QSettings settings(QStringLiteral("Vok"), QStringLiteral("Tolvane"));
        const double number = 2.5;
        settings.setValue(QStringLiteral("FBaseM2/Reel"), QByteArray(reinterpret_cast<const char*>(&number), sizeof number));
        settings.setValue(QStringLiteral("FBaseM2/Octets"), QByteArray("abc"));
        settings.setValue(QStringLiteral("FBaseM2/Vide"), QString());
        settings.setValue(QStringLiteral("FBaseM2/Liste"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        settings.setValue(QStringLiteral("Racine"), QStringLiteral("sans fiche"));
    }
    auto WR = MainComponent();
    WR->ChargeReg(0);
    EXPECT_EQ(WR->GetStr(QStringLiteral("Reel")), QStringLiteral("2.5"));
    for (const char* skipped : {"Octets", "Vide", "Liste"})
        EXPECT_FALSE(WR->Store()->contains(CleValeur(QStringLiteral("FBaseM2"), QString::fromLatin1(skipped))))
            << skipped;
    // A value found directly under the application key goes back there.
    EXPECT_EQ(WR->Store()->value(QStringLiteral("Racine")), QStringLiteral("sans fiche"));
    ASSERT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("Racine")), QStringLiteral("sans fiche"));
    EXPECT_FALSE(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).childGroups().contains(QStringLiteral("Racine")));
}
