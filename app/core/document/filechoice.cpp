#include "app/core/document/filechoice.h"

#include <filesystem>

#include "app/core/base/mainframetexts.h"

const CFileChoice::Filter CFileChoice::kFilters[] = {
    {CMainFrameTexts::kFilterName, "*" TORVO_FILE_EXTENSION},
    {CMainFrameTexts::kAllFilesFilterName, "*"},
};
const int CFileChoice::kFilterCount = sizeof kFilters / sizeof kFilters[0];

std::string CFileChoice::SaveFolder(const std::string& current) {
    return std::filesystem::u8path(current).parent_path().u8string();
}
