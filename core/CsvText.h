#pragma once
// Comma-separated text as spreadsheets and scripts read it (RFC 4180): UTF-8
// with a byte-order mark, so a spreadsheet reads names outside the code
// page, and CR LF after every record.
#include <initializer_list>
#include <string>
#include <string_view>

namespace zarvik {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The field as it stands, or in quotes with its quotes doubled when it holds
// a comma, a quote, CR or LF.
void AppendCsvField(std::string& out, std::string_view field);

// The fields with commas between them, then CR LF.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

}  // namespace zarvik
