#include "base/InformationRequest.h"

#include <string>

namespace quivlane {

namespace {

std::string HelpText(const ProgramInformation& program) {
    std::string text = "Usage : ";
    text += program.name;
    text += " [--help | --version]\n\n";
    text += program.summary;
    text +=
        "  Quivlane.xml à côté du programme s'il existe ou si le dossier est modifiable,\n"
        "  sinon $XDG_CONFIG_HOME/Quivlane/Quivlane.xml (~/.config/Quivlane/Quivlane.xml).\n";
    text += program.notes;
    text +=
        "\n"
        "  --help     affiche cette aide et quitte\n"
        "  --version  affiche la version et quitte\n"
        "Tout autre argument est ignoré.\n";
    return text;
}

}  // namespace

bool AnswerInformationRequest(int argc, const char* const argv[], const ProgramInformation& program,
                              std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help") {
            std::fputs(HelpText(program).c_str(), out);
            return true;
        }
        if (arg == "--version") {
            std::fprintf(out, "%.*s %.*s\n", static_cast<int>(program.name.size()),
                         program.name.data(), static_cast<int>(program.version.size()),
                         program.version.data());
            return true;
        }
    }
    return false;
}

}  // namespace quivlane
