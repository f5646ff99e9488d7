#pragma once
#include "radios/lmvs/LmVsControl.h"

namespace vd {

/// The LM704 radio: 8-byte blocks, block answers that may end in 0x06, closing byte 0x45.
class Lm704v001Control : public LmVsControl {
public:
    explicit Lm704v001Control(const std::string& modelName);
};

/// The VS31 radio: a second opening when the first is not acknowledged, an extra 0x05
/// exchange, acknowledged blocks, closing byte 0x62.
class Vs31v001Control : public LmVsControl {
public:
    explicit Vs31v001Control(const std::string& modelName);
};

/// The VS46 radio: no line event characters, exact handshake answers with a 0x07 exchange,
/// 64-byte acknowledged blocks, no closing byte, a scan bitmap, and the general channel
/// references without the priority channels.
class Vs46v001Control : public LmVsControl {
public:
    explicit Vs46v001Control(const std::string& modelName);

    bool IsReferenceName(const std::string& name) override;
    std::string GetReferenceTarget(const std::string& name) override;
};

/// The VS58 radio: as the VS31, but the second opening only follows an answer that was not
/// exactly 0x06, and block answers may end in 0x06.
class Vs58v001Control : public LmVsControl {
public:
    explicit Vs58v001Control(const std::string& modelName);
};

/// The VS73 radio: 64-byte acknowledged blocks, a scan bitmap, two key bytes, and a
/// frequency range switch ("freq_range") that picks the band and moves the channels into it.
class Vs73v001Control : public LmVsControl {
public:
    explicit Vs73v001Control(const std::string& modelName);

    /// Decodes the image, then sets "freq_range" from the band the radio's channels are in:
    /// the radio does not store it, and a wrong band would move every edited frequency.
    bool ImportImage(const ByteVector& image) override;
    bool ValidateValue(const std::string& name, std::string& kind, std::vector<long long>& lower,
                       std::vector<long long>& upper, std::string& allowedChars) override;
    bool OnValueChanged(const HamCpsElement& changed, const std::string& newValue,
                        std::vector<ElementKey>& dependents) override;
};

} // namespace vd
