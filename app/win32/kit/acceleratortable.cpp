#include "app/win32/kit/acceleratortable.h"

#include <cstring>
#include <string>

namespace {

struct Modifier {
    const char* text;
    BYTE flag;
};
constexpr Modifier kModifiers[] = {{"Ctrl+", FCONTROL}, {"Shift+", FSHIFT}, {"Alt+", FALT}};

struct NamedKey {
    const char* text;
    WORD key;
};
constexpr NamedKey kNamedKeys[] = {{"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Back", VK_BACK}};

constexpr int kFunctionKeys = 12;

}  // namespace

bool CAcceleratorTable::Parse(const char* keys, WORD command, ACCEL* entry) {
    BYTE flags = FVIRTKEY;
    const char* rest = keys;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& modifier : kModifiers) {
            const size_t length = std::strlen(modifier.text);
            if (std::strncmp(rest, modifier.text, length) == 0) {
                flags |= modifier.flag;
                rest += length;
                found = true;
            }
        }
    }
    const std::string key = rest;
    WORD code = 0;
    if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') code = static_cast<WORD>(key[0]);
    for (int n = 1; n <= kFunctionKeys && code == 0; ++n)
        if (key == "F" + std::to_string(n)) code = static_cast<WORD>(VK_F1 + n - 1);
    for (const NamedKey& named : kNamedKeys)
        if (code == 0 && key == named.text) code = named.key;
    if (code == 0) return false;
    *entry = {flags, code, command};
    return true;
}

std::vector<ACCEL> CAcceleratorTable::Entries(const std::vector<Binding>& bindings) {
    std::vector<ACCEL> entries;
    for (const Binding& binding : bindings) {
        ACCEL entry;
        if (Parse(binding.keys, static_cast<WORD>(binding.command), &entry)) entries.push_back(entry);
    }
    return entries;
}

HACCEL CAcceleratorTable::Create(const std::vector<Binding>& bindings) {
    std::vector<ACCEL> entries = Entries(bindings);
    return CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
}
