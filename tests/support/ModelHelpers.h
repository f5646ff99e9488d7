#pragma once
#include "model/CommonCpsControl.h"

#include <boost/signals2/connection.hpp>

#include <string>
#include <tuple>
#include <vector>

namespace vdtest {

/// Every progress emission of a control; can ask for a cancel at one of them.
class ProgressLog {
public:
    using Entry = std::tuple<std::string, int, int>;
    /// Listens to `control`; `cancelAt` > 0 cancels at that emission (1 is the first).
    explicit ProgressLog(vd::HamCpsControl& control, std::size_t cancelAt = 0);

    /// The emissions so far.
    const std::vector<Entry>& entries() const { return entries_; }
    /// How many emissions carried `text`.
    int count(const std::string& text) const;
    /// Cancels at the emission with this number; 0 never cancels.
    void cancelAt(std::size_t emission) { cancelAt_ = emission; }

private:
    std::vector<Entry> entries_;
    std::size_t cancelAt_;
    boost::signals2::scoped_connection connection_;
};

/// The first field of that name of a record; null (and a test failure) when there is none.
vd::ElementPtr FindField(vd::HamCpsControl& control, const std::string& recordId,
                         const std::string& name);
/// Id of the first field of that name of a record.
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
/// Value of the first top-level element of that name, or "<missing>".
std::string Setting(vd::HamCpsControl& control, const std::string& name);
/// Ids of the in-use records of a list, in list order.
std::vector<std::string> InUseIds(vd::HamCpsControl& control, const std::string& recordName);
/// Brings a list to `count` in-use records and returns their ids.
std::vector<std::string> SizeList(vd::CommonCpsControl& control, const std::string& recordName,
                                  std::size_t count);
/// Values of every "Channel" field of a record.
std::vector<std::string> Members(vd::HamCpsControl& control, const std::string& recordId);

} // namespace vdtest
