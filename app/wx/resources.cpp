#include "app/wx/resources.h"

#include <wx/artprov.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <cstring>

#include "app/core/base/commandids.h"
#include "app/core/frame/framemenu.h"
#include "app/core/picture/resourcestore.h"

namespace {

constexpr const char* kIconFormat = "torvo-%d";
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G'};

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

bool IsPng(const CResourceStore::Entry& entry) {
    return entry.size > sizeof kPngSignature && std::memcmp(entry.data, kPngSignature, sizeof kPngSignature) == 0;
}

wxImage ImageOf(const CPixelBuffer& picture) {
    // Both keep rows from the top, three bytes a pixel, without padding.
    wxImage image(picture.Width(), picture.Height(), false);
    std::memcpy(image.GetData(), picture.Data(),
                static_cast<size_t>(picture.Width()) * picture.Height() * CPixelBuffer::kChannels);
    return image;
}

// A stored bitmap; empty when the name holds none.
CPixelBuffer StoredPicture(const char* name) {
    CPixelBuffer picture;
    if (*CResourceStore::ReadBitmap(name, &picture) != '\0') return CPixelBuffer();
    return picture;
}

}  // namespace

wxBitmap CResources::LoadBitmap(const wxString& name) {
    const wxScopedCharBuffer key = name.utf8_str();
    const CResourceStore::Entry* entry = CResourceStore::Find(key.data());
    if (!entry) return wxBitmap();
    if (IsPng(*entry)) {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
        return wxBitmap::NewFromPNGData(entry->data, entry->size);
    }
    const CPixelBuffer picture = StoredPicture(key.data());
    return picture.Width() > 0 ? wxBitmap(ImageOf(picture)) : wxBitmap();
}

wxBitmap CResources::ToolbarPicture(int index, int commandId) {
    static const CPixelBuffer strip = StoredPicture(CFrameMenu::kToolbarStrip);
    CPixelBuffer picture;
    if (!CFrameMenu::ButtonPicture(strip, index, &picture))
        return wxArtProvider::GetBitmap(ArtIdOf(commandId), wxART_TOOLBAR,
                                        wxSize(CFrameMenu::kButtonWidth, CFrameMenu::kButtonHeight));
    wxImage image = ImageOf(picture);
    const CPixelBuffer::Colour background = CFrameMenu::kStripBackground;
    image.SetMaskColour(background.red, background.green, background.blue);
    return wxBitmap(image);
}

wxIconBundle CResources::ProgramIcons() {
    wxIconBundle icons;
    for (int size : kIconSizes) {
        const wxBitmap bitmap = LoadBitmap(wxString::Format(kIconFormat, size));
        if (!bitmap.IsOk()) continue;
        wxIcon icon;
        icon.CopyFromBitmap(bitmap);
        icons.AddIcon(icon);
    }
    return icons;
}
