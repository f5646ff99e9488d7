#include "radios/gx5/Gx5TuningBlock.h"

#include "app/CpsIni.h"
#include "radios/gx5/Gx5ImageLayout.h"

#include <string_view>

namespace vd::gx5 {

namespace {

/// A run of single-byte values read from one section of the tuning file.
struct TuningTable {
    const char* marker; ///< four letters in front of the table, or nullptr
    const char* section;
    const char* key; ///< the key, followed by the index 0 .. count-1 when indexed
    bool indexed;
    int count;
    int defaultValue;
};

/// In block order; "jieshou_jiangzao" carries its level byte before its table.
constexpr TuningTable kTables[] = {
    {"ABCD", "fashe_gonglv", "mem", true, 45, 0},
    {"EFGH", "jieshou_jiangzao", "level", false, 1, 4},
    {nullptr, "jieshou_jiangzao", "edit", true, 72, 0},
    {"IJKL", "fashe_pinpian", "mem", true, 30, 0},
    {"MNOP", "dianya_zhi", "mem", true, 2, 0},
    {"QRST", "fashe_vox", "mem", true, 2, 0},
};

} // namespace

ByteVector BuildTuningBlock(const std::string& tuningFilePath) {
    ByteVector block(kTuningSize, 0);
    size_t at = 0;
    for (const TuningTable& table : kTables) {
        if (table.marker != nullptr) {
            for (char c : std::string_view(table.marker)) {
                block[at++] = static_cast<uint8_t>(c);
            }
        }
        for (int i = 0; i < table.count; ++i) {
            const std::string key = table.indexed ? table.key + std::to_string(i) : table.key;
            const int value =
                CpsIni::GetIntFrom(tuningFilePath, table.section, key, table.defaultValue);
            block[at++] = static_cast<uint8_t>(value); // stored modulo 256
        }
    }
    return block;
}

} // namespace vd::gx5
