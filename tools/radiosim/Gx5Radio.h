#pragma once
#include "tools/radiosim/Line.h"
#include "tools/radiosim/Radio.h"
#include "tools/radiosim/RdtpFrame.h"
#include "tools/radiosim/SimConfig.h"

#include <string>

namespace vd::sim {

/// A GX5 or GX5G radio: answers RDTP frames for the handshake (with the model identity and an
/// optional password), block reads, write parts and reboot, and only in the state a radio
/// would answer them in (no block read before a handshake, no write part outside a write).
class Gx5Radio final : public Radio {
public:
    /// A radio of `model` holding `image`; `line` must outlive the radio.
    Gx5Radio(const SimModel& model, Bytes image, const SimConfig& config, Line& line,
             WriteSessionHandler onWritten);

    void receive(std::span<const uint8_t> bytes) override;
    bool hasPartialRequest() const override { return reader_.hasPartial(); }
    void dropPartialRequest() override;

private:
    enum class Mode { Idle, Read, Write };

    void handleFrame(const Bytes& frame);
    void handshake(std::span<const uint8_t> payload);
    void readBlock(std::span<const uint8_t> payload);
    void writePart(std::span<const uint8_t> payload);
    void reboot(std::span<const uint8_t> payload);
    void answer(const Bytes& payload, bool spoilCrc = false);
    void refuse(const std::string& why);
    std::size_t blockCount() const;

    const SimModel& model_;
    Bytes image_;
    std::string password_;
    Faults faults_;
    Line& line_;
    WriteSessionHandler onWritten_;
    RdtpReader reader_;
    Mode mode_ = Mode::Idle;
    bool statusFfPending_;
    bool corruptPending_;
    bool losePending_;
    // The image being written: parts 0 to partsReceived_ - 1 of partCount_ are in incoming_.
    Bytes incoming_;
    std::size_t partCount_ = 0;
    std::size_t partsReceived_ = 0;
};

} // namespace vd::sim
