// The recently used files, named in the menu with at most 30 characters.
#pragma once

#include <wx/filehistory.h>

#include <functional>

class CFileHistory : public wxFileHistory {
public:
    explicit CFileHistory(size_t maxFiles) : wxFileHistory(maxFiles) {}

    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(size_t i) override;
    void AddFilesToMenu(wxMenu* menu) override;
    // Told after every change of the list.
    void SetChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    void Relabel();
    void Changed();

    std::function<void()> m_changed;
};
