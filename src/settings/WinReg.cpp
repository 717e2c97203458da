#include "settings/WinReg.h"

#include "settings/IniSettingsFile.h"
#include "settings/RegistrySettings.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <exception>

namespace {

// The main window's component, found by the forms as they would find the
// main window itself.
QPointer<TWinReg> principal;

QString MessageException(const std::exception& e)
{
    if (const auto* tolvane = dynamic_cast<const ETolvane*>(&e))
        return tolvane->message();
    return QString::fromUtf8(e.what());
}

void Signaler(const QString& message, PlatformServices::Icon icon = PlatformServices::Icon::Error)
{
    services().showMessage(message, icon);
}

} // namespace

bool ToucheCtrlEnfoncee()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

TWinReg::TWinReg(Role role) : FRole(role), FControlKeyQuery(ToucheCtrlEnfoncee)
{
    if (FRole == Role::MainWindow)
        principal = this;
}

TWinReg::~TWinReg() = default;

TWinReg* TWinReg::Principal() { return principal.data(); }

void TWinReg::SetFenetre(std::unique_ptr<PlacedWindow> window)
{
    FFenetre = std::move(window);
    if (FFenetre)
        FCleFiche = FFenetre->formName();
}

QString TWinReg::NomAppliEffectif() const
{
    if (!FNomAppli.trimmed().isEmpty())
        return FNomAppli;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString TWinReg::DossierINI() const
{
    return FDossierINI.isEmpty() ? QCoreApplication::applicationDirPath() : FDossierINI;
}

void TWinReg::SetCleFiche(const QString& cle)
{
    if (!cle.isEmpty())
        FCleFiche = QString(cle).remove(u' ');
    else if (FFenetre)
        FCleFiche = FFenetre->formName();
}

TWinReg* TWinReg::MainWR() const { return FMainWR ? FMainWR.data() : Principal(); }

SettingsStore* TWinReg::Store() const
{
    const TWinReg* main = MainWR();
    return main ? main->FStore.get() : nullptr;
}

void TWinReg::ChoisirConfig(int numcfg)
{
    FNumConfig = numcfg;
    FCleConfig = numcfg != 0 ? QStringLiteral("CONFIG_%1").arg(numcfg) : QString();
}

void TWinReg::ChoisirConfigPourRanger(int numcfg)
{
    // A negative number keeps the configuration that was loaded.
    if (numcfg >= 0)
        ChoisirConfig(numcfg);
}

void TWinReg::Minimiser()
{
    if (!FFenetre)
        return;
    WindowPlacement placement = FFenetre->placement();
    placement.state = WindowPlacement::State::Minimised;
    FFenetre->setPlacement(placement);
}

void TWinReg::ChargeReg(int numcfg)
{
    if (FRole != Role::MainWindow)
        Signaler(QStringLiteral("erreur CWinReg : seule MainForm peut appeler ChargeReg"));
    FMainWR = this;
    FLoadOK = false;
    ChoisirConfig(numcfg);
    try {
        ChargerLeRegistre();
        // The other forms are created on demand and load their own settings.
        ChargeFenReg(QString());
        FLoadOK = true;
        if (FOuvrirReduit)
            Minimiser();
    } catch (...) {
        Signaler(QStringLiteral("erreur au chargement du registre"));
        if (FOuvrirReduit)
            Minimiser();
        throw;
    }
}

bool TWinReg::RangeReg(int numcfg)
{
    // A store that was never loaded would wipe out the user's settings.
    if (!FLoadOK)
        return true;
    if (FRole != Role::MainWindow)
        Signaler(QStringLiteral("erreur CWinReg : seule MainForm peut appeler RangeReg"));
    ChoisirConfigPourRanger(numcfg);
    RangeFenReg();
    return RangerLeRegistre();
}

void TWinReg::ChargeRegLocal(int numcfg)
{
    FLoadOK = false;
    ChoisirConfig(numcfg);
    try {
        ChargeFenReg(QString());
        FLoadOK = true;
    } catch (...) {
        Signaler(QStringLiteral("erreur au chargement du registre"));
        throw;
    }
}

bool TWinReg::RangeRegLocal(int numcfg)
{
    if (!FLoadOK)
        return true;
    ChoisirConfigPourRanger(numcfg);
    RangeFenReg();
    TWinReg* main = MainWR();
    // Only a store that was wholly loaded is written out.
    if (!main || !main->FLoadOK)
        return true;
    return main->RangerLeRegistre();
}

void TWinReg::ChargeFenReg(const QString& CleFicheForcee)
{
    if (!FFenetre)
        return;
    const TWinReg* main = MainWR();
    if (!main)
        return;
    FCleFiche = CleFicheForcee.isEmpty() ? FFenetre->formName() : CleFicheForcee;
    try {
        const WindowPlacement current = FFenetre->placement();
        WindowPlacement placement = current;
        if (!main->FInitAlign) {
            if (const int ppi = GetLong(QStringLiteral("PixelsPerInchDsgn"), 0); ppi != 0)
                FPixelsPerInchDsgn = ppi;
            const QString stored = GetStr(QStringLiteral("WinLTWH"));
            if (!stored.isEmpty()) {
                const StoredPlacement read = LirePlacement(stored);
                placement.state = read.state;
                if (read.normal)
                    placement.normal = *read.normal;
            }
        }
        placement.normal = GarderSurBureau(placement.normal, FFenetre->desktop());
        // A window left alone keeps the place the desktop gives it.
        if (placement != current)
            FFenetre->setPlacement(placement);

        const QString refusals = GetStr(QStringLiteral("NoAutoAssociation")) + QStringLiteral("FFF");
        for (int i = 0; i < 3; ++i)
            FAutoFiles[std::size_t(i)].NoAutoAssoc = refusals[i] == u'T';

        if (FOnChargeReg)
            FOnChargeReg();
    } catch (const std::exception& e) {
        // One form's failure costs neither the others nor the start-up.
        Signaler(MessageException(e) + QStringLiteral(" dans ") + FFenetre->formName()
                 + QStringLiteral(",TWinReg.ChargeFenReg"));
    }
}

void TWinReg::RangeFenReg()
{
    if (!FFenetre || !MainWR())
        return;
    if (FCleFiche.isEmpty())
        FCleFiche = FFenetre->formName();
    try {
        PutLong(QStringLiteral("PixelsPerInchDsgn"), FPixelsPerInchDsgn);
        PutStr(QStringLiteral("WinLTWH"), TextePlacement(FFenetre->placement()));
        const bool described = std::any_of(FAutoFiles.begin(), FAutoFiles.end(),
                                           [](const TAutoFile& f) { return !f._1ext.trimmed().isEmpty(); });
        if (described) {
            QString refusals;
            for (const TAutoFile& f : FAutoFiles)
                refusals += f.NoAutoAssoc ? u'T' : u'F';
            PutStr(QStringLiteral("NoAutoAssociation"), refusals);
        }
        if (FOnRangeReg)
            FOnRangeReg();
    } catch (const std::exception& e) {
        Signaler(MessageException(e) + QStringLiteral(" dans ") + FFenetre->formName()
                 + QStringLiteral(",TWinReg.RangeFenReg"));
    }
}

QString TWinReg::GetStr(const QString& NomValeur) const
{
    const SettingsStore* store = Store();
    return store ? store->value(CleValeur(FCleFiche, NomValeur)) : QString();
}

int TWinReg::GetLong(const QString& NomValeur, int defaut) const
{
    return LireEntier(GetStr(NomValeur)).value_or(defaut);
}

double TWinReg::GetDouble(const QString& NomValeur, double defaut) const
{
    return LireNombre(GetStr(NomValeur)).value_or(defaut);
}

void TWinReg::PutStr(const QString& NomValeur, const QString& DonneesValeur)
{
    if (SettingsStore* store = Store())
        store->setValue(CleValeur(FCleFiche, NomValeur), DonneesValeur);
}

void TWinReg::PutLong(const QString& NomValeur, int DonneesValeur)
{
    PutStr(NomValeur, QString::number(DonneesValeur));
}

void TWinReg::PutDouble(const QString& NomValeur, double DonneesValeur)
{
    PutStr(NomValeur, TexteReel(DonneesValeur));
}

bool TWinReg::LireIni()
{
    const QString app = NomAppliEffectif();
    const QString folder = DossierINI();
    const QString candidates[] = {
        NomFichierIniUtilisateur(folder, app, FCleConfig),
        NomFichierIniUtilisateur(folder, app, QString()),
        QDir(folder).filePath(app + QStringLiteral(".INI")),
        FPathINILecGenerique,
    };
    for (const QString& fileName : candidates) {
        if (fileName.isEmpty())
            continue;
        const QString text = LireFichierTexte(fileName);
        if (!text.isEmpty()) {
            LireTexteIni(text, *FStore);
            return true;
        }
    }
    return false;
}

void TWinReg::ChargerLeRegistre()
{
    FInitAlign = FControlKeyQuery && FControlKeyQuery();
    if (FStore)
        FStore->clear();
    else
        FStore = std::make_unique<SettingsStore>();

    if (!FfichierINI || !LireIni())
        LireRegistre(NomAppliEffectif(), FCleConfig, *FStore);

    if (FInitAlign)
        Signaler(QStringLiteral("réinitialisation des positions de fenêtres ; redémarrez ") + NomAppliEffectif(),
                 PlatformServices::Icon::Information);
}

bool TWinReg::RangerLeRegistre()
{
    if (!FStore)
        return true;
    try {
        if (FfichierINI)
            EcrireFichierIni(NomFichierIniUtilisateur(DossierINI(), NomAppliEffectif(), FCleConfig), TexteIni(*FStore));
        else
            EcrireRegistre(NomAppliEffectif(), FCleConfig, *FStore);
    } catch (const ETolvane& e) {
        Signaler(e.message());
        return false;
    }
    return true;
}
