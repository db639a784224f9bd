// Start-up with a game base configured against start-up without one: the main window built and
// shown, then the games window opened again, as it was left open, on the files remembered. The load
// runs on its own thread after the window is shown, so both must take about the same time. The real
// files of 1977-2015 in ../shared/wthor are used when they are there; otherwise 130,000 random
// games in one file written to a temporary folder.

#include "base_synthetique.h"
#include "fenetre_plateau.h"
#include "reglages.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

using namespace tavik;

QStringList fichiers_base(const QTemporaryDir& dossier)
{
    QStringList fichiers;
    std::error_code e;
    for (const auto& entree : std::filesystem::directory_iterator(TAVIK_WTHOR_DIR, e))
        if (entree.path().extension() == ".wtb")
            fichiers << QString::fromStdString(entree.path().string());
    if (!fichiers.isEmpty()) return fichiers;
    const std::string chemin = dossier.filePath(QStringLiteral("WTH_2000.wtb")).toStdString();
    std::ofstream(chemin, std::ios::binary)
        << test::octets_wthor(test::parties_synthetiques(130'000, 1), 2000);
    return {QString::fromStdString(chemin)};
}

// range(0): 1 with the base configured; range(1): 1 when the games window was left open, so
// that start-up opens it again.
void BM_Demarrage(benchmark::State& state)
{
    static QTemporaryDir dossier;
    static const QStringList base = fichiers_base(dossier);
    ui::reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
    ui::reglages()->setValue(QStringLiteral("parties/fichiers"),
                             state.range(0) ? base : QStringList());
    ui::reglages()->setValue(QStringLiteral("parties/ouverte"), state.range(1) != 0);
    for (auto _ : state) {
        FonCom com;
        auto f = std::make_unique<ui::FenetrePlateau>(
            com, TAVIK_DATA_DIR "/biblio.csv", ui::Hote {.message = [](const std::string&) {}});
        f->show();
        f->rouvre_fenetres();
        QCoreApplication::processEvents();
        state.PauseTiming();
        f.reset(); // the load stops; the window's state stays remembered as it was
        state.ResumeTiming();
    }
    state.counters["fichiers"] = state.range(0) ? base.size() : 0;
}
BENCHMARK(BM_Demarrage)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
