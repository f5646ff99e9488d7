#pragma once
#include "document/ElementEdit.h"
#include "model/HamCpsChapter.h"
#include "model/HamCpsControl.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vd {

/// One column of a list shown as a table: the record's name, or a field of the record.
struct ListColumn {
    std::string field;       ///< field name; the record name ("ChannelName") for the name column
    std::string englishText; ///< display text in English
    std::string chineseText; ///< display text in Chinese (empty when the template has none)
    bool members = false;    ///< the record holds several of this field (zone members)
};

/// Separator of the members in a member column's display form.
inline constexpr const char* kMemberSeparator = "; ";

/// The list chapters of a model (Channels, Zones, ...), in tree order.
std::vector<HamCpsChapter> ListChapters(HamCpsControl& control);

/// The list chapter a person names by its chapter name ("Channel"), its records' name
/// ("ChannelName") or its display text ("Channels"), without regard to case; the channels
/// when the name is empty. None when no list has that name.
std::optional<HamCpsChapter> FindListChapter(HamCpsControl& control, const std::string& name);

/// A list chapter as a table: one row per in-use record in list order (never the free
/// record), the record's name first and then one column per field of the record in template
/// order. Cells read and write the display form, through the same rules as the record grid.
class ListTable {
public:
    /// Reads the list's records and columns; the chapter must be a list.
    ListTable(HamCpsControl& control, std::string chapterId);

    /// Reads the records again after a change of the list outside SetCellText.
    void Reload();

    const std::string& ChapterId() const { return chapterId_; }
    /// Name of the list's records ("ChannelName").
    const std::string& RecordName() const { return recordName_; }
    /// Id of the free record that new records are copied from.
    const std::string& FreeRecordId() const { return freeRecordId_; }
    /// Most records the list holds; -1 when the model does not say.
    int Capacity() const;
    const std::vector<ListColumn>& Columns() const { return columns_; }
    /// Ids of the in-use records, in list order.
    const std::vector<std::string>& RecordIds() const { return recordIds_; }
    /// The column a header names: field name or display text in either language, without
    /// regard to case.
    std::optional<std::size_t> ColumnOf(const std::string& header) const;

    /// The cell's display form (members joined by "; ").
    std::string CellText(const std::string& recordId, std::size_t column) const;
    /// The element a cell shows: the record for the name column, else its (first) field of
    /// that name; null when the record has none.
    ElementPtr CellElement(const std::string& recordId, std::size_t column) const;
    /// Every field of a cell's column in the record (several for a member column).
    ElementList CellElements(const std::string& recordId, std::size_t column) const;
    /// The stored values a text in display form gives for a cell (a member column's text
    /// is a list separated by ';'), or the error that refuses it.
    std::optional<std::vector<std::string>> StoredValues(const std::string& recordId,
                                                         std::size_t column,
                                                         const std::string& text,
                                                         std::string& error) const;
    /// Stores a text in display form into a cell through the model's rules; a refused value
    /// changes nothing and says why.
    EditResult SetCellText(const std::string& recordId, std::size_t column,
                           const std::string& text);

private:
    const ElementList& Fields(const std::string& recordId) const;

    HamCpsControl& control_;
    std::string chapterId_;
    std::string recordName_;
    std::string freeRecordId_;
    std::vector<ListColumn> columns_;
    std::vector<std::string> recordIds_;
    std::size_t memberCapacity_ = 0;
    mutable std::unordered_map<std::string, ElementList> fields_; ///< by record id, read lazily
};

} // namespace vd
