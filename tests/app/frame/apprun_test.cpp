#include "app/core/frame/apprun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "app/core/document/commandline.h"
#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "app/core/frame/appplatform.h"
#include "app/tempfolder.h"
#include "engine/messagepump.h"

namespace {

constexpr const char* kRunGameFile = "@game";  // stands for the test's game file
constexpr const char* kRunMissingFile = "@missing";

// The application and its document's platform, recording what the run asks.
class FakeApp : public IAppPlatform, public CDocumentPlatform {
public:
    void ShowMainWindow() override { log.push_back("show"); }
    void PrintWhenShown() override { log.push_back("print when shown"); }
    void PrintDirect() override { log.push_back("print"); }
    void CloseMainWindow() override { log.push_back("close"); }
    void SaveSettings() override { log.push_back("save settings"); }

    void SetTitle(const char*) override {}
    void ShowMessage(const char*, const char*) override {}
    std::string ClipboardText() override { return std::string(); }
    bool SetClipboardText(const std::string&) override { return true; }
    void DocumentChanged() override {}

    std::vector<std::string> log;
};

class NoEvents : public CMessagePump::Platform {
public:
    void DispatchOne() override {}
};

struct RunCase {
    const char* name;
    std::vector<std::string> args;
    bool hasDocument;
    int exitCode;
    std::vector<std::string> start;  // what the start asks for
    std::vector<std::string> end;    // and the end of the run
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

class AppRun : public ::testing::TestWithParam<RunCase> {
protected:
    void SetUp() override { std::ofstream(m_folder / "partie.pgn", std::ios::binary) << "1.e4 e5 *\n"; }
    std::string Arg(const std::string& arg) const {
        if (arg == kRunGameFile) return (m_folder / "partie.pgn").u8string();
        if (arg == kRunMissingFile) return (m_folder / "fehlt.pgn").u8string();
        return arg;
    }

private:
    TempFolder m_folder{"apprun_"};
};

}  // namespace

TEST_P(AppRun, ShowsTheWindowOrEndsAtOnceAndKeepsTheSettingsOnlyAfterAStart) {
    const RunCase& c = GetParam();
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(Arg(arg));
    FakeApp app;
    CGameDocument document(&app);
    CAppRun run(app);
    NoEvents events;
    run.UsePump(&events);
    EXPECT_EQ(TheMessagePump().GetPlatform(), &events);
    EXPECT_FALSE(run.Started()) << "nothing has started before the start";

    EXPECT_EQ(run.Start(c.hasDocument ? &document : nullptr, CCommandLine::Parse(args)),
              c.exitCode == CGameDocument::kStarted);
    EXPECT_EQ(run.ExitCode(), c.exitCode);
    EXPECT_EQ(run.Started(), c.exitCode == CGameDocument::kStarted);
    EXPECT_EQ(app.log, c.start);
    app.log.clear();
    // A search still running at the end gives up; the pump lets go of the
    // toolkit, whose windows are gone.
    TheMessagePump().SetThinking(CMessagePump::kThinkingOn);
    run.End();
    EXPECT_EQ(app.log, c.end);
    EXPECT_EQ(TheMessagePump().Thinking(), CMessagePump::kThinkingOff);
    EXPECT_EQ(TheMessagePump().GetPlatform(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, AppRun,
    ::testing::Values(
        RunCase{"NewGame", {}, true, CGameDocument::kStarted, {"show"}, {"save settings"}},
        RunCase{"OpenAFile", {kRunGameFile}, true, CGameDocument::kStarted, {"show"}, {"save settings"}},
        RunCase{"PrintAFile", {"/p", kRunGameFile}, true, CGameDocument::kStarted, {"show", "print when shown"},
                {"save settings"}},
        RunCase{"MissingFile", {kRunMissingFile}, true, CGameDocument::kStartFailed, {"close"}, {}},
        RunCase{"PrintAMissingFile", {"-p", kRunMissingFile}, true, CGameDocument::kStartFailed, {"close"}, {}},
        RunCase{"RefusedCommandLine", {"/p"}, true, CGameDocument::kBadCommandLine, {"close"}, {}},
        RunCase{"NoDocument", {}, false, CGameDocument::kStartFailed, {"close"}, {}}));

TEST(AppRunPrint, PrintsThenClosesTheWindow) {
    FakeApp app;
    CAppRun run(app);
    run.PrintAndClose();
    EXPECT_EQ(app.log, (std::vector<std::string>{"print", "close"}));
}
