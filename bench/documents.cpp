// Reading and writing problem texts, per byte of the document file, beside
// the floor: the same bytes read from the file and decoded from the code page,
// which no reader can beat. Reading and computing (what opening a document
// or `tolvane-cli calculer` does) must stay within a few times the floor and
// linear in the document's size, and so must the memory a document holds.

#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "util/AnsiCodePage.h"

#include "support/DocumentDeCalculs.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <map>

namespace {

// Six sections per calculation, as the buttresses of a church.
constexpr int kSectionsParCalcul = 6;

// The document of n calculations, written once per run.
const QString& Document(int calculs)
{
    static QTemporaryDir dossier;
    static std::map<int, QString> chemins;
    auto [it, nouveau] = chemins.try_emplace(calculs);
    if (nouveau) {
        UtiliserCalculParDefautDesSources();
        it->second = dossier.filePath(QStringLiteral("document-%1.Tolvane").arg(calculs));
        EcrireDocumentDeCalculs(it->second, calculs, kSectionsParCalcul);
    }
    return it->second;
}

void ParOctet(benchmark::State& state, qint64 octets)
{
    state.SetBytesProcessed(state.iterations() * octets);
    state.counters["octets"] = double(octets);
    state.counters["temps_par_octet"] = benchmark::Counter(
        double(octets), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The floor: the file's bytes read and decoded, nothing else.
void BM_LectureBrute(benchmark::State& state)
{
    const QString& chemin = Document(int(state.range(0)));
    for (auto _ : state) {
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::ReadOnly)) {
            state.SkipWithError("document illisible");
            return;
        }
        const QString texte = AnsiCodePage::toUnicode(fichier.readAll());
        benchmark::DoNotOptimize(texte.constData());
    }
    ParOctet(state, QFileInfo(chemin).size());
}
BENCHMARK(BM_LectureBrute)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

// The whole document file read: header, problem text, every calculation. The
// heap the document then holds is given per byte of its file.
void BM_LireDocument(benchmark::State& state)
{
    const QString& chemin = Document(int(state.range(0)));
    double memoire = 0;
    {
        const std::size_t avant = mallinfo2().uordblks;
        const std::unique_ptr<TFichPb> document = LireDocument(chemin);
        memoire = double(mallinfo2().uordblks) - double(avant);
    }
    for (auto _ : state) {
        const std::unique_ptr<TFichPb> document = LireDocument(chemin);
        benchmark::DoNotOptimize(document.get());
    }
    const qint64 octets = QFileInfo(chemin).size();
    ParOctet(state, octets);
    state.counters["memoire_par_octet"] = memoire / double(octets);
}
BENCHMARK(BM_LireDocument)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

// Read, then every calculation computed, as `tolvane-cli calculer` does.
void BM_LireEtCalculer(benchmark::State& state)
{
    const QString& chemin = Document(int(state.range(0)));
    for (auto _ : state) {
        const std::unique_ptr<TFichPb> document = LireDocument(chemin);
        document->CalculerTout();
        benchmark::DoNotOptimize(document.get());
    }
    ParOctet(state, QFileInfo(chemin).size());
}
BENCHMARK(BM_LireEtCalculer)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

// The problem text written and encoded, as a save does before the file.
void BM_EcrireTexte(benchmark::State& state)
{
    const QString& chemin = Document(int(state.range(0)));
    const std::unique_ptr<TFichPb> document = LireDocument(chemin);
    for (auto _ : state) {
        const QByteArray octets = AnsiCodePage::fromUnicode(document->SaveToString());
        benchmark::DoNotOptimize(octets.constData());
    }
    ParOctet(state, QFileInfo(chemin).size());
}
BENCHMARK(BM_EcrireTexte)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

} // namespace
