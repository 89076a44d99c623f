// Records what the game document asks of the platform, and answers its file
// dialogs as a test sets them.
#pragma once

#include <string>
#include <vector>

#include "app/core/document/documentplatform.h"

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message& other) const { return text == other.text && caption == other.caption; }
};

// What a save dialog was shown with: the game's file and the proposed name.
struct SaveDialog {
    std::string current;
    std::string name;
    bool operator==(const SaveDialog& other) const { return current == other.current && name == other.name; }
};

class FakePlatform : public CDocumentPlatform {
public:
    bool BeginNewDocument() override { return allowNew; }
    void SetTitle(const char* text) override { title = text; }
    void ShowMessage(const char* text, const char* caption) override { messages.push_back({text, caption}); }
    void ShowStop(const char* text, const char* caption) override { stops.push_back({text, caption}); }
    std::string ClipboardText() override { return clipboard; }
    bool SetClipboardText(const std::string& text) override {
        clipboard = text;
        return true;
    }
    void DocumentChanged() override { ++changes; }
    bool AskOpenName(std::string* path) override {
        ++openDialogs;
        *path = chosenPath;
        return !chosenPath.empty();
    }
    bool AskSaveName(const std::string& current, const std::string& name, std::string* path) override {
        saveDialogs.push_back({current, name});
        *path = chosenPath;
        return !chosenPath.empty();
    }

    bool allowNew = true;
    std::string title;
    std::vector<Message> messages;
    std::vector<Message> stops;
    std::string clipboard;
    int changes = 0;
    // What the user picks in a file dialog; empty cancels it.
    std::string chosenPath;
    int openDialogs = 0;
    std::vector<SaveDialog> saveDialogs;
};
