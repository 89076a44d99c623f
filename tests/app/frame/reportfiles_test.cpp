#include "app/core/frame/reportfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/tempfolder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ReportFilesTest : public ::testing::Test {
protected:
    fs::path Path(const char* name) const { return m_folder / name; }
    bool FolderEmpty() const { return fs::is_empty(m_folder.Path()); }

private:
    TempFolder m_folder{"reportfiles_"};
};

TEST_F(ReportFilesTest, StatusTextsAndIndicatorsAreAppendedALineEach) {
    std::ofstream(Path("status.log"), std::ios::binary) << "vorher\n";
    const CReportFiles files(Path("status.log").u8string(), "", "");
    files.Status("Weiss ist am Zug");
    files.Indicator("SCRL", true);
    files.Indicator("CAP", false);
    files.Status("Schwarz gewinnt über Zeit");
    EXPECT_EQ(ReadBytes(Path("status.log")),
              "vorher\nWeiss ist am Zug\nindicator SCRL on\nindicator CAP off\nSchwarz gewinnt über Zeit\n");
}

TEST_F(ReportFilesTest, TheCanvasAndThePanesReplaceTheirFile) {
    const CReportFiles files("", Path("canvas").u8string(), Path("panes").u8string());
    files.Canvas({10, 20, 300, 200});
    files.Canvas({-4, 0, 420, 300});
    EXPECT_EQ(ReadBytes(Path("canvas")), "-4 0 420 300\n");
    EXPECT_TRUE(files.WantsPanes());
    files.Panes({{"CAP", {600, 680, 40, 18}, 28}, {"SCRL", {700, 680, 45, 18}, 33}});
    files.Panes({{"NUM", {650, 680, 44, 18}, 30}});
    EXPECT_EQ(ReadBytes(Path("panes")), "NUM 650 680 44 18 30\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), fs::directory_iterator()), 2) << "a file left over";
}

TEST_F(ReportFilesTest, WithoutNamesNothingIsWritten) {
    const CReportFiles files("", "", "");
    files.Status("Weiss ist am Zug");
    files.Indicator("NUM", true);
    files.Canvas({0, 0, 1, 1});
    files.Panes({{"CAP", {0, 0, 1, 1}, 1}});
    EXPECT_FALSE(files.WantsPanes());
    EXPECT_TRUE(FolderEmpty());
}

}  // namespace
