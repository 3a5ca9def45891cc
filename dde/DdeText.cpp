#include "dde/DdeText.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace zarvik {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string DdeServiceName(std::string_view programPath) {
    const size_t slash = programPath.find_last_of("\\/:");
    std::string_view name =
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    return std::string(name.substr(0, name.find('.')));
}

std::string DdeStartCommand(std::string_view service, std::string_view topic) {
    std::string command(service);
    command += ' ';
    command += topic;
    return command;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string TextUpToNul(std::string_view data) {
    return std::string(data.substr(0, data.find('\0')));
}

std::string FirstLine(std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    return lines.empty() ? std::string() : std::move(lines.front());
}

bool SameTopic(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

std::vector<std::string> Prefixed(std::string_view prefix, const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& line : lines) out.push_back(std::string(prefix) + line);
    return out;
}

void DdeServerItem::Poke(std::string_view text) { lines = SplitLines(text); }

}  // namespace zarvik
