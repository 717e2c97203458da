// tolvane-cli calculer DOCUMENT [--json] [--reserve]: computes every
// calculation of a document, in tab order, with validation, and prints each
// verdict (and, when asked, its load reserve).

#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"

#include "documents/DocumentFile.h"
#include "documents/Calcul.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "model/LoadReserve.h"
#include "util/Errors.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

const char* const kUsageCalculer =
    "Usage : tolvane-cli calculer DOCUMENT [--json] [--reserve]\n"
    "  Calcule chaque calcul du document, dans l'ordre des onglets, avec validation des données.\n"
    "  Sans --json : une ligne par calcul, le nom de l'onglet, une tabulation, puis le verdict\n"
    "  ou \"DONNÉES INVALIDES : \" suivi du message de validation.\n"
    "  --json : le détail des résultats de chaque section, en JSON.\n"
    "  --reserve : la réserve de charge de chaque calcul, le plus grand facteur par lequel les\n"
    "  charges variables (neige, vent, exploitation) peuvent être multipliées avant NON CONFORME,\n"
    "  au centième près (inférieur à 1 pour un calcul déjà NON CONFORME). Sans --json : une\n"
    "  troisième colonne \"réserve 1.85\", \"réserve > 100\" ou \"aucune réserve\" (les charges\n"
    "  permanentes seules ne sont pas conformes). Avec --json : le champ \"reserve\" de chaque\n"
    "  calcul, arrondi au centième, 100 pour 100 ou plus, null sans réserve ou sans résultat.\n"
    "Statut de sortie : 0 tout est calculé et rien n'est NON CONFORME ; 1 au moins un\n"
    "calcul NON CONFORME ; 2 au moins un calcul aux données invalides (ou illisible, ou dont\n"
    "le calcul a échoué), ce qui l'emporte sur 1 ; 3 document illisible ou commande incorrecte.\n";

// The JSON text being written, handed to the standard output in pieces of
// about 64 K characters so that a large result is never held whole.
class SortieJson {
public:
    QString texte;

    void viderSiPlein()
    {
        if (texte.size() >= (1 << 16))
            vider();
    }
    void vider()
    {
        EcrireFlux(stdout, texte);
        texte.resize(0);
    }
};

// A JSON value that keeps the order of its members as written.
class Json {
public:
    static Json nul() { return Json(Type::Nul); }
    static Json booleen(bool b)
    {
        Json j(Type::Litteral);
        j.texte_ = b ? QStringLiteral("true") : QStringLiteral("false");
        return j;
    }
    static Json entier(long long n)
    {
        Json j(Type::Litteral);
        j.texte_ = QString::number(n);
        return j;
    }
    // Shortest text that reads back as the same double; null when not finite.
    static Json nombre(double x)
    {
        if (!std::isfinite(x))
            return nul();
        char tampon[64];
        const auto fin = std::to_chars(tampon, tampon + sizeof tampon, x).ptr;
        Json j(Type::Litteral);
        j.texte_ = QString::fromLatin1(tampon, fin - tampon);
        return j;
    }
    static Json chaine(const QString& s)
    {
        Json j(Type::Litteral);
        j.texte_ = echapper(s);
        return j;
    }
    static Json torseur(const TV3R& t)
    {
        Json j(Type::Tableau);
        j.enLigne_ = true;
        for (const double v : t)
            j.elements_.push_back(nombre(v));
        return j;
    }
    static Json tableau() { return Json(Type::Tableau); }
    static Json objet() { return Json(Type::Objet); }

    Json& ajouter(Json element)
    {
        elements_.push_back(std::move(element));
        return *this;
    }
    Json& membre(const QString& cle, Json valeur)
    {
        membres_.emplace_back(cle, std::move(valeur));
        return *this;
    }

    // Sections whose values are made only as they are written, one section at
    // a time: the results of 100 000 sections would otherwise be held as a
    // tree of millions of values. Written as an array of their objects.
    static Json sections(const QList<TSection>& sections)
    {
        Json j(Type::Sections);
        j.sections_ = &sections;
        return j;
    }

    // The text of the value at the end of sortie, members indented by
    // retrait + 2 spaces.
    void ecrire(SortieJson& sortie, int retrait = 0) const;

private:
    enum class Type { Nul, Litteral, Tableau, Objet, Sections };
    explicit Json(Type type) : type_(type) {}

    static QString echapper(const QString& s)
    {
        QString r = QStringLiteral("\"");
        for (const QChar c : s) {
            switch (c.unicode()) {
            case u'"': r += QStringLiteral("\\\""); break;
            case u'\\': r += QStringLiteral("\\\\"); break;
            case u'\n': r += QStringLiteral("\\n"); break;
            case u'\r': r += QStringLiteral("\\r"); break;
            case u'\t': r += QStringLiteral("\\t"); break;
            case u'\b': r += QStringLiteral("\\b"); break;
            case u'\f': r += QStringLiteral("\\f"); break;
            default:
                if (c.unicode() < 0x20)
                    r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                else
                    r += c;
            }
        }
        return r + u'"';
    }

    Type type_;
    QString texte_;
    bool enLigne_ = false;
    std::vector<Json> elements_;
    std::vector<std::pair<QString, Json>> membres_;
    const QList<TSection>* sections_ = nullptr;
};

Json maxiJson(const TMaxi& m)
{
    return Json::objet()
        .membre(QStringLiteral("torseur"), Json::torseur(m.mx_torsPondere))
        .membre(QStringLiteral("combinaison"), Json::chaine(m.mx_combi))
        .membre(QStringLiteral("valeur"), Json::nombre(m.mx_valeur))
        .membre(QStringLiteral("statut"), Json::entier(m.mx_statut));
}

Json sectionJson(const TSection& s)
{
    Json torseurs = Json::objet();
    const std::pair<const char*, const TV3R*> liste[] = {
        {"Gpp", &s.se_torsGpp}, {"Ggoutt", &s.se_torsGgoutt}, {"GaddP", &s.se_torsGaddP}, {"GaddR", &s.se_torsGaddR},
        {"Gtot", &s.se_torsGtot}, {"S", &s.se_torsS},         {"WP", &s.se_torsWP},       {"WR", &s.se_torsWR},
        {"QP", &s.se_torsQP},     {"QR", &s.se_torsQR},
    };
    for (const auto& [nom, t] : liste)
        torseurs.membre(QString::fromLatin1(nom), Json::torseur(*t));
    return Json::objet()
        .membre(QStringLiteral("derniere"), Json::booleen(s.se_derniere))
        .membre(QStringLiteral("Xctr"), Json::nombre(s.se_Xctr))
        .membre(QStringLiteral("Xcdg"), Json::nombre(s.se_Xcdg))
        .membre(QStringLiteral("Zcdg"), Json::nombre(s.se_Zcdg))
        .membre(QStringLiteral("Xgoutt"), Json::nombre(s.se_Xgoutt))
        .membre(QStringLiteral("torseurs"), std::move(torseurs))
        .membre(QStringLiteral("maxExc"), maxiJson(s.se_maxExc))
        .membre(QStringLiteral("maxCtr"), maxiJson(s.se_maxCtr))
        .membre(QStringLiteral("maxAng"), maxiJson(s.se_maxAng));
}

void Json::ecrire(SortieJson& sortie, int retrait) const
{
    QString& out = sortie.texte;
    const auto aLaLigne = [&out](int espaces) {
        out += u'\n';
        out.resize(out.size() + espaces, u' ');
    };
    switch (type_) {
    case Type::Nul:
        out += u"null";
        return;
    case Type::Litteral:
        out += texte_;
        return;
    case Type::Tableau:
        if (elements_.empty()) {
            out += u"[]";
            return;
        }
        out += u'[';
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            if (enLigne_) {
                if (i > 0)
                    out += u", ";
            } else {
                if (i > 0)
                    out += u',';
                aLaLigne(retrait + 2);
            }
            elements_[i].ecrire(sortie, retrait + 2);
        }
        if (!enLigne_)
            aLaLigne(retrait);
        out += u']';
        return;
    case Type::Objet:
        if (membres_.empty()) {
            out += u"{}";
            return;
        }
        out += u'{';
        for (std::size_t i = 0; i < membres_.size(); ++i) {
            if (i > 0)
                out += u',';
            aLaLigne(retrait + 2);
            out += echapper(membres_[i].first);
            out += u": ";
            membres_[i].second.ecrire(sortie, retrait + 2);
        }
        aLaLigne(retrait);
        out += u'}';
        return;
    case Type::Sections:
        if (sections_->isEmpty()) {
            out += u"[]";
            return;
        }
        out += u'[';
        for (qsizetype i = 0; i < sections_->size(); ++i) {
            if (i > 0)
                out += u',';
            aLaLigne(retrait + 2);
            sectionJson((*sections_)[i]).ecrire(sortie, retrait + 2);
            sortie.viderSiPlein();
        }
        aLaLigne(retrait);
        out += u']';
        return;
    }
}

// The reserve as the JSON field: the factor, 100 for 100 or more, null for none.
Json reserveJson(const TReserveCharge& reserve)
{
    switch (reserve.genre) {
    case TReserveCharge::Genre::Aucune:
        return Json::nul();
    case TReserveCharge::Genre::AuDela:
        return Json::nombre(kReserveMax);
    case TReserveCharge::Genre::Valeur:
        break;
    }
    return Json::nombre(std::round(reserve.lambda * 100) / 100);
}

int CalculerDocument(const QString& chemin, bool json, bool reserve)
{
    const std::unique_ptr<TFichPb> document = LireDocument(chemin);
    // A calculation that could not be read was not computed: the document is
    // not reported as checked.
    if (document->NbCalculsIgnores > 0)
        ErreurCli(QStringLiteral("Attention : %1 calcul(s) illisible(s) ignoré(s) dans %2")
                      .arg(document->NbCalculsIgnores)
                      .arg(chemin));
    if (document->Calculs().isEmpty()) {
        // No calculation in a file that is no document at all (a picture, a
        // text of another program) is not an empty document checked.
        if (!EstDocumentTolvane(chemin))
            throw EInOutError(QStringLiteral("Ce n'est pas un document Tolvane : %1").arg(chemin));
        ErreurCli(QStringLiteral("Aucun calcul dans le document %1").arg(chemin));
    }

    bool nonConforme = false;
    bool nonCalcule = document->NbCalculsIgnores > 0;
    Json calculs = Json::tableau();
    for (TCalcul* calcul : document->Calculs()) {
        const TIssueCalcul issue = calcul->Calculer(true);
        const bool calcule = issue.Calcule();
        const TData& data = calcul->DAP->Data;
        nonCalcule = nonCalcule || !calcule;
        nonConforme = nonConforme || (calcule && data.StatutGlobal >= 2);
        // Only a computed calculation has a reserve: its data passed validation.
        const std::optional<TReserveCharge> reserveCalcul
            = reserve && calcule ? std::optional(CalculerReserve(data)) : std::nullopt;
        if (!json) {
            QString ligne = SansCaracteresDeControle(calcul->nomtab) + u'\t';
            if (calcule)
                ligne += LibelleNiveau(data.StatutGlobal);
            else if (issue.etat == TIssueCalcul::Etat::DonneesInvalides)
                ligne += QStringLiteral("DONNÉES INVALIDES : ") + issue.message;
            else
                ligne += QStringLiteral("ÉCHEC DU CALCUL : ") + issue.message;
            if (reserveCalcul)
                ligne += u'\t' + TexteReserve(*reserveCalcul);
            EcrireFlux(stdout, ligne + u'\n');
            continue;
        }
        // Results that were not computed are not shown: they would be those of
        // no calculation at all.
        Json sections = calcule ? Json::sections(data.Sections) : Json::tableau();
        Json objet = Json::objet();
        objet.membre(QStringLiteral("nom"), Json::chaine(calcul->nomtab))
                            .membre(QStringLiteral("resultat"), Json::entier(calcul->EtatCalcul()))
                            .membre(QStringLiteral("erreur"), calcule ? Json::nul() : Json::chaine(issue.message))
                            .membre(QStringLiteral("statut"),
                                    calcule ? Json::entier(data.StatutGlobal) : Json::nul())
                            .membre(QStringLiteral("verdict"),
                                    calcule ? Json::chaine(LibelleNiveau(data.StatutGlobal)) : Json::nul());
        if (reserve)
            objet.membre(QStringLiteral("reserve"), reserveCalcul ? reserveJson(*reserveCalcul) : Json::nul());
        objet.membre(QStringLiteral("MaxCharge"), calcule ? Json::nombre(data.MaxCharge) : Json::nul())
            .membre(QStringLiteral("MaxEffortV"), calcule ? Json::nombre(data.MaxEffortV) : Json::nul())
            .membre(QStringLiteral("sections"), std::move(sections));
        calculs.ajouter(std::move(objet));
    }
    if (json) {
        const Json racine = Json::objet()
                                .membre(QStringLiteral("document"), Json::chaine(chemin))
                                .membre(QStringLiteral("calculs"), std::move(calculs));
        SortieJson sortie;
        racine.ecrire(sortie);
        sortie.texte += u'\n';
        sortie.vider();
    }
    std::fflush(stdout);
    if (nonCalcule)
        return 2;
    return nonConforme ? 1 : 0;
}

} // namespace

int CommandeCalculer(const QStringList& args)
{
    QString chemin;
    bool json = false;
    bool reserve = false;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json")) {
            json = true;
        } else if (arg == QStringLiteral("--reserve")) {
            reserve = true;
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            std::fputs(kUsageCalculer, stdout);
            return 0;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            EcrireFlux(stderr, QStringLiteral("Option inconnue : %1\n\n").arg(arg));
            std::fputs(kUsageCalculer, stderr);
            return 3;
        } else if (!chemin.isEmpty()) {
            EcrireFlux(stderr, QStringLiteral("Un seul document à la fois : %1\n\n").arg(arg));
            std::fputs(kUsageCalculer, stderr);
            return 3;
        } else {
            chemin = arg;
        }
    }
    if (chemin.isEmpty()) {
        EcrireFlux(stderr, QStringLiteral("Document manquant.\n\n"));
        std::fputs(kUsageCalculer, stderr);
        return 3;
    }

    return ExecuterCli([&] { return CalculerDocument(chemin, json, reserve); });
}
