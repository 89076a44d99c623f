#pragma once
// Core's texts are UTF-8; wxString must be told so, whatever the locale.

#include <wx/string.h>

#include <string>

inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
inline wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }
