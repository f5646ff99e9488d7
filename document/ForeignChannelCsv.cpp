#include "document/ForeignChannelCsv.h"

#include "document/DisplayInput.h"
#include "document/DisplayValue.h"
#include "document/ListTable.h"
#include "model/TextNumber.h"

#include <algorithm>
#include <array>
#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/split.hpp>
#include <fmt/format.h>
#include <optional>

namespace vd {

namespace {

/// The exchange format's leading columns, in their order.
enum ForeignColumn : std::size_t {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kMode,
    kForeignColumns
};
constexpr std::array<const char*, kForeignColumns> kForeignHeader = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset", "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode"};

/// The fields that play a role in a channel, as the models name them.
enum Role : std::size_t { kRx, kTx, kRxTone, kTxTone, kBandwidth, kRxSquelch, kRoles };
const std::array<std::vector<std::string>, kRoles> kRoleFields = {{
    {"RxFrequency", "rxfreq"},
    {"TxFrequency", "txfreq"},
    {"CTCSSRxValue", "rx_tone"},
    {"CTCSSTxValue", "tx_tone"},
    {"BandWidth", "wide"},
    {"ReceiveSquelchMode"}, // where the receive tone only counts in a squelch mode of its own
}};
constexpr const char* kNoTone = "Off";
constexpr const char* kToneSquelch = "CTCSS/DCS";
constexpr const char* kCarrierSquelch = "Carrier";

/// The choice of a list whose English text starts with a word ("Wide" for "Wide 25 kHz").
std::optional<std::string> ChoiceStartingWith(const std::string& choices, const std::string& word) {
    std::vector<std::string> entries;
    boost::algorithm::split(entries, choices, [](char c) { return c == '|'; });
    for (const std::string& entry : entries) {
        const std::string text = entry.substr(entry.find(':') + 1);
        if (boost::algorithm::istarts_with(text, word)) {
            return text;
        }
    }
    return std::nullopt;
}

/// Whole hertz of a megahertz text ("146.52" or "146").
std::optional<long long> Hertz(const std::string& megahertz) {
    const std::string text =
        megahertz.find('.') == std::string::npos ? megahertz + ".0" : megahertz;
    const std::optional<std::string> hertz = HertzFromMegahertz(text);
    return hertz ? std::optional<long long>(ParseDecimal(*hertz)) : std::nullopt;
}

/// "D023N" from a code and one polarity letter (N normal, R reversed).
std::string DcsText(const std::string& code, char polarity) {
    return fmt::format("D{:0>3}{}", code, polarity == 'R' ? 'I' : 'N');
}

} // namespace

bool IsForeignChannelCsv(const TextTable& table) {
    if (table.header.size() < kForeignColumns) {
        return false;
    }
    for (std::size_t i = 0; i < kForeignColumns; ++i) {
        if (!boost::algorithm::iequals(table.header[i], kForeignHeader[i])) {
            return false;
        }
    }
    return true;
}

ForeignChannels ConvertForeignChannels(HamCpsControl& control, const std::string& chapterId,
                                       const TextTable& foreign) {
    const ListTable list(control, chapterId);
    ForeignChannels out;
    std::array<std::optional<std::size_t>, kRoles> column;
    for (std::size_t role = 0; role < kRoles; ++role) {
        for (const std::string& field : kRoleFields[role]) {
            if (const std::optional<std::size_t> found = list.ColumnOf(field)) {
                column[role] = found;
            }
        }
    }
    if (!column[kRx]) {
        out.problems.push_back({0, kForeignHeader[kFrequency], "the list has no frequencies"});
        return out;
    }
    out.table.header.push_back(list.RecordName());
    for (std::size_t role = 0; role < kRoles; ++role) {
        if (column[role]) {
            out.table.header.push_back(list.Columns()[*column[role]].field);
        }
    }
    out.ignoredColumns.push_back(kForeignHeader[kLocation]);
    if (!column[kBandwidth]) {
        out.ignoredColumns.push_back(kForeignHeader[kMode]);
    }
    for (std::size_t i = kForeignColumns; i < foreign.header.size(); ++i) {
        out.ignoredColumns.push_back(foreign.header[i]);
    }
    std::string bandwidthChoices;
    if (column[kBandwidth]) {
        bandwidthChoices = control.GetTextIn(
            *list.CellElement(list.FreeRecordId(), *column[kBandwidth]), "choiceValue", "ENG");
    }

    for (std::size_t r = 0; r < foreign.rows.size(); ++r) {
        std::vector<std::string> cell = foreign.rows[r];
        cell.resize(std::max(cell.size(), kForeignHeader.size()));
        const std::size_t row = r + 1;
        bool fits = true; // every problem of the row is listed, not only the first
        auto problem = [&out, &fits, row](ForeignColumn at, const std::string& message) {
            out.problems.push_back({row, kForeignHeader[at], message});
            fits = false;
        };
        const std::optional<long long> rx = Hertz(cell[kFrequency]);
        if (!rx) {
            problem(kFrequency, fmt::format("'{}' is not a frequency in MHz", cell[kFrequency]));
        }
        std::optional<long long> tx = rx;
        const std::string duplex = boost::algorithm::to_lower_copy(cell[kDuplex]);
        const std::optional<long long> offset = Hertz(cell[kOffset].empty() ? "0" : cell[kOffset]);
        if (duplex == "+" || duplex == "-" || duplex == "split") {
            if (!offset) {
                problem(kOffset, fmt::format("'{}' is not a frequency in MHz", cell[kOffset]));
            } else if (rx) {
                tx = duplex == "split" ? *offset : duplex == "+" ? *rx + *offset : *rx - *offset;
            }
        } else if (duplex == "off") {
            problem(kDuplex, "the radio has no channel that never transmits");
        } else if (!duplex.empty()) {
            problem(kDuplex, fmt::format("'{}' is not a duplex the format knows", cell[kDuplex]));
        }

        std::string rxTone = kNoTone;
        std::string txTone = kNoTone;
        const std::string& mode = cell[kTone];
        const std::string polarity = cell[kDtcsPolarity].empty() ? "NN" : cell[kDtcsPolarity];
        if (mode == "Tone") {
            txTone = cell[kRToneFreq];
        } else if (mode == "TSQL") {
            rxTone = txTone = cell[kCToneFreq];
        } else if (mode != "DTCS" && !mode.empty()) {
            problem(kTone, fmt::format("the tone mode '{}' is not one of Tone, TSQL, DTCS", mode));
        } else if (mode == "DTCS" && (polarity.size() != 2 ||
                                      polarity.find_first_not_of("NR") != std::string::npos)) {
            problem(kDtcsPolarity, fmt::format("'{}' is not NN, NR, RN or RR", polarity));
        } else if (mode == "DTCS") {
            txTone = DcsText(cell[kDtcsCode], polarity[0]);
            rxTone = DcsText(cell[kDtcsCode], polarity[1]);
        }

        std::optional<std::string> bandwidth;
        if (column[kBandwidth]) {
            const std::string& fm = cell[kMode];
            const char* word = fm == "FM" ? "Wide" : fm == "NFM" ? "Narrow" : nullptr;
            bandwidth = word ? ChoiceStartingWith(bandwidthChoices, word) : std::nullopt;
            if (!bandwidth) {
                problem(kMode, fmt::format("the mode '{}' is not FM or NFM", fm));
            }
        }
        if (!fits) {
            continue;
        }
        std::vector<std::string>& converted = out.table.rows.emplace_back();
        converted.push_back(cell[kName]);
        const std::array<std::string, kRoles> values = {
            DecimalText(*rx),
            DecimalText(*tx),
            rxTone,
            txTone,
            bandwidth.value_or(""),
            rxTone == kNoTone ? kCarrierSquelch : kToneSquelch};
        for (std::size_t role = 0; role < kRoles; ++role) {
            if (column[role]) {
                converted.push_back(values[role]);
            }
        }
    }
    return out;
}

} // namespace vd
