#include "config/XmlSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>
#include <utility>

#include "base/FileLock.h"
#include "base/TextEncoding.h"
#include "base/UniqueFd.h"
#include "config/XmlCheck.h"

namespace quivlane {

namespace {

// Comments, processing instructions and a DOCTYPE survive a save; the declaration is dropped
// because the saved file is UTF-8 whatever the old one declared. A lone blank text is kept so
// that a label of spaces reads back as written, and line ends are left alone because pugixml
// writes a carriage return unescaped: a comment typed with CR LF must read back with them.
constexpr unsigned int kParseFlags = (pugi::parse_default & ~pugi::parse_eol) |
                                     pugi::parse_ws_pcdata_single | pugi::parse_comments |
                                     pugi::parse_pi | pugi::parse_doctype;
// Without a declaration node pugixml writes <?xml version="1.0"?> itself.
constexpr unsigned int kFormatFlags = pugi::format_indent;
// Indentation grows with the square of the depth; a hand-made file nested this deep is saved
// without it.
constexpr unsigned int kDeepFormatFlags = pugi::format_raw;
constexpr int kMaxIndentedDepth = 64;

class StringWriter final : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

// Reads the file only if it may also be written: a read-only file is treated like a missing
// one. The bits are checked as well as the open, because root opens anything for writing.
bool ReadWritableFile(const std::string& path, std::string& contents) {
    if (path.empty()) {
        return false;
    }
    const UniqueFd file(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.Valid()) {
        return false;
    }
    const int fd = file.Get();
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    if (ok) {
        // Read straight into the string; the loop also copes with a file that grows meanwhile.
        contents.resize(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t filled = 0;
        for (;;) {
            if (filled == contents.size()) {
                contents.resize(contents.size() * 2);
            }
            const ssize_t got = ::read(fd, contents.data() + filled, contents.size() - filled);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                ok = false;
                break;
            }
            if (got == 0) {
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        contents.resize(filled);
    }
    return ok;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A file that is not valid UTF-8 throughout was most likely touched by a Windows editor in
// its code page; but one such byte must not turn the valid accents of the other buttons into
// "Ã©". Each text between markup (and each tag) is decoded on its own: UTF-8 where it is
// valid, Windows-1252 otherwise. '<' and '>' are never part of a multi-byte sequence.
std::string DecodeEachNode(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    while (!text.empty()) {
        const std::size_t cut = std::min(text.find_first_of("<>"), text.size());
        const std::string_view piece = text.substr(0, cut);
        out += TextEncoding::IsValidUtf8(piece) ? std::string(piece)
                                                : TextEncoding::Windows1252ToUtf8(piece);
        if (cut < text.size()) {
            out += text[cut];
            text.remove_prefix(cut + 1);
        } else {
            text = {};
        }
    }
    return out;
}

// Brings the bytes to UTF-8 for the parser. Byte-order marks and UTF-16/32 are left to
// pugixml's detection; the 8-bit encodings a hand-made file may declare are converted here
// (pugixml knows Latin-1 only when told and has no Windows-1252).
pugi::xml_encoding PrepareForParsing(std::string& text) {
    if (StartsWith(text, "\xEF\xBB\xBF")) {
        text.erase(0, 3);
    } else if (StartsWith(text, "\xFE\xFF") || StartsWith(text, "\xFF\xFE") ||
               StartsWith(text, std::string_view("\0\0", 2)) ||
               StartsWith(text, std::string_view("<\0", 2)) ||
               StartsWith(text, std::string_view("\0<", 2))) {
        return pugi::encoding_auto;
    }
    const std::string declared = TextEncoding::DeclaredEncoding(text);
    if (declared == "windows-1252" || declared == "cp1252" || declared == "x-cp1252") {
        text = TextEncoding::Windows1252ToUtf8(text);
    } else if (declared == "iso-8859-1" || declared == "iso8859-1" || declared == "iso_8859-1" ||
               declared == "latin1" || declared == "latin-1" || declared == "l1") {
        text = TextEncoding::Latin1ToUtf8(text);
    } else if (!TextEncoding::IsValidUtf8(text)) {
        text = DecodeEachNode(text);
    }
    return pugi::encoding_utf8;
}

// Iterative, because a hand-made file may nest deeper than the stack allows.
template <typename Visit>
void ForEachDescendant(pugi::xml_node root, Visit visit) {
    pugi::xml_node node = root.first_child();
    while (node) {
        visit(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != root && !node.next_sibling()) {
            node = node.parent();
        }
        if (node == root) {
            break;
        }
        node = node.next_sibling();
    }
}

int DepthBelow(pugi::xml_node root) {
    int depth = 0;
    int deepest = 0;
    pugi::xml_node node = root.first_child();
    if (node) {
        depth = 1;
    }
    while (node) {
        deepest = std::max(deepest, depth);
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node != root && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node == root) {
            break;
        }
        node = node.next_sibling();
    }
    return deepest;
}

// Character references (a lone surrogate) and UTF-16 input can still put byte sequences into
// the tree that are not UTF-8; saved as they are, the next load would take the whole file for
// Windows-1252 and garble every accent in it.
void MakeTreeUtf8(pugi::xml_node root) {
    ForEachDescendant(root, [](pugi::xml_node node) {
        if (!TextEncoding::IsValidUtf8(node.value())) {
            node.set_value(TextEncoding::ReplaceInvalidUtf8(node.value()).c_str());
        }
        for (pugi::xml_attribute attribute : node.attributes()) {
            if (!TextEncoding::IsValidUtf8(attribute.value())) {
                attribute.set_value(TextEncoding::ReplaceInvalidUtf8(attribute.value()).c_str());
            }
        }
    });
}

// What the DOM's text property gives: every text below the element, in document order.
std::string TextOf(pugi::xml_node element) {
    std::string text;
    ForEachDescendant(element, [&text](pugi::xml_node node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            text += node.value();
        }
    });
    return TextEncoding::IsValidUtf8(text) ? text : TextEncoding::ReplaceInvalidUtf8(text);
}

}  // namespace

XmlSettingsStore::XmlSettingsStore(MessageBoxes& messageBoxes)
    : XmlSettingsStore(messageBoxes, AtomicFileWriter()) {}

XmlSettingsStore::XmlSettingsStore(MessageBoxes& messageBoxes, AtomicFileWriter writer)
    : messageBoxes_(messageBoxes), writer_(std::move(writer)) {}

XmlSettingsStore::~XmlSettingsStore() = default;

void XmlSettingsStore::SetPath(const std::string& path) {
    path_ = path;
}

std::vector<std::string> XmlSettingsStore::SplitPath(const std::string& section,
                                                     const std::string& key) {
    // A section ending in backslashes names the same element as without them; trimming only
    // the joined string would leave an empty component that never matches.
    std::string joined = section;
    while (!joined.empty() && joined.back() == '\\') {
        joined.pop_back();
    }
    joined += "\\" + key;
    for (char& c : joined) {
        if (c == ' ') {
            c = '_';
        }
    }
    while (!joined.empty() && joined.back() == '\\') {
        joined.pop_back();
    }
    std::vector<std::string> components;
    std::size_t begin = 0;
    for (;;) {
        const auto slash = joined.find('\\', begin);
        components.push_back(joined.substr(begin, slash - begin));
        if (slash == std::string::npos) {
            break;
        }
        begin = slash + 1;
    }
    return components;
}

void XmlSettingsStore::ReleaseDocument() {
    document_.reset();
}

bool XmlSettingsStore::LoadDocument() {
    ReleaseDocument();
    document_ = std::make_unique<pugi::xml_document>();

    if (!ReadWritableFile(path_, documentText_)) {
        documentText_ = kEmptyDocument;
    }
    const pugi::xml_encoding encoding = PrepareForParsing(documentText_);
    // pugixml lets some faults pass and would save them as something else.
    std::string reason =
        encoding == pugi::encoding_utf8 ? XmlCheck::WellFormednessError(documentText_) : "";
    if (reason.empty()) {
        const pugi::xml_parse_result result = document_->load_buffer_inplace(
            documentText_.data(), documentText_.size(), kParseFlags, encoding);
        if (result) {
            return true;
        }
        reason = result.description();
    }
    ReleaseDocument();
    lastError_ = SaveOutcome{SaveFailure::Malformed, 0, path_};
    if (!reason.empty()) {
        messageBoxes_.Show(reason, kMalformedCaption, MessageIcon::None);
    }
    return false;
}

pugi::xml_node XmlSettingsStore::FindElement(pugi::xml_node start,
                                             const std::vector<std::string>& components,
                                             bool create) {
    pugi::xml_node current = start;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::string& component = components[i];
        pugi::xml_node found;
        // An empty component never matches; names are compared literally, never evaluated as
        // a query.
        if (!component.empty()) {
            for (pugi::xml_node child = current.first_child(); child;
                 child = child.next_sibling()) {
                if (child.type() == pugi::node_element && component == child.name()) {
                    found = child;
                    break;
                }
            }
        }
        if (found) {
            current = found;
            continue;
        }
        if (!create) {
            return {};
        }
        pugi::xml_node appended;
        if (XmlCheck::IsName(component)) {
            appended = current.append_child(component.c_str());
        }
        if (appended) {
            current = appended;
        } else if (i + 1 == components.size()) {
            // Falling back to the parent here would replace all of the parent's children
            // with the value.
            return {};
        }
        // An inner component that cannot be created is skipped: the next one goes below the
        // same node.
    }
    return current;
}

bool XmlSettingsStore::SaveDocument() {
    MakeTreeUtf8(*document_);
    StringWriter out;
    const unsigned int flags =
        DepthBelow(*document_) > kMaxIndentedDepth ? kDeepFormatFlags : kFormatFlags;
    document_->save(out, "\t", flags, pugi::encoding_utf8);
    lastError_ = writer_.Write(path_, out.text);
    return lastError_.Ok();
}

std::string XmlSettingsStore::GetValue(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) {
    std::string result = defaultValue;
    const std::vector<std::string> components = SplitPath(section, key);
    // Only guards against a file being rewritten in place under the reader; a busy lock is
    // read through rather than shown as defaults.
    const FileLock lock(AtomicFileWriter::ResolveLinks(path_), FileLock::Mode::Shared,
                        kLockPatience);
    if (!LoadDocument()) {
        return result;
    }
    const pugi::xml_node root = document_->document_element();
    if (root) {
        const pugi::xml_node element = FindElement(root, components, false);
        if (element) {
            result = TextOf(element);
        }
    }
    ReleaseDocument();
    return result;
}

int XmlSettingsStore::SetValue(const std::string& section, const std::string& key,
                               const std::string& value) {
    return ChangeValue(section, key, [&value](const std::optional<std::string>&) { return value; });
}

int XmlSettingsStore::ChangeValue(const std::string& section, const std::string& key,
                                  const ValueChange& change) {
    lastError_ = {};
    const std::vector<std::string> components = SplitPath(section, key);
    const std::string target = AtomicFileWriter::ResolveLinks(path_);
    // Held from the load to the save, so that another program's save cannot fall between
    // them and be lost.
    const FileLock lock(target, FileLock::Mode::Exclusive, kLockPatience);
    if (lock.GetState() == FileLock::State::Busy) {
        lastError_ = SaveOutcome{SaveFailure::Locked, EWOULDBLOCK, target};
        return kSaveFailed;
    }
    if (!LoadDocument()) {
        return kNotLoaded;
    }
    int code = kOk;
    const pugi::xml_node root = document_->document_element();
    pugi::xml_node element = root ? FindElement(root, components, false) : pugi::xml_node();
    const std::optional<std::string> next =
        change(element ? std::optional<std::string>(TextOf(element)) : std::nullopt);
    if (!next) {
        code = kKept;
    } else {
        const std::string& value = *next;
        if (!element && root) {
            element = FindElement(root, components, true);
        }
        if (!element) {
            code = kNoElement;
            lastError_ = SaveOutcome{SaveFailure::InvalidValue, 0, path_};
        } else if (!XmlCheck::IsText(value) || !element.remove_children() ||
                   (!value.empty() &&
                    !element.append_child(pugi::node_pcdata).set_value(value.c_str()))) {
            code = kTextFailed;
            lastError_ = SaveOutcome{SaveFailure::InvalidValue, 0, path_};
        } else if (!SaveDocument()) {
            code = kSaveFailed;
        }
    }
    ReleaseDocument();
    return code;
}

std::string XmlSettingsStore::LastErrorText() const {
    const std::string path = "« " + lastError_.path + " »";
    const std::string cause =
        lastError_.error != 0 ? std::string(" (") + std::strerror(lastError_.error) + ")" : "";
    switch (lastError_.failure) {
        case SaveFailure::None:
            return {};
        case SaveFailure::NoPath:
            return "Aucun fichier de configuration n'est choisi.";
        case SaveFailure::ReadOnlyFile:
            return "Le fichier " + path + " est en lecture seule.";
        case SaveFailure::NotAFile:
            return path + " n'est pas un fichier.";
        case SaveFailure::CannotCreate:
            return "Le dossier " + path + " n'accepte pas de nouveau fichier" + cause + ".";
        case SaveFailure::WriteFailed:
            return "L'écriture de " + path + " a échoué" + cause + ".";
        case SaveFailure::Locked:
            return "Le fichier " + path + " est occupé par un autre programme.";
        case SaveFailure::Malformed:
            return "Le fichier " + path + " n'est pas un document XML valide.";
        case SaveFailure::InvalidValue:
            return "Cette valeur ne peut pas être écrite dans " + path + ".";
    }
    return {};
}

}  // namespace quivlane
