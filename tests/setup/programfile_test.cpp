// What Windows reads from torvo.exe itself: the version record, the icons (as
// the system loads them, against the PNG pictures they are made from, decoded
// by the system's own codec) and the manifest.
//
//     programfile_tests PROGRAM.exe ICON_FOLDER
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::wstring g_program;
std::wstring g_iconFolder;

std::wstring Wide(const char* text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, &wide[0], length);
    wide.resize(length - 1);
    return wide;
}

std::string Utf8(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], length, nullptr, nullptr);
    text.resize(length - 1);
    return text;
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH];
    return GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr) ? full : path;
}

class ProgramFile : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const DWORD size = GetFileVersionInfoSizeW(g_program.c_str(), nullptr);
        s_version.assign(size, 0);
        if (size) GetFileVersionInfoW(g_program.c_str(), 0, size, s_version.data());
        s_module = LoadLibraryExW(g_program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() {
        if (s_module) FreeLibrary(s_module);
    }

    static std::wstring Text(const wchar_t* block, const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
        wchar_t* text = nullptr;
        UINT length = 0;
        if (s_version.empty() || !VerQueryValueW(s_version.data(), path.c_str(), reinterpret_cast<void**>(&text),
                                                 &length))
            return L"<missing>";
        return std::wstring(text);
    }

    // The pixel sizes in an icon group, in the group's order.
    static std::vector<int> GroupSizes(int id) {
        std::vector<int> sizes;
        HRSRC info = FindResourceW(s_module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
        if (!info) return sizes;
        const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(s_module, info)));
        const int count = data[4] | data[5] << 8;
        for (int i = 0; i < count; ++i) {
            const uint8_t* entry = data + 6 + 14 * i;
            EXPECT_EQ(entry[0], entry[1]) << "icon " << id << ": not square";
            EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "icon " << id << ": bits a pixel";
            sizes.push_back(entry[0] ? entry[0] : 256);
        }
        return sizes;
    }

    static std::vector<uint8_t> s_version;
    static HMODULE s_module;
};

std::vector<uint8_t> ProgramFile::s_version;
HMODULE ProgramFile::s_module = nullptr;

// A PNG picture as rows of blue, green, red, alpha, through the system's codec.
bool DecodePng(const std::wstring& path, int size, std::vector<uint8_t>* pixels) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return false;
    bool ok = false;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0, height = 0;
    if (SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        width == static_cast<UINT>(size) && height == static_cast<UINT>(size) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))) {
        pixels->assign(size * size * 4, 0);
        ok = SUCCEEDED(converter->CopyPixels(nullptr, size * 4, static_cast<UINT>(pixels->size()), pixels->data()));
    }
    if (converter) converter->Release();
    if (frame) frame->Release();
    if (decoder) decoder->Release();
    factory->Release();
    return ok;
}

// A bitmap's pixels as top-down rows of 32 bits.
std::vector<uint8_t> Pixels(HBITMAP bitmap, int size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> pixels(size * size * 4, 0);
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, size, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != size) pixels.clear();
    return pixels;
}

}  // namespace

TEST_F(ProgramFile, TheVersionRecordIsGermanWithTheProgramsNumbers) {
    ASSERT_FALSE(s_version.empty()) << "no version record";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(s_version.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(s_version.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0407) << "German (Germany)";
    EXPECT_EQ(translation[1], 1200) << "Unicode";

    // Explorer looks the texts up under the language and code page the record names.
    const wchar_t* block = L"040704B0";
    EXPECT_EQ(Text(block, L"FileVersion"), L"1.0.0.1");
    EXPECT_EQ(Text(block, L"ProductVersion"), L"3.0.0.1");
    EXPECT_EQ(Text(block, L"CompanyName"), L"Halvorn IT");
    EXPECT_EQ(Text(block, L"FileDescription"), L"Torvo Schachprogramm");
    EXPECT_EQ(Text(block, L"Comments"), L"Schachprogramm");
    EXPECT_EQ(Text(block, L"InternalName"), L"torvo");
    EXPECT_EQ(Text(block, L"ProductName"), L"torvo Application");
    EXPECT_EQ(Text(block, L"LegalCopyright"), L"Copyright (C) Halvorn IT");
    EXPECT_EQ(Text(block, L"OriginalFilename"), L"torvo.exe");
}

TEST_F(ProgramFile, TheIconsAreThePicturesInEachSize) {
    ASSERT_NE(s_module, nullptr);
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const struct {
        int id;
        const wchar_t* picture;
    } icons[] = {{128, L"torvo"}, {131, L"torvo"}, {129, L"torvo-doc"}};
    for (const auto& icon : icons) {
        EXPECT_EQ(GroupSizes(icon.id), (std::vector<int>{16, 32, 48})) << "icon " << icon.id;
        for (int size : {16, 32, 48}) {
            SCOPED_TRACE(testing::Message() << "icon " << icon.id << " at " << size);
            std::vector<uint8_t> expected;
            const std::wstring png = g_iconFolder + L"\\" + icon.picture + L"-" + std::to_wstring(size) + L".png";
            ASSERT_TRUE(DecodePng(png, size, &expected));
            HICON handle = static_cast<HICON>(
                LoadImageW(s_module, MAKEINTRESOURCEW(icon.id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            ASSERT_NE(handle, nullptr);
            ICONINFO parts = {};
            ASSERT_TRUE(GetIconInfo(handle, &parts));
            const std::vector<uint8_t> colour = Pixels(parts.hbmColor, size);
            // The mask holds the AND bits: white where the background shows.
            const std::vector<uint8_t> mask = Pixels(parts.hbmMask, size);
            DeleteObject(parts.hbmColor);
            DeleteObject(parts.hbmMask);
            DestroyIcon(handle);
            ASSERT_EQ(colour.size(), expected.size());
            ASSERT_EQ(mask.size(), expected.size());
            int wrong = 0, first = -1;
            for (size_t i = 0; i < expected.size(); i += 4) {
                const bool transparent = expected[i + 3] < 128;
                const bool same = transparent ? mask[i] == 0xFF
                                              : mask[i] == 0 && colour[i] == expected[i] &&
                                                    colour[i + 1] == expected[i + 1] &&
                                                    colour[i + 2] == expected[i + 2];
                if (!same && wrong++ == 0) first = static_cast<int>(i / 4);
            }
            EXPECT_EQ(wrong, 0) << "first at x " << first % size << ", y " << first / size;
        }
    }
    CoUninitialize();
}

TEST_F(ProgramFile, TheManifestAsksForTheSystemsCommonControls) {
    const std::wstring path = FullPath(g_program);
    ACTCTXW context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);  // the manifest a process starts with
    HANDLE handle = CreateActCtxW(&context);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "no manifest, or one the system refuses: " << GetLastError();
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(handle, &cookie));
    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t loaded[MAX_PATH] = L"";
    GetModuleFileNameW(controls, loaded, MAX_PATH);
    FreeLibrary(controls);
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(handle);
    // Version 6 is a side-by-side assembly; without the manifest the old one in
    // the system folder comes.
    std::wstring lower = loaded;
    CharLowerW(&lower[0]);
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << Utf8(loaded);
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << Utf8(loaded);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        fprintf(stderr, "usage: programfile_tests PROGRAM.exe ICON_FOLDER\n");
        return 2;
    }
    g_program = Wide(argv[1]);
    g_iconFolder = Wide(argv[2]);
    return RUN_ALL_TESTS();
}
