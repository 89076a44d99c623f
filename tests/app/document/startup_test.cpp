// The program's start: the command line's shell command carried out on the
// document, and the exit code when the program must end at once.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "app/core/base/mainframetexts.h"
#include "app/core/document/commandline.h"
#include "app/core/document/gamedocument.h"
#include "app/core/document/recentfiles.h"
#include "app/tempfolder.h"
#include "fakedocumentplatform.h"
#include "game/game.h"
#include "game/gamefacade.h"

namespace {

constexpr const char* kGameFile = "@game";      // stands for the test's game file
constexpr const char* kMissingFile = "@missing";

struct StartCase {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    const char* title;   // the caption's title after the start; "" when none was shown
    int ply;             // half-moves of the game that stands
    std::vector<Message> messages;
    std::vector<Message> stops;
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class Start : public ::testing::TestWithParam<StartCase> {
protected:
    void SetUp() override { std::ofstream(m_folder / "partie.pgn", std::ios::binary) << "1.e4 e5 2.Nf3 *\n"; }

    std::string Arg(const std::string& arg) const {
        if (arg == kGameFile) return (m_folder / "partie.pgn").u8string();
        if (arg == kMissingFile) return (m_folder / "fehlt.pgn").u8string();
        return arg;
    }

private:
    TempFolder m_folder{"startup_"};
};

TEST_P(Start, CarriesOutTheShellCommandOrEndsWithItsCode) {
    const StartCase& c = GetParam();
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(Arg(arg));
    FakePlatform platform;
    CRecentFiles recent;
    CGameDocument document(&platform);
    document.UseRecentFiles(&recent);

    EXPECT_EQ(document.Start(CCommandLine::Parse(args)), c.exitCode);
    EXPECT_EQ(platform.title, c.title);
    EXPECT_EQ(document.GetFacade()->GetGame()->GetPly(), c.ply);
    EXPECT_EQ(platform.messages, c.messages);
    EXPECT_EQ(platform.stops, c.stops);
    // A file named on the command line is the newest recent file.
    const bool opened = c.exitCode == CGameDocument::kStarted && std::string(c.title) == "partie.pgn";
    EXPECT_EQ(recent.Count(), opened ? 1u : 0u);
    EXPECT_EQ(document.Path(), opened ? Arg(kGameFile) : "");
}

const char* const kCaption = CMainFrameTexts::kWindowTitle;

INSTANTIATE_TEST_SUITE_P(
    Startup, Start,
    ::testing::Values(
        StartCase{"Nothing", {}, CGameDocument::kStarted, "NeuesSpiel", 0, {}, {}},
        StartCase{"AFile", {kGameFile}, CGameDocument::kStarted, "partie.pgn", 3, {}, {}},
        StartCase{"AFileToPrint", {"/p", kGameFile}, CGameDocument::kStarted, "partie.pgn", 3, {}, {}},
        StartCase{"AFileToPrintTheLinuxWay", {"-p", kGameFile}, CGameDocument::kStarted, "partie.pgn", 3, {}, {}},
        StartCase{"AMissingFile",
                  {kMissingFile},
                  CGameDocument::kStartFailed,
                  "NeuesSpiel",
                  0,
                  {{"File open error: 2", CGameDocument::kFileErrorCaption}},
                  {}},
        StartCase{"AMissingFileToPrint",
                  {"-p", kMissingFile},
                  CGameDocument::kStartFailed,
                  "NeuesSpiel",
                  0,
                  {{"File open error: 2", CGameDocument::kFileErrorCaption}},
                  {}},
        StartCase{"AnUnknownSwitch",
                  {"--help"},
                  CGameDocument::kBadCommandLine,
                  "",
                  0,
                  {},
                  {{"Unbekannter Schalter: --help", kCaption}}},
        StartCase{"PrintWithoutAFile",
                  {"-p"},
                  CGameDocument::kBadCommandLine,
                  "",
                  0,
                  {},
                  {{"/p braucht den Namen einer .pgn-Datei", kCaption}}},
        StartCase{"TwoFiles",
                  {"a.pgn", "b.pgn"},
                  CGameDocument::kBadCommandLine,
                  "",
                  0,
                  {},
                  {{"Nur eine Datei kann geöffnet werden: b.pgn", kCaption}}}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace
