#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace vd {

/// A CSV text that breaks the format (a quote left open, text after a closing quote).
class CsvFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Rows of fields, as comma-separated text has them.
using CsvRows = std::vector<std::vector<std::string>>;

/// Parses delimiter-separated text (comma by default, tab for the clipboard): fields in
/// double quotes may hold delimiters, line breaks and doubled quotes; lines end with CRLF or
/// LF; blank lines are skipped. Throws CsvFormatError.
CsvRows ParseCsv(const std::string& text, char delimiter = ',');

/// One line of delimiter-separated text ending in CRLF, quoting the fields that need it.
std::string CsvLine(const std::vector<std::string>& fields, char delimiter = ',');

} // namespace vd
