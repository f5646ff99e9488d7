#pragma once
#include "radios/lmvs/LmVsControl.h"

namespace vd {

/// The LM704 radio.
class Lm704v001Control : public LmVsControl {
public:
    explicit Lm704v001Control(const std::string& modelName);
};

/// The VS31 radio.
class Vs31v001Control : public LmVsControl {
public:
    explicit Vs31v001Control(const std::string& modelName);
};

/// The VS46 radio.
class Vs46v001Control : public LmVsControl {
public:
    explicit Vs46v001Control(const std::string& modelName);
};

/// The VS58 radio.
class Vs58v001Control : public LmVsControl {
public:
    explicit Vs58v001Control(const std::string& modelName);
};

/// The VS73 radio.
class Vs73v001Control : public LmVsControl {
public:
    explicit Vs73v001Control(const std::string& modelName);
};

} // namespace vd
