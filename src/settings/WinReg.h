#pragma once

#include "settings/PlacedWindow.h"
#include "settings/SettingsStore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>

// A document extension described for the desktop. Nothing is registered with
// the desktop; only the user's refusal (NoAutoAssoc) is kept in the settings.
struct TAutoFile {
    QString _1ext;
    QString _2titre;
    QString _3appli;
    QString _4param;
    bool TestAssoc = false;
    bool NoAutoAssoc = false;
};

// The settings of one form: its window placement and its own values, kept in
// the store that every form shares.
//
// Ownership: the main window's component (constructed with Role::MainWindow)
// owns the store once ChargeReg has loaded it; every other form's component
// only points at the main one, which it finds by itself the first time it
// loads or stores its form. Before the store is loaded, reads give empty text
// and writes are dropped.
//
// Start-up: the main window calls ChargeReg(n), which loads the store and
// restores the main window; shut-down: RangeReg(n) records it and writes the
// whole store out. A dialog created on demand calls ChargeFenReg({}) before it
// is shown and RangeFenReg() after (or ChargeRegLocal(0) / RangeRegLocal(-1) to
// write the store out at once). The forms' OnChargeReg / OnRangeReg hooks read
// and write their values with GetStr, GetLong, PutStr, PutLong...
class TWinReg : public QObject {
public:
    enum class Role { MainWindow, Form };
    using TChargeRegEvent = std::function<void()>;
    using TRangeRegEvent = std::function<void()>;
    // Whether the left Ctrl key is held down.
    using ControlKeyQuery = std::function<bool()>;

    // Held by its form, as a member or a std::unique_ptr.
    explicit TWinReg(Role role = Role::Form);
    ~TWinReg() override;

    // The main window's component while it lives, else nullptr.
    static TWinReg* Principal();

    // The window this component restores and records; CleFiche becomes its
    // name. Without a window, ChargeFenReg and RangeFenReg do nothing.
    void SetFenetre(std::unique_ptr<PlacedWindow> window);
    PlacedWindow* Fenetre() const { return FFenetre.get(); }

    // Application key name; when blank, the executable's name without
    // folder and extension.
    const QString& NomAppli() const { return FNomAppli; }
    void setNomAppli(const QString& name) { FNomAppli = name; }
    QString NomAppliEffectif() const;

    bool OuvrirReduit() const { return FOuvrirReduit; }
    void setOuvrirReduit(bool on) { FOuvrirReduit = on; }

    void setOnChargeReg(TChargeRegEvent hook) { FOnChargeReg = std::move(hook); }
    void setOnRangeReg(TRangeRegEvent hook) { FOnRangeReg = std::move(hook); }

    // AutoFile(1) to AutoFile(3).
    TAutoFile& AutoFile(int i) { return FAutoFiles.at(std::size_t(i - 1)); }
    const TAutoFile& AutoFile(int i) const { return FAutoFiles.at(std::size_t(i - 1)); }

    // Keep the store in an INI text file instead of the per-user store.
    bool fichierINI() const { return FfichierINI; }
    void setFichierINI(bool on) { FfichierINI = on; }
    // Folder of the INI files: the executable's unless set.
    QString DossierINI() const;
    void setDossierINI(const QString& folder) { FDossierINI = folder; }
    // An INI file read when none of the application's own exists.
    const QString& PathINILecGenerique() const { return FPathINILecGenerique; }
    void setPathINILecGenerique(const QString& path) { FPathINILecGenerique = path; }

    int PixelsPerInchDsgn() const { return FPixelsPerInchDsgn; }
    void setPixelsPerInchDsgn(int ppi) { FPixelsPerInchDsgn = ppi; }

    // "CONFIG_" + the configuration number, or empty for configuration 0.
    const QString& CleConfig() const { return FCleConfig; }
    int NumConfig() const { return FNumConfig; }
    const QString& CleFiche() const { return FCleFiche; }
    // The key without its spaces; the window's name when empty.
    void SetCleFiche(const QString& cle);
    bool LoadOK() const { return FLoadOK; }
    // The left Ctrl key was held when the store was loaded: placements are
    // not restored this run.
    bool InitAlign() const { return FInitAlign; }

    // Replaces the left Ctrl key query (tests script it).
    void setControlKeyQuery(ControlKeyQuery query) { FControlKeyQuery = std::move(query); }

    // Loads the store and restores the main window. Shows "erreur au
    // chargement du registre" and passes the exception on when it fails.
    void ChargeReg(int numcfg);
    // Records the main window and writes the store out; nothing when the
    // store was never loaded. False, after a French message, when the store
    // could not be written.
    bool RangeReg(int numcfg);
    // The same for a form created on demand; RangeRegLocal has the main
    // component write the whole store out at once.
    void ChargeRegLocal(int numcfg);
    bool RangeRegLocal(int numcfg);

    // Restores this form's placement and values. A failure of the form's own
    // hook is reported and goes no further.
    virtual void ChargeFenReg(const QString& CleFicheForcee);
    // Records this form's placement and values.
    virtual void RangeFenReg();

    QString GetStr(const QString& NomValeur) const;
    int GetLong(const QString& NomValeur, int defaut) const;
    double GetDouble(const QString& NomValeur, double defaut) const;
    void PutStr(const QString& NomValeur, const QString& DonneesValeur);
    void PutLong(const QString& NomValeur, int DonneesValeur);
    void PutDouble(const QString& NomValeur, double DonneesValeur);

    // Fills the store from the INI file or the per-user store.
    void ChargerLeRegistre();
    // Writes the store out; false, after a French message, on failure.
    bool RangerLeRegistre();

    // The store in use (the main component's); nullptr before it is loaded.
    SettingsStore* Store() const;

private:
    TWinReg* MainWR() const;
    void ChoisirConfig(int numcfg);
    void ChoisirConfigPourRanger(int numcfg);
    void Minimiser();
    bool LireIni();

    Role FRole;
    std::unique_ptr<PlacedWindow> FFenetre;
    // Owned by the component that loaded it (the main window's).
    std::unique_ptr<SettingsStore> FStore;
    // The component that holds the store; never owned.
    QPointer<TWinReg> FMainWR;
    ControlKeyQuery FControlKeyQuery;

    QString FNomAppli;
    bool FOuvrirReduit = false;
    TChargeRegEvent FOnChargeReg;
    TRangeRegEvent FOnRangeReg;
    std::array<TAutoFile, 3> FAutoFiles;
    bool FfichierINI = false;
    QString FDossierINI;
    QString FPathINILecGenerique;
    int FPixelsPerInchDsgn = 96;

    QString FCleFiche;
    QString FCleConfig;
    int FNumConfig = 0;
    bool FLoadOK = false;
    bool FInitAlign = false;
};

// The left Ctrl key as Qt sees it: only the modifier is known on this
// platform, so either Ctrl key counts. False without a graphical application.
bool ToucheCtrlEnfoncee();
