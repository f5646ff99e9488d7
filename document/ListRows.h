#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vd {

/// Rows of text under a header row, as a CSV file or the clipboard holds them.
struct TextTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

/// Where rows go in a list.
enum class RowPlacement {
    ReplaceList,    ///< the rows become the list's records
    Append,         ///< new records after the last one
    AfterRecords,   ///< new records after the last of the selected records
    ReplaceRecords, ///< the selected records, in list order; extra rows follow the last of them
};

/// What a value the list cannot take does to the rows.
enum class RowFaults {
    AllOrNothing, ///< any problem changes nothing (file import)
    SkipFaults,   ///< the value, column or row is skipped and listed (the clipboard)
};

/// One value that was refused; row counts the data rows from 1 (0: the table as a whole).
struct RowProblem {
    std::size_t row = 0;
    std::string field;
    std::string message;
};

/// What ApplyRows did.
struct RowsOutcome {
    std::vector<std::string> recordIds;      ///< the records the rows went to, in row order
    std::vector<RowProblem> problems;        ///< refused values (skipped with SkipFaults)
    std::vector<std::string> ignoredColumns; ///< header texts that name no field
    std::size_t skippedRows = 0;             ///< rows beyond the list's capacity
    std::size_t clearedReferences = 0;       ///< references to the records ReplaceList removed
    bool applied = false;                    ///< whether the list was changed
};

/// The records of a list as text: a header of field names (the record's name first) and one
/// row per record in display form; all in-use records when recordIds is empty.
TextTable ExportRows(HamCpsControl& control, const std::string& chapterId,
                     const std::vector<std::string>& recordIds);

/// Puts rows into a list through the model's record operations and value rules. Columns are
/// matched by field name or display text in either language. Values are never adjusted: a
/// value the model cannot hold is a problem. New records take the free record's values for
/// the columns the table lacks, and so do the records ReplaceList writes over. With
/// AllOrNothing every problem is listed and nothing changes unless there is none.
RowsOutcome ApplyRows(HamCpsControl& control, const std::string& chapterId, const TextTable& table,
                      RowPlacement placement, const std::vector<std::string>& selectedRecordIds,
                      RowFaults faults);

/// Comma-separated text of a table (RFC 4180, CRLF line ends).
std::string CsvText(const TextTable& table);
/// A table from comma-separated text whose first row is the header; a UTF-8 byte order mark
/// is skipped. Throws CsvFormatError.
TextTable ParseCsvTable(const std::string& text);
/// Tab-separated text of a table, as spreadsheets put on the clipboard.
std::string TsvText(const TextTable& table);
/// A table from tab-separated text whose first row is the header. Throws CsvFormatError.
TextTable ParseTsv(const std::string& text);

} // namespace vd
