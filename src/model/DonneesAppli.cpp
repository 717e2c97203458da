#include "model/DonneesAppli.h"

#include "model/ButtressText.h"
#include "model/Calculation.h"
#include "util/ApplicationFiles.h"
#include "util/Checksum.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

#include <QDir>
#include <QMutex>
#include <limits>
#include <optional>

namespace {

QString& defaultFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void TDonneesAppli::setDefaultFolder(const QString& folder) { defaultFolder() = folder; }

QString TDonneesAppli::defaultFilePath()
{
    const QString nom = QStringLiteral("Tolvanedefaut.txt");
    const QString& folder = defaultFolder();
    // Beside the executable, or where the installation put it.
    return folder.isEmpty() ? CheminFichierApplication(nom) : QDir(folder).filePath(nom);
}

TDonneesAppli::TDonneesAppli() = default;

namespace {

// The default calculation as the last reading of its file gave it. Every new
// calculation starts from it, a document of a thousand calculations as often:
// reading the same text into a model and writing it back for its checksum cost
// more than reading the document itself. The file is read again at each new
// calculation (once per document while a DefautLuUneFois lives), so an edit of
// it is seen at once; only its text decides whether the model read before can
// be taken again.
struct CalculParDefaut {
    QString chemin;
    QString texte;
    QString Repere;
    TData Data;
    std::uint32_t crc = 0;
};

std::optional<CalculParDefaut>& calculParDefaut()
{
    static std::optional<CalculParDefaut> memoire;
    return memoire;
}

QMutex& verrouCalculParDefaut()
{
    static QMutex verrou;
    return verrou;
}

thread_local TDonneesAppli::DefautLuUneFois* defautLuUneFois = nullptr;

} // namespace

TDonneesAppli::DefautLuUneFois::DefautLuUneFois()
    : FPrecedent(defautLuUneFois)
{
    if (!FPrecedent)
        defautLuUneFois = this;
}

TDonneesAppli::DefautLuUneFois::~DefautLuUneFois()
{
    if (defautLuUneFois == this)
        defautLuUneFois = FPrecedent;
}

void TDonneesAppli::InitDA()
{
    // Within a scope, the file is read at its first calculation only: a
    // document read with no calculation does not touch it. A file that cannot
    // be read fails every calculation, as without the scope.
    DefautLuUneFois* const portee = defautLuUneFois;
    QString chemin;
    QString text;
    if (portee && portee->FChemin) {
        chemin = *portee->FChemin;
        text = portee->FTexte;
    } else {
        chemin = defaultFilePath();
        text = LireFichierTexte(chemin, FileOpenMode::ReadShareAll);
        if (portee) {
            portee->FTexte = text;
            portee->FChemin = chemin;
        }
    }
    {
        const QMutexLocker verrou(&verrouCalculParDefaut());
        const std::optional<CalculParDefaut>& memoire = calculParDefaut();
        if (memoire && memoire->chemin == chemin && memoire->texte == text) {
            Repere = memoire->Repere;
            Data = memoire->Data;
            Indice.clear();
            DateIndice.clear();
            FResultatCalcul = 0;
            DA_CRC = memoire->crc;
            ClearModified();
            return;
        }
    }
    Repere.clear();
    Data = TData{};
    bool lu = true;
    if (!text.isEmpty()) {
        QString rest = text;
        ExtraireLigne(rest); // format number, not checked
        try {
            StrToDA(rest);
        } catch (const ETolvane&) {
            // A garbled default file must not prevent creating or loading any
            // calculation: start from an empty one instead.
            Repere.clear();
            Data = TData{};
            lu = false;
        }
    }
    Indice.clear();
    DateIndice.clear();
    FResultatCalcul = 0;
    CalCRC();
    ClearModified();
    // A default file that had to be refused or cut short is read again each
    // time, with what it tells the user.
    if (lu && !Data.SectionsIllisibles) {
        const QMutexLocker verrou(&verrouCalculParDefaut());
        calculParDefaut() = CalculParDefaut{chemin, text, Repere, Data, DA_CRC};
    }
}

QString TDonneesAppli::DAToStr() const
{
    return Indice + kCrLf + DateIndice + kCrLf + Repere + kCrLf + DataVersTexte(Data);
}

void TDonneesAppli::StrToDA(QString& Sd, int /*versionIA*/)
{
    Indice = ExtraireLigne(Sd);
    DateIndice = ExtraireLigne(Sd);
    Repere = ExtraireLigne(Sd);
    // The fingerprint is that of DAToStr(), taken from the text as it is read.
    Checksum::Cumul texteEcrit;
    for (const QString* ligne : {&Indice, &DateIndice, &Repere}) {
        texteEcrit.ajouter(*ligne);
        texteEcrit.ajouter(kCrLf);
    }
    TexteVersData(Sd, Data, &texteEcrit);
    DA_CRC = texteEcrit.valeur();
}

void TDonneesAppli::CopierDA(const TDonneesAppli& DA)
{
    // Taken before the reset, so that a model copied onto itself keeps its data.
    QString text = DA.DAToStr();
    const std::uint32_t crc = DA.DA_CRC;
    const std::uint32_t crcDsk = DA.DA_CRCdsk;
    InitDA();
    StrToDA(text);
    DA_CRC = crc;
    DA_CRCdsk = crcDsk;
}

void TDonneesAppli::CalCRC() { DA_CRC = Checksum::ofText(DAToStr()); }

void TDonneesAppli::SetResultatCalcul(int code)
{
    FResultatCalcul = static_cast<std::int8_t>(code);
    if (FRappels.resultatChange)
        FRappels.resultatChange(*this);
}

TIssueCalcul TDonneesAppli::Calculer()
{
    const TIssueCalcul issue = CalculerDonnees(*this);
    if (!issue.Calcule())
        return issue;
    // Data corrected since a refused run are computed now, however the run was
    // started: the tab must not stay marked invalid.
    if (FResultatCalcul == -1)
        SetResultatCalcul(0);
    if (!FRappels.afficherVerdict)
        return issue;
    return ExecuterEtapeCalcul([this] { FRappels.afficherVerdict(*this); });
}

std::optional<QString> TDonneesAppli::ErreurValidation() const
{
    if (Data.SectionsIllisibles)
        return QStringLiteral("Nombre de sections illisible ou incorrect : les sections de ce calcul n'ont pas "
                              "toutes pu être lues");
    double previousLevel = std::numeric_limits<double>::lowest();
    const qsizetype n = Data.Sections.size();
    for (qsizetype i = 0; i < n; ++i) {
        const TSection& s = Data.Sections[i];
        QString message;
        if (previousLevel + 0.05 > s.se_niveau)
            message = QStringLiteral("le niveau de la section doit être supérieur d'au moins 5 cm à celui de la précédente");
        else if (s.se_htrsec <= 0 || s.se_lrgsec <= 0)
            message = QStringLiteral("la largeur ou la hauteur est <= 0");
        else if (s.se_mvol <= 0)
            message = QStringLiteral("la masse volumique est <= 0");
        else if (s.se_resistance <= 0)
            message = QStringLiteral("la résistance est <= 0");
        else if (s.se_angfrottrad <= 0)
            message = QStringLiteral("l'angle de frottement est <= 0");
        else if (s.se_pdsgouttml < 0)
            message = QStringLiteral("le poids de mur gouttereau associé est < 0");
        else if (s.se_posigoutt < 0)
            message = QStringLiteral("la distance poids gouttereau / parement tolvane doit être > 0");
        if (!message.isEmpty())
            return QStringLiteral("Section %1 : %2").arg(i + 1).arg(message);
        previousLevel = s.se_niveau;
    }
    return std::nullopt;
}

bool TDonneesAppli::ValiderDonnees()
{
    const qsizetype n = Data.Sections.size();
    for (qsizetype i = 0; i < n; ++i)
        Data.Sections[i].se_derniere = (i == n - 1);
    const std::optional<QString> erreur = ErreurValidation();
    DonneesValides = !erreur;
    if (erreur)
        services().showMessage(*erreur);
    return DonneesValides;
}

void TDonneesAppli::LireFiche()
{
    if (FRappels.lireFiche)
        FRappels.lireFiche(*this);
    CalCRC();
}

void TDonneesAppli::AfficherDonnees()
{
    AffichageEnCours = true;
    struct ClearOnExit {
        bool& flag;
        ~ClearOnExit() { flag = false; }
    } clear{AffichageEnCours};
    if (FRappels.afficherDonnees)
        FRappels.afficherDonnees(*this);
}

QString TDonneesAppli::TexteNdc(const QString& /*nomtab*/) const { return {}; }

QString LibelleNiveau(int niveau)
{
    switch (niveau) {
    case 0: return QStringLiteral("SATISFAISANT");
    case 1: return QStringLiteral("ACCEPTABLE");
    case 2: return QStringLiteral("NON CONFORME");
    default: return {};
    }
}

QString CouleurNiveau(int niveau)
{
    switch (niveau) {
    case 0: return QStringLiteral("#92D050");
    case 1: return QStringLiteral("#FFCC99");
    case 2: return QStringLiteral("#FF99CC");
    default: return {};
    }
}
