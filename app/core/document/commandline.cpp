#include "app/core/document/commandline.h"

namespace {

bool IsPrintSwitch(const std::string& arg) {
    for (const char* name : CCommandLine::kPrintSwitches)
        if (arg == name || arg == std::string(name).replace(1, 1, "P")) return true;
    return false;
}

bool LooksLikeSwitch(const std::string& arg) { return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'); }

CCommandLine Refused(std::string why) {
    CCommandLine line;
    line.kind = CCommandLine::kRefused;
    line.error = std::move(why);
    return line;
}

}  // namespace

CCommandLine CCommandLine::Parse(const std::vector<std::string>& args) {
    CCommandLine line;
    bool print = false;
    for (const std::string& arg : args) {
        if (arg.empty()) continue;  // the shell's "%1" of nothing
        if (IsPrintSwitch(arg)) {
            print = true;
        } else if (LooksLikeSwitch(arg) && arg.find_first_of("\\.:") == std::string::npos) {
            // A Windows path may begin with '/', but a switch has no dot or separator.
            return Refused("Unbekannter Schalter: " + arg);
        } else if (!line.file.empty()) {
            return Refused("Nur eine Datei kann geöffnet werden: " + arg);
        } else {
            line.file = arg;
        }
    }
    if (print && line.file.empty()) return Refused("/p braucht den Namen einer .pgn-Datei");
    line.kind = print ? kPrint : line.file.empty() ? kNewGame : kOpen;
    return line;
}
