// The log store's reader on any file a user may pick as an external list:
// every key listed is readable by its name, and the store's index after a write or an
// erase agrees with a fresh read of the bytes it wrote.
#include <map>
#include <string>
#include <vector>

#include "core/LogStore.h"
#include "tests/fuzz/FuzzInput.h"

namespace zarvik {
namespace {

using fuzz::Check;

class MemoryFileSystem final : public LogFileSystem {
public:
    explicit MemoryFileSystem(std::string text) : text_(std::move(text)) {}

    std::optional<FileStamp> Stamp(const std::string&) override {
        return FileStamp{text_.size(), writes_, 0};
    }
    std::optional<std::string> ReadAll(const std::string&) override { return text_; }
    bool Write(const std::string&, uint64_t offset, std::string_view bytes, EndOfFile end) override {
        Check(offset <= text_.size(), "write past the end of the file");
        if (text_.size() < offset + bytes.size()) text_.resize(offset + bytes.size());
        text_.replace(offset, bytes.size(), bytes);
        if (end == EndOfFile::SetAfterWrite) text_.resize(offset + bytes.size());
        ++writes_;
        return true;
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    int64_t writes_ = 0;
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The section names as the headers spell them, up to a NUL, a few dozen at
// most; first the one of the lines before any header.
std::vector<std::string> SectionNames(std::string_view text) {
    std::vector<std::string> names{""};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (size_t start = 0; start < text.size() && names.size() < 48;) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        if (!line.empty() && line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                const std::string_view name = Trim(line.substr(1, close - 1));
                names.emplace_back(name.substr(0, name.find('\0')));
            }
        }
        start = end + 1;
    }
    return names;
}

// Every section's keys and values, as the store reads them.
using Reading = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

Reading ReadAll(LogStore& store, const std::vector<std::string>& sections) {
    Reading reading;
    for (const std::string& section : sections) {
        auto& entries = reading[section];
        for (const std::string& key : store.ReadSectionKeys(section)) {
            const std::string value = store.ReadString(section, key, "\x01");
            Check(value.size() <= LogStore::MaxStringLength, "value longer than the limit");
            // A name cut short by a NUL may end in blanks, which every name
            // asked for loses: the platform too lists such a name but cannot
            // read it.
            const bool askable = Trim(key) == key;
            Check(!askable || value != "\x01" || store.ReadString(section, key, "\x02") != "\x02",
                  "listed key not found");
            (void)store.ReadInteger(section, key, 7);
            entries.emplace_back(key, value);
        }
    }
    return reading;
}

void CheckAgainstFreshRead(LogStore& store, MemoryFileSystem& files, const std::vector<std::string>& sections,
                           const char* what) {
    MemoryFileSystem copy(files.Text());
    LogStore fresh("fuzz.ini", copy);
    Check(ReadAll(store, sections) == ReadAll(fresh, sections), what);
}

}  // namespace
}  // namespace zarvik

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    MemoryFileSystem files{std::string(fuzz::AsText(data, size))};
    LogStore store("fuzz.ini", files);

    std::vector<std::string> sections = SectionNames(files.Text());
    (void)ReadAll(store, sections);

    const std::string target = sections.size() < 2 ? std::string("Fuzz Section") : sections[1];
    sections.push_back("Fuzz Section");
    store.WriteString(target, "FuzzKey", "fuzz value");
    fuzz::Check(store.ReadString(target, "FUZZKEY", "") == "fuzz value", "written value not read back");
    CheckAgainstFreshRead(store, files, sections, "index after a new key differs from a fresh read");

    for (const std::string& section : {sections[0], sections[1]}) {
        const std::vector<std::string> keys = store.ReadSectionKeys(section);
        if (!keys.empty()) {
            store.WriteString(section, keys.back(), "a longer value than before");
            CheckAgainstFreshRead(store, files, sections, "index after a rewrite differs from a fresh read");
        }
    }

    store.EraseSection(target);
    fuzz::Check(store.ReadSectionKeys(target).empty(), "erased section still has keys");
    CheckAgainstFreshRead(store, files, sections, "index after an erase differs from a fresh read");
    return 0;
}
