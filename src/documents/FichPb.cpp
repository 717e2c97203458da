#include "documents/FichPb.h"

#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/AnsiCodePage.h"
#include "util/Checksum.h"
#include "util/Errors.h"
#include "util/TextFields.h"
#include "util/TabListText.h"
#include "util/TextFiles.h"

#include <QFileDevice>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>

namespace {

// Length of the end of the text that starts at its first non-blank
// character; 0 when the text is blank.
qsizetype longueurNonBlanche(const QString& texte)
{
    const auto premier = std::find_if(texte.cbegin(), texte.cend(), [](QChar c) { return c.unicode() > 32; });
    return texte.cend() - premier;
}

// Checksum of all the UTF-16 little-endian bytes of the text, its length
// included even when it is empty.
std::uint32_t checksumUtf16(const QString& texte)
{
    if (texte.isEmpty())
        return Checksum::ofBuffer(nullptr, 0);
    return Checksum::ofText(texte);
}

bool commenceParMarque(const QByteArray& octets)
{
    return octets.startsWith("\xEF\xBB\xBF") || octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF");
}

} // namespace

const QString TFichPb::kVersion = QStringLiteral("5_1");

TFichPb::TFichPb()
{
    FH.setOnLoad([this](QIODevice& FS, void*) { LireCorps(FS); });
    FH.setOnSave([this](QIODevice& FS, void*) {
        const QByteArray octets = AnsiCodePage::fromUnicode(SaveToString());
        if (FS.write(octets) != octets.size())
            throw EInOutError(QStringLiteral("Erreur d'écriture du fichier : %1").arg(FS.errorString()));
    });
    // The header's properties (the document's comments) are saved with the
    // document like its memo: an edit of them must not be lost on closing.
    DU.setOnDemandeEtatExt([this](bool& modified) {
        modified = Modified() || FH.Modified()
            || std::any_of(FCalculs.cbegin(), FCalculs.cend(), [](TCalcul* c) { return c->DU->Modified(); });
    });
    DU.setOnClearModified([this](TDoUndo&) {
        for (TCalcul* c : FCalculs)
            c->DU->SetModified(false);
        pbCRCdsk = pbCRC;
        FH.ClearModified();
    });
    Init();
}

TFichPb::~TFichPb() = default;

void TFichPb::Init()
{
    pathF.clear();
    // The lists are emptied before the calculations are freed: the counter's
    // clearing below must not reach a freed calculation.
    FCalculs.clear();
    FCalculsSel.clear();
    FCalculsPossedes.clear();
    DU.ClearActions();
    FH.Init();
    CRCtabs = 0;
    // The content is emptied before its fingerprint is taken: a reset document
    // must neither carry the previous one's texts into its next save nor report
    // itself modified at its next CalCRC.
    MemoFich.clear();
    FGlobData.clear();
    CalCRC();
    pbCRCdsk = pbCRC;
    NbCalculsIgnores = 0;
    DerniereErreur.clear();
}

QString TFichPb::TexteEntete() const
{
    return kVersion + kCrLf + BlocDelimite(MemoFich) + BlocDelimite(FGlobData);
}

void TFichPb::CalCRC() { pbCRC = Checksum::ofText(TexteEntete() + QString::number(CRCtabs)); }

void TFichPb::CalCRCTabs(const QString& S)
{
    CRCtabs = checksumUtf16(S);
    CalCRC();
}

TCalcul* TFichPb::Adopter(std::unique_ptr<TCalcul> C)
{
    C->DAP->setRappels(FRappelsModeles);
    FCalculsPossedes.push_back(std::move(C));
    return FCalculsPossedes.back().get();
}

TCalcul* TFichPb::AddCalcul(std::unique_ptr<TCalcul> C)
{
    TCalcul* calcul = Adopter(std::move(C));
    FCalculs.append(calcul);
    return calcul;
}

void TFichPb::AddCalcul(TCalcul* C)
{
    Q_ASSERT(PossedeCalcul(C));
    FCalculs.append(C);
}

TCalcul* TFichPb::NouveauCalcul() { return Adopter(std::make_unique<TCalcul>()); }

void TFichPb::SetCalculs(QList<TCalcul*> calculs)
{
    Q_ASSERT(std::all_of(calculs.cbegin(), calculs.cend(), [this](TCalcul* c) { return PossedeCalcul(c); }));
    FCalculs = std::move(calculs);
}

void TFichPb::SetCalculsSel(QList<TCalcul*> calculs)
{
    Q_ASSERT(std::all_of(calculs.cbegin(), calculs.cend(), [this](TCalcul* c) { return PossedeCalcul(c); }));
    FCalculsSel = std::move(calculs);
}

void TFichPb::SetRappelsModeles(TDonneesAppli::Rappels rappels)
{
    FRappelsModeles = std::move(rappels);
    for (const auto& c : FCalculsPossedes)
        c->DAP->setRappels(FRappelsModeles);
}

bool TFichPb::PossedeCalcul(const TCalcul* C) const
{
    return std::any_of(FCalculsPossedes.cbegin(), FCalculsPossedes.cend(),
                       [C](const std::unique_ptr<TCalcul>& p) { return p.get() == C; });
}

QList<TCalcul*> TFichPb::CalculsMisDeCote() const
{
    QList<TCalcul*> misDeCote;
    for (const auto& p : FCalculsPossedes)
        if (!FCalculs.contains(p.get()))
            misDeCote.append(p.get());
    return misDeCote;
}

TCalcul* TFichPb::TabToCalcul(const QString& nomtab) const
{
    for (TCalcul* c : FCalculs)
        if (c->nomtab == nomtab)
            return c;
    return nullptr;
}

QString TFichPb::SaveToString()
{
    CalCRC();
    QString texte = TexteEntete();
    for (const TCalcul* c : FCalculs)
        texte += c->SaveToStr();
    pbCRCdsk = pbCRC;
    return texte;
}

void TFichPb::LoadFromString(QString S)
{
    NbCalculsIgnores = 0;
    if (longueurNonBlanche(S) == 0) {
        CalCRC();
        pbCRCdsk = pbCRC;
        return;
    }
    const QString ligneVersion = ExtraireLigne(S);
    const int vbase = LireEntier(ChampNumero(0, ligneVersion, QStringLiteral("_"))).value_or(0);
    const int via = LireEntier(ChampNumero(1, ligneVersion, QStringLiteral("_"))).value_or(0);
    if (vbase >= 4) {
        MemoFich = SansBlancs(ExtraireBloc(S)).toString();
    } else {
        for (int i = 0; i < 5; ++i)
            ExtraireLigne(S);
    }
    if (vbase > 1)
        FGlobData = ExtraireBloc(S);
    if (vbase < 4) {
        while (!S.isEmpty())
            if (ExtraireLigne(S).isEmpty())
                break;
    }
    CalCRC();
    pbCRCdsk = pbCRC;

    // Blank lines after the last calculation are no calculation: reading them
    // would add a nameless tab to the document. Reading only removes text from
    // the front of S, so its first non-blank character stays in place until S
    // is shorter than the end it starts: a long run of blank lines is scanned
    // once, not again after every calculation.
    qsizetype nonBlanc = longueurNonBlanche(S);
    // Every calculation is first reset to the default one: its file is read once
    // for the whole document.
    const TDonneesAppli::DefautLuUneFois defaut;
    while (nonBlanc > 0) {
        try {
            AddCalcul(TCalcul::CreateFromStr(S, vbase, via));
        } catch (const EInOutError&) {
            throw;
        } catch (const ETolvane&) {
            ++NbCalculsIgnores;
        }
        if (S.size() < nonBlanc)
            nonBlanc = longueurNonBlanche(S);
    }
}

void TFichPb::LireCorps(QIODevice& FS)
{
    const QByteArray octets = FS.readAll();
    if (const auto* fichier = qobject_cast<QFileDevice*>(&FS); fichier && fichier->error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Erreur de lecture du fichier : %1").arg(fichier->errorString()));
    QString texte;
    if (commenceParMarque(octets)) {
        // No header was recognised: the whole file, with its mark, is body.
        texte = DecoderTexte(octets);
    } else if (const auto codage = FH.Codage()) {
        // A file re-encoded by another editor keeps its accents.
        QStringDecoder decodeur(*codage, QStringDecoder::Flag::Stateless);
        texte = decodeur.decode(octets);
    } else {
        texte = AnsiCodePage::toUnicode(octets);
    }
    LoadFromString(FinsDeLigneCrLf(texte));
}

void TFichPb::Lire(const QString& PF, bool& ok, bool& modif)
{
    ok = true;
    modif = false;
    pathF = PF;
    DerniereErreur.clear();
    try {
        FH.LoadFromFile(PF);
    } catch (const ETolvane& e) {
        ok = false;
        DerniereErreur = e.message();
    } catch (const std::exception& e) {
        ok = false;
        DerniereErreur = QString::fromLocal8Bit(e.what());
    }
}

void TFichPb::Ecrire(const QString& PF)
{
    // A failed write leaves the document as modified as it was.
    const std::uint32_t propreAvant = pbCRCdsk;
    try {
        FH.SaveToFile(PF);
    } catch (...) {
        pbCRCdsk = propreAvant;
        throw;
    }
}

void TFichPb::CalculerTout()
{
    const QList<TCalcul*> calculs = FCalculs;
    for (TCalcul* c : calculs)
        SignalerIssue(c->Calculer(false));
}

void TFichPb::ExecCalculs()
{
    const QList<TCalcul*> calculs = FCalculsSel;
    for (TCalcul* c : calculs)
        SignalerIssue(c->Calculer(true));
}

QString TFichPb::TexteListeOnglets(const TObjetEdite* pagePG) const
{
    QStringList noms{QStringLiteral("PG")};
    QList<const TObjetEdite*> objets{pagePG};
    for (TCalcul* c : FCalculs) {
        noms << c->nomtab;
        objets << c;
    }
    return ::TexteListeOnglets(noms, objets);
}
