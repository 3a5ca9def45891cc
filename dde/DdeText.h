#pragma once
// The DDE page's text rules, apart from the DDE library: the service name,
// text on the wire, and the lines of the server's one item.
#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

// The service the program serves under: its file name without the path,
// cut at the first "." ("C:\Tools\zarvik.exe" serves "zarvik").
std::string DdeServiceName(std::string_view programPath);

// The command line that starts a service's program: service, blank, topic.
std::string DdeStartCommand(std::string_view service, std::string_view topic);

// Lines as sent: each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Data received, taken as text: up to its first NUL.
std::string TextUpToNul(std::string_view data);

// The first line of a text; empty when it has none.
std::string FirstLine(std::string_view text);

// Topic names match regardless of letter case, item names exactly.
bool SameTopic(std::string_view a, std::string_view b);

// Log lines of the server page.
inline constexpr const char* kConnectionAccepted = "Accepted incoming connection.";
inline constexpr const char* kConnectionClosed = "Connection closed at clients request.";
inline constexpr const char* kPokedPrefix = "---->";
inline constexpr const char* kReplyPrefix = "<----";

// Each line with a prefix in front.
std::vector<std::string> Prefixed(std::string_view prefix, const std::vector<std::string>& lines);

// The server's item: a list of text lines that clients poke, request and
// hold hot links on.
struct DdeServerItem {
    std::string name;
    std::vector<std::string> lines;

    // The poked text, split at its line ends.
    void Poke(std::string_view text);
    // What a request is answered with.
    std::string Text() const { return JoinLinesCrLf(lines); }
    std::string First() const { return lines.empty() ? std::string() : lines.front(); }
};

}  // namespace zarvik
