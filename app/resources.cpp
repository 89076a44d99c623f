#include "app/resources.h"

#include <wx/artprov.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/core/commandids.h"

namespace {

constexpr const char* kInstalledDataDir = "torvo";
constexpr const char* kIconPattern = "torvo-%d.png";
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

wxArrayString SearchDirs() {
    wxArrayString dirs;
    wxString fromEnv;
    if (wxGetEnv(CResources::kDirVariable, &fromEnv) && !fromEnv.empty()) dirs.push_back(fromEnv);
    // Installed: <prefix>/bin/torvo finds <prefix>/share/torvo.
    wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    exe.RemoveLastDir();
    dirs.push_back(exe.GetPath() + "/share/" + kInstalledDataDir);
#ifdef TORVO_RES_DIR
    dirs.push_back(TORVO_RES_DIR);
#endif
    return dirs;
}

wxString ArtIdOf(int commandId) {
    switch (commandId) {
        case cmd::kFileNew: return wxART_NEW;
        case cmd::kFileOpen: return wxART_FILE_OPEN;
        case cmd::kFileSave: return wxART_FILE_SAVE;
        case cmd::kEditCopy: return wxART_COPY;
        case cmd::kEditPaste: return wxART_PASTE;
        case cmd::kFilePrint: return wxART_PRINT;
        default: return wxART_HELP;
    }
}

}  // namespace

wxString CResources::Find(const wxString& fileName) {
    for (const wxString& dirName : SearchDirs()) {
        wxDir dir(dirName);
        if (!wxDir::Exists(dirName) || !dir.IsOpened()) continue;
        wxString found;
        for (bool more = dir.GetFirst(&found, wxEmptyString, wxDIR_FILES); more; more = dir.GetNext(&found))
            if (found.CmpNoCase(fileName) == 0) return dirName + "/" + found;
    }
    return wxString();
}

wxBitmap CResources::LoadBitmap(const wxString& name) {
    for (const char* ext : {".bmp", ".png"}) {
        const wxString path = Find(name + ext);
        if (!path.empty()) {
            wxBitmap bitmap(path, wxBITMAP_TYPE_ANY);
            if (bitmap.IsOk()) return bitmap;
        }
    }
    return wxBitmap();
}

wxBitmap CResources::ToolbarPicture(int index, int commandId) {
    static const wxBitmap strip = [] {
        const wxString path = Find(kToolbarStrip);
        return path.empty() ? wxBitmap() : wxBitmap(path, wxBITMAP_TYPE_BMP);
    }();
    if (strip.IsOk() && strip.GetWidth() >= (index + 1) * kToolbarButtonWidth)
        return strip.GetSubBitmap(wxRect(index * kToolbarButtonWidth, 0, kToolbarButtonWidth, kToolbarButtonHeight));
    return wxArtProvider::GetBitmap(ArtIdOf(commandId), wxART_TOOLBAR, wxSize(kToolbarButtonWidth, kToolbarButtonWidth));
}

wxIconBundle CResources::ProgramIcons() {
    wxIconBundle icons;
    for (int size : kIconSizes) {
        const wxString path = Find(wxString::Format(kIconPattern, size));
        if (!path.empty()) icons.AddIcon(path, wxBITMAP_TYPE_PNG);
    }
    return icons;
}
