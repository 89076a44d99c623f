// Opening and saving a PGN file of 1,000 games, collected newest first as
// the program's own saves collect them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "game/game.h"
#include "game/gamefacade.h"
#include "game/gamerecord.h"
#include "notation/gametags.h"

namespace {

constexpr int kGames = 1000;
constexpr int kMaxPlies = 120;
// Left in the working folder so that torvo-cli replay can be timed on it too.
constexpr const char* kSamplePath = "pgn_bench_1000.pgn";
constexpr const char* kSavePath = "pgn_bench_saved.pgn";

class CQuietPlatform : public CDocumentPlatform {
public:
    void SetTitle(const char*) override {}
    void ShowMessage(const char* text, const char* caption) override { std::fprintf(stderr, "%s: %s\n", caption, text); }
    std::string ClipboardText() override { return ""; }
    bool SetClipboardText(const std::string&) override { return false; }
    void DocumentChanged() override {}
};

// A game of random legal moves, in the file form.
std::string RandomRecord(std::mt19937* random) {
    CGameFacade facade;
    facade.UpdateResultTag()->SetDefaults();
    char result[CGame::kTextSize];
    for (int ply = 0; ply < kMaxPlies && facade.GameOver(result) == 0; ++ply) {
        const int index = static_cast<int>((*random)() % static_cast<unsigned>(facade.LegalMoveCount()));
        const std::string move = facade.LegalMoveText(index);
        facade.EnterMove(move.c_str());
    }
    std::string record;
    CGameRecord::Append(&facade, CGameRecord::Form::kFile, &record);
    return record;
}

const std::string& SampleFile() {
    static const std::string path = [] {
        std::mt19937 random(20240601);
        std::string text;
        for (int i = 0; i < kGames; ++i) {
            if (i > 0) text += CGameRecord::kGap;
            text += RandomRecord(&random);
        }
        std::ofstream(kSamplePath, std::ios::binary) << text;
        return std::string(kSamplePath);
    }();
    return path;
}

void BM_OpenFileOf1000Games(benchmark::State& state) {
    const std::string& path = SampleFile();
    CQuietPlatform platform;
    CGameDocument document(&platform);
    for (auto _ : state) benchmark::DoNotOptimize(document.OnOpenDocument(path));
}
BENCHMARK(BM_OpenFileOf1000Games)->Unit(benchmark::kMillisecond);

// Unchanged: the old lines are written back.
void BM_SaveOpenedFileOf1000Games(benchmark::State& state) {
    CQuietPlatform platform;
    CGameDocument document(&platform);
    document.OnOpenDocument(SampleFile());
    for (auto _ : state) benchmark::DoNotOptimize(document.OnSaveDocument(kSavePath));
    std::remove(kSavePath);
}
BENCHMARK(BM_SaveOpenedFileOf1000Games)->Unit(benchmark::kMillisecond);

// Changed: the game's record first, then the whole old text.
void BM_SaveContinuedFileOf1000Games(benchmark::State& state) {
    CQuietPlatform platform;
    CGameDocument document(&platform);
    document.OnOpenDocument(SampleFile());
    document.GetFacade()->EnterMove(document.GetFacade()->LegalMoveText(0));
    for (auto _ : state) benchmark::DoNotOptimize(document.OnSaveDocument(kSavePath));
    std::remove(kSavePath);
}
BENCHMARK(BM_SaveContinuedFileOf1000Games)->Unit(benchmark::kMillisecond);

}  // namespace
