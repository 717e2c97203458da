#include "FuzzSupport.h"

#include "model/DonneesAppli.h"
#include "util/AnsiCodePage.h"
#include "util/TextFiles.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

// Two sections with every field set, so that a field a garbled line leaves
// untouched is told apart from one it resets.
const char kDefaut[] = "1\r\n"
                       "\r\n"
                       "\r\n"
                       "DEF\r\n"
                       "Calcul par défaut\r\n"
                       "2\r\n"
                       "0\t1\t0.8\t0\t2000\t5\t0.6\t10\t0.2\t1\t-2\t3\t-4\t5\t-6\t7\t-8\t9\t-10\t11\t-12\t13\t0.5\tbase\r\n"
                       "3\t0.6\t0.8\t0\t2000\t5\t0.6\t0\t0\t0\t-2000\t0\t0\t300\t0\t0\t0\t0\t0\t0\t0\t0\t0.3\tsommet\r\n";

} // namespace

void preparerFuzz()
{
    static const bool pret = [] {
        static auto dossier = std::make_unique<QTemporaryDir>();
        TDonneesAppli::setDefaultFolder(dossier->path());
        EcrireFichierTexte(QString::fromUtf8(kDefaut), TDonneesAppli::defaultFilePath());
        setFileRetryWait([](int) {});
        return true;
    }();
    (void)pret;
}

void preparerApplicationGraphique()
{
    static const std::unique_ptr<QGuiApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nom[] = "tolvane-fuzz";
        static char* argv[] = {nom, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}

bool representableEnAnsi(const QString& texte)
{
    return AnsiCodePage::toUnicode(AnsiCodePage::fromUnicode(texte)) == texte;
}
