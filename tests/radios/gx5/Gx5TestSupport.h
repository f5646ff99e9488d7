#pragma once
#include "model/ModelTypes.h"
#include "radios/gx5/Gx5v001Control.h"
#include "tests/support/TempDir.h"

#include <spdlog/sinks/ringbuffer_sink.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace vdtest::gx5 {

/// A cps.ini of the test's own (VALDREN_CPS_INI) and a logger in place of the application's,
/// so that the tips shown to the user can be counted.
class Gx5Environment {
public:
    /// @param iniText contents of cps.ini
    explicit Gx5Environment(const std::string& iniText = "");
    ~Gx5Environment();
    Gx5Environment(const Gx5Environment&) = delete;
    Gx5Environment& operator=(const Gx5Environment&) = delete;

    /// Warnings logged since the start.
    int Warnings() const;
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::shared_ptr<spdlog::sinks::ringbuffer_sink_mt> sink_;
};

/// A GX5 or GX5G control reset to its template.
std::unique_ptr<vd::Gx5v001Control> MakeControl(const std::string& model);

/// Every progress emission of a control; optionally cancels at the n-th one.
class ProgressLog {
public:
    explicit ProgressLog(vd::HamCpsControl& control, int cancelAt = 0);

    /// How many emissions carried that text.
    int Count(const std::string& text) const;

    std::vector<std::tuple<std::string, int, int>> steps;

private:
    int cancelAt_;
    boost::signals2::scoped_connection connection_;
};

/// Id of the first field of that name of a record, or empty text.
std::string FieldId(vd::HamCpsControl& control, const std::string& recordId,
                    const std::string& name);
/// Value of the first field of that name of a record.
std::string FieldValue(vd::HamCpsControl& control, const std::string& recordId,
                       const std::string& name);
/// Forced write of one field of a record; fails the test when the field is missing.
void SetField(vd::HamCpsControl& control, const std::string& recordId, const std::string& name,
              const std::string& value);
/// Forced write of the one top-level element of that name.
void SetSetting(vd::HamCpsControl& control, const std::string& name, const std::string& value);
/// Value of the first top-level element of that name.
std::string Setting(vd::HamCpsControl& control, const std::string& name);
/// Ids of the in-use records of a list, in list order.
std::vector<std::string> InUseIds(vd::HamCpsControl& control, const std::string& recordName);
/// Brings a list to count in-use records and returns their ids.
std::vector<std::string> SizeList(vd::CommonCpsControl& control, const std::string& recordName,
                                  size_t count);
/// Values of every "Channel" field of a record.
std::vector<std::string> Members(vd::HamCpsControl& control, const std::string& recordId);

/// 16-bit little-endian value of an image.
unsigned U16At(const vd::ByteVector& image, size_t offset);

} // namespace vdtest::gx5
