// Arbitrary bytes as the configuration file, then the reads and a write a program performs.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "base/FileLock.h"
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

std::string FilePath() {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp != nullptr ? tmp : "/tmp") + "/fuzz_config_store." +
           std::to_string(::getpid()) + ".xml";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = FilePath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    SilentBoxes boxes;
    quivlane::XmlSettingsStore store(boxes);
    store.SetPath(path);
    store.GetValue("PARAMETRES", "SON", "NON");
    store.GetValue("BOUTON1", "TEXTE", "RIEN");
    store.GetValue("BOUTON 3\\", "LIEN", "");
    store.GetValue("A\\\\B", "C", "");
    store.GetValue("BOUTON2", "COMMENTAIRE", "absent");
    const int code = store.SetValue("BOUTON2", "COMMENTAIRE", "<h1>été</h1> & ]]>");
    // A successful write must read back exactly, whatever the file held before.
    if (code == 0 && store.GetValue("BOUTON2", "COMMENTAIRE", "absent") != "<h1>été</h1> & ]]>") {
        std::abort();
    }
    // A file the store would not load is never written.
    if (code == quivlane::XmlSettingsStore::kNotLoaded) {
        std::ifstream in(path, std::ios::binary);
        const std::string after((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        if (after != std::string(reinterpret_cast<const char*>(data), size)) {
            std::abort();
        }
    }
    ::unlink(path.c_str());
    ::unlink(quivlane::FileLock::LockFileFor(path).c_str());
    return 0;
}
