#pragma once

#include "util/Vectors.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

struct TIssueCalcul;

// Retained maximum.
// The retained combination of one check at one section.
struct TMaxi {
    TV3R mx_torsPondere{}; // factored torsor, moment about the section's centre
    QString mx_combi;      // label, e.g. "1.35 G + 1.50 S"
    double mx_valeur = 0;  // eccentricity (m), friction angle (rad) or stress ratio (%)
    std::int32_t mx_statut = 0; // 0, 1 or 2
};

// Section.
// One horizontal section of the buttress. Input fields in stored units
// (metres, daN, daN/m, daN/m³, MPa, radians), then the results of the last
// calculation, which are never saved.
struct TSection {
    double se_niveau = 0;
    double se_htrsec = 0;
    double se_lrgsec = 0;
    double se_posisec = 0;
    double se_mvol = 0;
    double se_resistance = 0;
    double se_angfrottrad = 0;
    double se_pdsgouttml = 0;
    double se_posigoutt = 0;
    TV2R se_chargePG{};
    TV2R se_chargePS{};
    TV2R se_chargePW{};
    TV2R se_chargePQ{};
    TV2R se_chargeRG{};
    TV2R se_chargeRQ{};
    double se_chargeRW = 0;
    double se_posicharge = 0;
    QString se_comment;

    bool se_derniere = false;
    double se_Xctr = 0;
    double se_Xcdg = 0;
    double se_Zcdg = 0;
    double se_Xgoutt = 0;
    TV3R se_torsGpp{};
    TV3R se_torsGgoutt{};
    TV3R se_torsGaddP{};
    TV3R se_torsGaddR{};
    TV3R se_torsGtot{};
    TV3R se_torsS{};
    TV3R se_torsWP{};
    TV3R se_torsWR{};
    TV3R se_torsQP{};
    TV3R se_torsQR{};
    TMaxi se_maxExc;
    TMaxi se_maxAng;
    TMaxi se_maxCtr;
};

// Buttress data.
// The buttress: sections from the bottom (index 0) up.
struct TData {
    QString Comment;
    QList<TSection> Sections;
    double MaxCharge = 0;
    double EchCharges = 0;
    double MaxEffortV = 0;
    double EchEfforts = 0;
    std::int32_t StatutGlobal = 0;
    // The section count of the text this was read from could not be read, or
    // promised far more sections than the text held: sections were lost on
    // reading, so the data cannot be computed until they are entered again.
    bool SectionsIllisibles = false;
};

// Buttress model ("application data"): the data of one calculation (one tab of
// a document). The document framework only creates, copies, checksums, saves,
// loads, validates, shows, reads back and computes it through these operations.
class TDonneesAppli {
public:
    // What the application plugs into each model (the document session gives
    // them to every calculation of its document): the tab bar is repainted
    // when a result code changes; the buttress frame shows the data, reads the
    // sheet back and shows the verdict of a calculation that has just run.
    // A model without them shows and reads nothing.
    struct Rappels {
        std::function<void(TDonneesAppli&)> resultatChange;
        std::function<void(TDonneesAppli&)> afficherDonnees;
        std::function<void(TDonneesAppli&)> lireFiche;
        std::function<void(TDonneesAppli&)> afficherVerdict;
    };
    void setRappels(Rappels rappels) { FRappels = std::move(rappels); }
    const Rappels& rappels() const { return FRappels; }

    // Folder of the default calculation file; unless set, the executable's
    // folder, or the installed share/tolvane when the file is not there.
    static void setDefaultFolder(const QString& folder);
    static QString defaultFilePath();

    TDonneesAppli();

    std::uint32_t DA_CRCdsk = 0;
    std::uint32_t DA_CRC = 0;
    bool AffichageEnCours = false;
    std::int8_t FResultatCalcul = 0;
    bool DonneesValides = false;
    bool PremierAffichageFait = false;
    QString Indice;
    QString DateIndice;
    QString Repere;
    TData Data;

    // While one lives on a thread, every InitDA on that thread starts from the
    // default calculation file as it was read by the first of them: reading a
    // document creates each of its calculations from the default, and the file
    // is then consulted once for the whole document, not once per calculation.
    // An edit of the file is seen by the next document read or new calculation.
    // Scopes nest: an inner one keeps the text of the outer one.
    class DefautLuUneFois {
    public:
        DefautLuUneFois();
        ~DefautLuUneFois();
        DefautLuUneFois(const DefautLuUneFois&) = delete;
        DefautLuUneFois& operator=(const DefautLuUneFois&) = delete;

    private:
        friend class TDonneesAppli;
        DefautLuUneFois* FPrecedent;
        std::optional<QString> FChemin;
        QString FTexte;
    };

    // Reset to the default calculation (only Repere, the comment and the sections
    // come from the default file); clean, result code 0.
    void InitDA();
    QString DAToStr() const;
    // Reads a buttress text from the front of Sd and removes what it read.
    void StrToDA(QString& Sd, int versionIA = 0);
    // A copy of DA's data and of its modified state; results are not copied.
    void CopierDA(const TDonneesAppli& DA);

    void CalCRC();
    bool Modified() const { return DA_CRC != DA_CRCdsk; }
    void ClearModified() { DA_CRCdsk = DA_CRC; }

    int ResultatCalcul() const { return FResultatCalcul; }
    void SetResultatCalcul(int code);

    // Validates and computes (CalculerDonnees), then has the verdict shown.
    // Shows no message: the outcome says whether the results were computed
    // and why not (a failure while showing the verdict counts as a failure of
    // the calculation).
    TIssueCalcul Calculer();

    // The first invalid section as "Section " + number + " : " + reason, or
    // nothing when the data are valid. Changes nothing.
    std::optional<QString> ErreurValidation() const;
    // The message box around ErreurValidation, for the interactive paths:
    // reports the first invalid section; false then. Sets DonneesValides and
    // marks the top section.
    bool ValiderDonnees();

    void LireFiche();
    void AfficherDonnees();

    QString TexteNdc(const QString& nomtab) const;
    QString TitreCalcul() const { return Repere; }

private:
    Rappels FRappels;
};

// Word of a level: 0 "SATISFAISANT", 1 "ACCEPTABLE", 2 "NON CONFORME";
// empty for any other value.
QString LibelleNiveau(int niveau);
// Colour of a level as an HTML text: "#92D050", "#FFCC99", "#FF99CC".
QString CouleurNiveau(int niveau);
