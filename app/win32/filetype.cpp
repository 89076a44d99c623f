#include "app/win32/filetype.h"

#include "app/core/base/mainframetexts.h"
#include "app/core/document/commandline.h"
#include "app/win32/resourceids.h"

const CShellFileType::Names CFileType::kNames = {CMainFrameTexts::kFileExtension, CMainFrameTexts::kFileTypeId,
                                                 CMainFrameTexts::kFileTypeName, TORVO_IDI_DOCUMENT,
                                                 CCommandLine::kPrintSwitches[0]};

CFileType::Result CFileType::Register(const std::wstring& exePath, const std::string& key) {
    return CShellFileType::Register(kNames, exePath, key);
}

bool CFileType::IsRegistered(const std::wstring& exePath, const std::string& key) {
    return CShellFileType::IsRegistered(kNames, exePath, key);
}
