#pragma once
#include <boost/signals2/signal.hpp>
#include <string>

namespace vd {

/// Combines the answers of all progress slots: every slot is called, and the emission
/// yields true ("go on") unless some slot returned true to ask for cancellation.
struct IsContinue {
    using result_type = bool;

    template <typename InputIterator>
    bool operator()(InputIterator first, InputIterator last) const {
        bool goOn = true;
        for (; first != last; ++first) {
            if (*first) {
                goOn = false;
            }
        }
        return goOn;
    }
};

/// Progress of a long operation: (text, position, total); a slot returns true to cancel.
using ProgressSignal =
    boost::signals2::signal<bool(const std::string& text, int position, int total), IsContinue>;

/// A message a long operation wants the person to see now (an unresolved reference).
using NoticeSignal = boost::signals2::signal<void(const std::string& text)>;

} // namespace vd
