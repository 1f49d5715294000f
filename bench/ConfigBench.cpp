// The launcher's start-up reads and one write, against a bare parse of the same file: the store
// parses once per value by design, so the interesting figure is the ratio to one parse.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "config/ConfigFile.h"
#include "config/LinkFormats.h"
#include "config/XmlSettingsStore.h"
#include "platform/dialogs/MessageBoxes.h"

namespace {

class SilentBoxes final : public quivlane::MessageBoxes {
  public:
    void Show(const std::string&, const std::string&, quivlane::MessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&, quivlane::MessageIcon) override {
        return false;
    }
};

// A file as the editor leaves it: every switch and every field of the nineteen buttons set.
const std::string& FullFile() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::string file = std::string(tmp != nullptr ? tmp : "/tmp") + "/bench_config." +
                                 std::to_string(::getpid()) + ".xml";
        ::unlink(file.c_str());
        SilentBoxes boxes;
        quivlane::XmlSettingsStore store(boxes);
        store.SetPath(file);
        using namespace quivlane::config;
        for (const char* key : {kSon, kAutostart, kBoutonQuitter, kTooltips, kAutohide, kHorloge}) {
            store.SetValue(kSettingsSection, key, kOui);
        }
        for (int n = 1; n <= kButtonCount; ++n) {
            const std::string section = quivlane::ButtonSection(n);
            store.SetValue(section, kTexte, "Bouton é" + std::to_string(n));
            store.SetValue(
                section, kLien,
                "/home/utilisateur/Documents/dossier " + std::to_string(n) + "/fichier.txt");
            store.SetValue(
                section, kCommentaire,
                "<h1>Bouton " + std::to_string(n) +
                    "</h1><p>Un commentaire de taille moyenne, accentué, avec "
                    "<b>du gras</b> et un <a href=\"https://example.org\">lien</a>.</p>");
            store.SetValue(section, kCouleurTexte, "BLEU");
        }
        std::atexit([] { ::unlink(path.c_str()); });
        return file;
    }();
    return path;
}

void BM_BareParse(benchmark::State& state) {
    const std::string& path = FullFile();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
    }
}
BENCHMARK(BM_BareParse);

void BM_OneGetValue(benchmark::State& state) {
    const std::string& path = FullFile();
    SilentBoxes boxes;
    quivlane::XmlSettingsStore store(boxes);
    store.SetPath(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            store.GetValue(quivlane::ButtonSection(19), quivlane::config::kCommentaire, ""));
    }
}
BENCHMARK(BM_OneGetValue);

void BM_LauncherStart(benchmark::State& state) {
    const std::string& path = FullFile();
    SilentBoxes boxes;
    quivlane::XmlSettingsStore store(boxes);
    store.SetPath(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(quivlane::ReadLauncherConfig(store, path, "CACHER_QUIVLANE"));
    }
}
BENCHMARK(BM_LauncherStart);

void BM_SetValue(benchmark::State& state) {
    const std::string& path = FullFile();
    SilentBoxes boxes;
    quivlane::XmlSettingsStore store(boxes);
    store.SetPath(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.SetValue(quivlane::ButtonSection(7), quivlane::config::kLien,
                                                quivlane::LinkFormats::FormatAlarmLink("07:30")));
    }
}
BENCHMARK(BM_SetValue);

}  // namespace

BENCHMARK_MAIN();
