#pragma once
#include "radios/gx5/Gx5Bytes.h"
#include "radios/gx5/Gx5DocumentView.h"
#include "radios/gx5/Gx5FieldTables.h"
#include "radios/gx5/Gx5ListLimits.h"
#include "radios/gx5/Gx5Progress.h"

#include <optional>
#include <string>
#include <vector>

namespace vd {
class CommonCpsControl;
class XmlStore;
} // namespace vd

namespace vd::gx5 {

/// Decodes a GX5 family memory image into the document: every value with the forced write,
/// each list sized to the records the image carries, references turned back into record
/// ids once the lists they point into exist. Every count and index read from the image is
/// bounded by the list's capacity, so a malformed image can neither read outside the
/// buffer nor create more records than the radio holds.
class ImageDecoder {
public:
    /// @param store      the control's document, read for record and field ids
    /// @param tipCounter the control's channel error tip counter
    ImageDecoder(CommonCpsControl& control, const XmlStore& store, int& tipCounter,
                 const ListLimits& limits);

    /// False when the image is shorter than the sections up to the extension block, or when
    /// a list of the document has no free record to copy new records from.
    bool Decode(ConstBytes image);

private:
    /// Where the decoding of a list section left its records.
    struct DecodedList {
        std::vector<RecordView> records;
        std::vector<ConstBytes> bytes;
        std::vector<std::string> ids;
    };

    /// Where a list's count, index table and record slots are.
    struct ListPlace {
        size_t countOffset;
        size_t capacity;
        size_t recordsOffset;
        size_t recordSize;
    };

    bool DecodeList(ConstBytes image, const ListPlace& place, size_t limit,
                    const std::string& recordName, FieldTable fields,
                    std::optional<StringId> progressText, DecodedList& out);
    void DecodeDeviceInfo(ConstBytes section);
    void DecodeVersion(ConstBytes section);
    void DecodeScanLists(const DecodedList& scanLists, const std::vector<std::string>& channels);
    void DecodeZones(const DecodedList& zones, const std::vector<std::string>& channels);
    void DecodeEmergencies(const DecodedList& emergencies,
                           const std::vector<std::string>& channels);
    void ResolveChannelLists(const DecodedList& channels, const DecodedList& scanLists,
                             const DecodedList& emergencies);
    void ResolvePowerUp(ConstBytes settings, const std::vector<std::string>& channels,
                        const std::vector<std::string>& zones);

    /// The id at a stored position, or empty text (with a tip) when it is out of range.
    std::string Resolve(const std::vector<std::string>& ids, unsigned index,
                        const std::string& field);
    void WriteSetting(const std::string& name, const std::string& value);
    void WriteField(const RecordView& record, const char* name, const std::string& value);
    void WriteFields(const RecordView& record, ConstBytes bytes, FieldTable fields);

    CommonCpsControl& control_;
    DocumentView document_;
    ChannelErrorTip tip_;
    ListLimits limits_;
};

} // namespace vd::gx5
