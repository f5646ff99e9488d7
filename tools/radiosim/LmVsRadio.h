#pragma once
#include "tools/radiosim/Line.h"
#include "tools/radiosim/Radio.h"
#include "tools/radiosim/SimConfig.h"

#include <optional>
#include <string>

namespace vd::sim {

/// An LM704 or VS radio: unframed bytes, one design driven by the model table. It acknowledges
/// the model's openings, walks the handshake exchanges in order, answers block reads and writes
/// only in programming mode and only at the model's block addresses and sizes, and ends a write
/// session on the closing byte (or, without one, on the last write block).
class LmVsRadio final : public Radio {
public:
    /// A radio of `model` holding `image`; `line` must outlive the radio.
    LmVsRadio(const SimModel& model, Bytes image, const SimConfig& config, Line& line,
              WriteSessionHandler onWritten);

    void receive(std::span<const uint8_t> bytes) override;
    bool hasPartialRequest() const override { return !buffer_.empty(); }
    void dropPartialRequest() override;

private:
    bool takeRequest();
    Bytes consume(std::size_t count);
    void flushJunk();
    bool admitted(const Bytes& request);
    bool programming() const;
    bool inHandshake() const;

    void opening(const Bytes& request);
    void handshakeStep(const Bytes& request);
    void readBlock(const Bytes& request);
    void hostAck(const Bytes& request);
    void writeBlock(const Bytes& request);
    void closing(const Bytes& request);
    void endWriteSession();
    void refuse(const std::string& why);

    const SimModel& model_;
    Bytes image_;
    bool trailingAck_;
    Faults faults_;
    Line& line_;
    WriteSessionHandler onWritten_;
    Bytes buffer_;
    Bytes junk_;
    // Handshake exchanges done since the last opening; nothing before an opening. All of them
    // done means programming mode.
    std::optional<std::size_t> stage_;
    bool blockAckPending_ = false;
    bool corruptPending_;
    bool losePending_;
    // Block writes since the last opening.
    std::size_t blocksWritten_ = 0;
};

} // namespace vd::sim
