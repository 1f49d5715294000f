#include "config/XmlSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <sstream>

#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::ReadFile;

const std::string kDoc =
    "<?xml version=\"1.0\"?><XMLConfigSettings><PARAMETRES><SON></SON><AUTOHIDE/>"
    "<HORLOGE>OUI</HORLOGE></PARAMETRES><BOUTON3><TEXTE>trois</TEXTE></BOUTON3>"
    "<BOUTON_3><TEXTE>souligne</TEXTE></BOUTON_3></XMLConfigSettings>";

// Little-endian UTF-16 with its byte-order mark, from Latin-1 text.
std::string Utf16Le(const std::string& latin1) {
    std::string out = "\xFF\xFE";
    for (const char c : latin1) {
        out += c;
        out += '\0';
    }
    return out;
}

class XmlSettingsStoreTest : public ::testing::Test {
  protected:
    XmlSettingsStoreTest() { store.SetPath(path); }

    mode_t Mode() const {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    }

    test::TempDir dir;
    std::string path = dir.File("Quivlane.xml");
    test::ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
};

TEST_F(XmlSettingsStoreTest, EmptyElementReadsEmptyAbsentElementReadsDefault) {
    dir.Write("Quivlane.xml", kDoc);
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "");
    EXPECT_EQ(store.GetValue("PARAMETRES", "AUTOHIDE", "d"), "");
    EXPECT_EQ(store.GetValue("PARAMETRES", "TOOLTIPS", "d"), "d");
    EXPECT_EQ(store.GetValue("PARAMETRES", "HORLOGE", "d"), "OUI");
    EXPECT_EQ(store.GetValue("AUTRE", "HORLOGE", "d"), "d");
    // Writing the empty string keeps the element, so it no longer reads as the default.
    ASSERT_EQ(store.SetValue("PARAMETRES", "HORLOGE", ""), 0);
    EXPECT_EQ(store.GetValue("PARAMETRES", "HORLOGE", "d"), "");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(XmlSettingsStoreTest, PathFormingSpacesTrailingAndEmptyComponents) {
    dir.Write("Quivlane.xml", kDoc);
    EXPECT_EQ(store.GetValue("BOUTON 3", "TEXTE", "d"), "souligne");
    EXPECT_EQ(store.GetValue("BOUTON3\\", "TEXTE", "d"), "trois");
    EXPECT_EQ(store.GetValue("BOUTON3", "TEXTE\\\\", "d"), "trois");
    EXPECT_EQ(store.GetValue("BOUTON3\\\\", "TEXTE", "d"), "trois");
    EXPECT_EQ(store.GetValue("BOUTON3\\\\TEXTE", "", "d"), "d");  // empty inner component
    EXPECT_EQ(store.GetValue("", "BOUTON3", "d"), "d");
    EXPECT_EQ(store.GetValue("BOUTON3\\TEXTE", "", "d"), "trois");

    ASSERT_EQ(store.SetValue("BOUTON 3", "TEXTE", "x"), 0);
    EXPECT_EQ(store.GetValue("BOUTON_3", "TEXTE", "d"), "x");
    EXPECT_EQ(store.GetValue("BOUTON3", "TEXTE", "d"), "trois");
    // An empty inner component is skipped while creating: B lands directly below A.
    ASSERT_EQ(store.SetValue("A\\\\B", "C", "v"), 0);
    EXPECT_EQ(store.GetValue("A\\B", "C", "d"), "v");
}

TEST_F(XmlSettingsStoreTest, UncreatableLastComponentNeverWritesIntoItsParent) {
    dir.Write("Quivlane.xml", kDoc);
    const std::string before = ReadFile(path);
    EXPECT_EQ(store.SetValue("BOUTON3", "A<B", "x"), XmlSettingsStore::kNoElement);
    EXPECT_EQ(store.SetValue("BOUTON3", "1ABC", "x"), XmlSettingsStore::kNoElement);
    EXPECT_EQ(store.SetValue("", "", "x"), XmlSettingsStore::kNoElement);
    EXPECT_EQ(ReadFile(path), before);
    // Names are not queries.
    EXPECT_EQ(store.GetValue("*", "TEXTE", "d"), "d");
    EXPECT_EQ(store.GetValue("BOUTON3/TEXTE", "", "d"), "d");
}

TEST_F(XmlSettingsStoreTest, WritingToMissingFileCreatesOnlyDeclarationRootAndPath) {
    ASSERT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), 0);
    // pugixml's format_indent with a tab, UTF-8, no encoding declaration.
    EXPECT_EQ(ReadFile(path),
              "<?xml version=\"1.0\"?>\n<XMLConfigSettings>\n\t<PARAMETRES>\n\t\t<SON>OUI</SON>\n"
              "\t</PARAMETRES>\n</XMLConfigSettings>\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(XmlSettingsStoreTest, ReadOnlyFileReadsDefaultsAndIsNeverChanged) {
    dir.Write("Quivlane.xml", kDoc);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    // Holds for root too: the write bits are checked, not only whether open succeeds.
    EXPECT_EQ(store.GetValue("PARAMETRES", "HORLOGE", "d"), "d");
    EXPECT_EQ(store.SetValue("PARAMETRES", "HORLOGE", "NON"), XmlSettingsStore::kSaveFailed);
    EXPECT_EQ(ReadFile(path), kDoc);
    EXPECT_EQ(Mode(), 0444u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(XmlSettingsStoreTest, MalformedFileShowsReasonOnEveryCallAndIsNeverWritten) {
    for (const std::string bad : {"<XMLConfigSettings><SON>OUI</XMLConfigSettings>", "",
                                  "<?xml version=\"1.0\"?>", "plain text"}) {
        boxes.boxes.clear();
        dir.Write("Quivlane.xml", bad);
        EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "d");
        EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "d");
        EXPECT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), XmlSettingsStore::kNotLoaded);
        EXPECT_EQ(ReadFile(path), bad);
        ASSERT_EQ(boxes.boxes.size(), 3u) << bad;
        for (const auto& box : boxes.boxes) {
            EXPECT_EQ(box.caption, "LoadXML Malformed XML Error");
            EXPECT_FALSE(box.text.empty());
            EXPECT_FALSE(box.question);
        }
    }
}

TEST_F(XmlSettingsStoreTest, FirstOfSeveralSiblingsOnlyAndOtherNodesKept) {
    const std::string doc =
        "<XMLConfigSettings><!-- garde --><B><T>1</T></B><INCONNU a=\"x\">y</INCONNU>"
        "<B><T>2</T></B></XMLConfigSettings>";
    dir.Write("Quivlane.xml", doc);
    EXPECT_EQ(store.GetValue("B", "T", "d"), "1");
    ASSERT_EQ(store.SetValue("B", "T", "neuf"), 0);
    EXPECT_EQ(store.GetValue("B", "T", "d"), "neuf");
    const std::string saved = ReadFile(path);
    EXPECT_NE(saved.find("<T>2</T>"), std::string::npos);
    EXPECT_NE(saved.find("<INCONNU a=\"x\">y</INCONNU>"), std::string::npos);
    EXPECT_NE(saved.find("<!-- garde -->"), std::string::npos);
}

TEST_F(XmlSettingsStoreTest, TextsRoundTripUnchanged) {
    const std::string values[] = {
        "Éteindre à 9h – café €",
        "<h1>Aide</h1> &amp; <a href=\"x\">lien</a>",
        "  espaces  ",
        " ",
        "ligne 1\nligne 2\tfin",
        "a\r\nb",
        "]]> <![CDATA[",
    };
    for (const std::string& value : values) {
        ASSERT_EQ(store.SetValue("BOUTON1", "COMMENTAIRE", value), 0) << value;
        EXPECT_EQ(store.GetValue("BOUTON1", "COMMENTAIRE", "d"), value);
    }
    const std::string saved = ReadFile(path);
    EXPECT_EQ(saved.find("encoding"), std::string::npos);
}

TEST_F(XmlSettingsStoreTest, TextXmlCannotHoldIsRefusedAndFileKept) {
    dir.Write("Quivlane.xml", kDoc);
    for (const std::string& bad : {std::string("a\x01"), std::string("nul\0x", 5),
                                   std::string("\xE9t\xE9"), std::string("\xEF\xBF\xBF")}) {
        EXPECT_EQ(store.SetValue("PARAMETRES", "HORLOGE", bad), XmlSettingsStore::kTextFailed);
    }
    EXPECT_EQ(ReadFile(path), kDoc);
}

TEST_F(XmlSettingsStoreTest, MixedContentReadsAsAllItsText) {
    dir.Write("Quivlane.xml", "<R><B><C>un <b>deux</b><![CDATA[ <trois>]]></C></B></R>");
    EXPECT_EQ(store.GetValue("B", "C", "d"), "un deux <trois>");
    ASSERT_EQ(store.SetValue("B", "C", "seul"), 0);
    EXPECT_EQ(store.GetValue("B", "C", "d"), "seul");
    EXPECT_EQ(ReadFile(path).find("deux"), std::string::npos);
}

TEST_F(XmlSettingsStoreTest, EightBitAndUtf16FilesReadRight) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><R><A><B>\xC9t\xE9 \x80 "
         "\x92</B></A></R>",
         "Été € ’"},
        {"<?xml version='1.0' encoding='ISO-8859-1' ?><R><A><B>\xC9t\xE9 \xFF</B></A></R>",
         "Été ÿ"},
        // No declaration and not UTF-8: a Windows editor's code page.
        {"<R><A><B>caf\xE9 \x80</B></A></R>", "café €"},
        {"\xEF\xBB\xBF<R><A><B>été</B></A></R>", "été"},
        {Utf16Le("<R><A><B>\xE9</B></A></R>"), "é"},
    };
    for (const Case& c : cases) {
        dir.Write("Quivlane.xml", c.bytes);
        EXPECT_EQ(store.GetValue("A", "B", "d"), c.expected) << c.bytes;
        // Saving turns the whole file into UTF-8 and drops the old declaration.
        ASSERT_EQ(store.SetValue("A", "C", "x"), 0);
        EXPECT_EQ(store.GetValue("A", "B", "d"), c.expected);
        const std::string saved = ReadFile(path);
        EXPECT_EQ(saved.find("encoding"), std::string::npos);
        EXPECT_NE(saved.find(c.expected), std::string::npos);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(XmlSettingsStoreTest, SavedFileIsAlwaysUtf8SoAccentsSurviveTheNextLoad) {
    // Bytes under an encoding nobody knows: once saved, the file must still read as UTF-8, not
    // as Windows-1252.
    const std::string files[] = {
        "<?xml version=\"1.0\" encoding=\"x-inconnu\"?><R>\xB0<A><C>\xE9t\xE9</C></A></R>",
    };
    for (const std::string& file : files) {
        dir.Write("Quivlane.xml", file);
        EXPECT_EQ(store.GetValue("A", "C", "d"), "été");
        EXPECT_EQ(store.GetValue("A", "B", "d").find("\xED"), std::string::npos);
        ASSERT_EQ(store.SetValue("A", "D", "où"), 0);
        EXPECT_EQ(store.GetValue("A", "C", "d"), "été");
        EXPECT_EQ(store.GetValue("A", "D", "d"), "où");
    }
}

TEST_F(XmlSettingsStoreTest, DeeplyNestedFileDoesNotExhaustTheStack) {
    std::string deep;
    for (int i = 0; i < 200000; ++i) {
        deep += "<A>";
    }
    deep += "x";
    for (int i = 0; i < 200000; ++i) {
        deep += "</A>";
    }
    dir.Write("Quivlane.xml", "<R>" + deep + "</R>");
    EXPECT_EQ(store.GetValue("A", "", "d"), "x");
    EXPECT_EQ(store.SetValue("B", "C", "y"), 0);
    EXPECT_EQ(store.GetValue("B", "C", "d"), "y");
}

TEST_F(XmlSettingsStoreTest, SavingKeepsPermissionsAndSymlink) {
    dir.Write("Quivlane.xml", kDoc);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), 0);
    EXPECT_EQ(Mode(), 0640u);

    const std::string link = dir.File("lien.xml");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    store.SetPath(link);
    ASSERT_EQ(store.SetValue("PARAMETRES", "SON", "NON"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    store.SetPath(path);
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "NON");
}

TEST_F(XmlSettingsStoreTest, FailedSaveGivesMinusFourAndLeavesOldFileWhole) {
    dir.Write("Quivlane.xml", kDoc);
    int calls = 0;
    // The disk fills up after the first few bytes.
    XmlSettingsStore full(boxes, AtomicFileWriter([&](int fd, const void* data, std::size_t size) {
                              if (calls++ == 0) {
                                  return ::write(fd, data, size < 10 ? size : 10);
                              }
                              errno = ENOSPC;
                              return ssize_t{-1};
                          }));
    full.SetPath(path);
    EXPECT_EQ(full.SetValue("PARAMETRES", "SON", "OUI"), XmlSettingsStore::kSaveFailed);
    EXPECT_EQ(ReadFile(path), kDoc);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // the file and its lock file: no temporary file left behind

    // A folder that does not exist: the temporary file cannot be created.
    store.SetPath(dir.File("absent/Quivlane.xml"));
    EXPECT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), XmlSettingsStore::kSaveFailed);
    // A directory in place of the file reads as missing and cannot be replaced.
    store.SetPath(dir.Path().string());
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "d");
    EXPECT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), XmlSettingsStore::kSaveFailed);
    store.SetPath("");
    EXPECT_EQ(store.SetValue("PARAMETRES", "SON", "OUI"), XmlSettingsStore::kSaveFailed);
}

TEST_F(XmlSettingsStoreTest, EachCallSeesTheLatestFile) {
    XmlSettingsStore other(boxes);
    other.SetPath(path);
    ASSERT_EQ(store.SetValue("BOUTON1", "LIEN", "a"), 0);
    EXPECT_EQ(other.GetValue("BOUTON1", "LIEN", "d"), "a");
    ASSERT_EQ(other.SetValue("BOUTON2", "LIEN", "b"), 0);
    EXPECT_EQ(store.GetValue("BOUTON1", "LIEN", "d"), "a");
    EXPECT_EQ(store.GetValue("BOUTON2", "LIEN", "d"), "b");
    // The root is used whatever its name.
    dir.Write("Quivlane.xml", "<Autre><BOUTON1><LIEN>c</LIEN></BOUTON1></Autre>");
    EXPECT_EQ(store.GetValue("BOUTON1", "LIEN", "d"), "c");
}

}  // namespace
}  // namespace quivlane

namespace quivlane {
namespace {

TEST_F(XmlSettingsStoreTest, EveryWellFormednessFaultPugixmlLetsPassIsRefused) {
    const std::string root = "<XMLConfigSettings><PARAMETRES><SON>OUI</SON></PARAMETRES>";
    for (const std::string& bad : {
             root + "<T>a & b</T></XMLConfigSettings>",
             root + "<T>&nbsp;</T></XMLConfigSettings>",
             root + "</XMLConfigSettings><AUTRE/>",
             root + "</XMLConfigSettings>texte",
             std::string("<XMLConfigSettings a=\"1\" a=\"2\"><PARAMETRES/></XMLConfigSettings>"),
             root + "<!-- a -- b --></XMLConfigSettings>",
             root + "<T>\x01</T></XMLConfigSettings>",
             root + "<T>&#1;</T></XMLConfigSettings>",
         }) {
        boxes.boxes.clear();
        dir.Write("Quivlane.xml", bad);
        EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "d") << bad;
        EXPECT_EQ(store.SetValue("PARAMETRES", "SON", "NON"), XmlSettingsStore::kNotLoaded) << bad;
        EXPECT_EQ(store.LastError().failure, SaveFailure::Malformed) << bad;
        EXPECT_EQ(ReadFile(path), bad);
        ASSERT_EQ(boxes.boxes.size(), 2u) << bad;
        EXPECT_EQ(boxes.boxes[0].caption, "LoadXML Malformed XML Error");
    }
    // The entities XML defines, character references and a lone "-" in a comment are fine.
    dir.Write("Quivlane.xml",
              root + "<!-- a - b --><T>&lt;&amp;&#233;&#x20AC;</T></XMLConfigSettings>");
    boxes.boxes.clear();
    EXPECT_EQ(store.GetValue("T", "", "d"), "<&é€");
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "d"), "OUI");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(XmlSettingsStoreTest, EachTextNodeDecodedOnItsOwnAndValidUtf8NeverChanges) {
    // One node in Windows-1252 ("\x80" is the euro sign there), another in valid UTF-8.
    dir.Write(
        "Quivlane.xml",
        "<XMLConfigSettings><A><T>Caf\xE9 \x80</T></A><B><T>Café</T></B></XMLConfigSettings>");
    EXPECT_EQ(store.GetValue("A", "T", "d"), "Café €");
    EXPECT_EQ(store.GetValue("B", "T", "d"), "Café");
    ASSERT_EQ(store.SetValue("C", "T", "thé"), 0);
    // Saved as UTF-8: both read the same after the round trip, and the valid one kept its bytes.
    EXPECT_EQ(store.GetValue("A", "T", "d"), "Café €");
    EXPECT_EQ(store.GetValue("B", "T", "d"), "Café");
    EXPECT_EQ(store.GetValue("C", "T", "d"), "thé");
    EXPECT_NE(ReadFile(path).find("<T>Café</T>"), std::string::npos) << ReadFile(path);
    EXPECT_TRUE(boxes.boxes.empty());
}

// Runs `work` in a child process and returns what it printed to the pipe.
pid_t StartWriter(const std::function<std::string()>& work, int& readEnd) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const std::string result = work();
        const bool sent =
            ::write(ends[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(ends[1]);
    readEnd = ends[0];
    return child;
}

std::string Collect(pid_t child, int readEnd) {
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(readEnd, buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(readEnd);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return result;
}

TEST_F(XmlSettingsStoreTest, TwoWritingProcessesNeverLoseEachOthersValues) {
    dir.Write("Quivlane.xml", kDoc);
    constexpr int kWrites = 150;
    const auto writer = [&](const std::string& section) {
        return [&, section] {
            test::ScriptedMessageBoxes ownBoxes;
            XmlSettingsStore own(ownBoxes);
            own.SetPath(path);
            std::string accepted;
            for (int i = 0; i < kWrites; ++i) {
                if (own.SetValue(section, "K" + std::to_string(i), std::to_string(i)) == 0) {
                    accepted += std::to_string(i) + " ";
                }
            }
            return accepted;
        };
    };
    int endA = -1;
    int endB = -1;
    const pid_t a = StartWriter(writer("ECRIVAINA"), endA);
    const pid_t b = StartWriter(writer("ECRIVAINB"), endB);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    const std::string acceptedA = Collect(a, endA);
    const std::string acceptedB = Collect(b, endB);
    std::size_t kept = 0;
    for (const auto& [section, accepted] : {std::pair{std::string("ECRIVAINA"), acceptedA},
                                            std::pair{std::string("ECRIVAINB"), acceptedB}}) {
        std::istringstream numbers(accepted);
        for (std::string n; numbers >> n; ++kept) {
            EXPECT_EQ(store.GetValue(section, "K" + n, "perdu"), n) << section;
        }
    }
    // A busy lock may turn a few writes away, never most of them.
    EXPECT_GT(kept, static_cast<std::size_t>(kWrites));
    EXPECT_EQ(store.GetValue("BOUTON3", "TEXTE", "d"), "trois");
}

}  // namespace
}  // namespace quivlane
