#pragma once
#include "document/ListRows.h"
#include "model/HamCpsControl.h"

#include <string>
#include <vector>

namespace vd {

/// Channels of the CSV that other programming tools exchange, put into this model's columns.
struct ForeignChannels {
    TextTable table;                         ///< rows in this model's fields, display form
    std::vector<std::string> ignoredColumns; ///< columns the model has no field for
    std::vector<RowProblem> problems;        ///< values the model cannot take
};

/// Whether a table is that exchange format, known by its header
/// ("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode").
bool IsForeignChannelCsv(const TextTable& table);

/// Converts the exchange format into rows of a channel list: frequency, duplex and offset
/// become the receive and transmit frequencies, the tone mode and its values the receive and
/// transmit tones, FM/NFM the bandwidth.
ForeignChannels ConvertForeignChannels(HamCpsControl& control, const std::string& chapterId,
                                       const TextTable& foreign);

} // namespace vd
