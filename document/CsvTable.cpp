#include "document/CsvTable.h"

namespace vd {

CsvRows ParseCsv(const std::string& text, char delimiter) {
    CsvRows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field just closed: only a separator may follow
    bool fieldStarted = false;
    const auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        afterQuote = fieldStarted = false;
    };
    const auto endRow = [&] {
        endField();
        if (!(row.size() == 1 && row[0].empty())) {
            rows.push_back(std::move(row));
        }
        row.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
                afterQuote = true;
            }
        } else if (c == delimiter) {
            endField();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            endRow();
        } else if (afterQuote) {
            throw CsvFormatError("text after a closing quote in a CSV field");
        } else if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        throw CsvFormatError("a quoted CSV field is not closed");
    }
    if (fieldStarted || !row.empty()) {
        endRow();
    }
    return rows;
}

std::string CsvLine(const std::vector<std::string>& fields, char delimiter) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (i != 0) {
            line += delimiter;
        }
        if (field.find_first_of("\"\r\n") == std::string::npos &&
            field.find(delimiter) == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

} // namespace vd
