#include "tools/radiosim/Simulator.h"

#include "tools/radiosim/Gx5Radio.h"
#include "tools/radiosim/LmVsRadio.h"
#include "tools/radiosim/SimImage.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace vd::sim {

namespace {

using Clock = std::chrono::steady_clock;

// A radio stops waiting for the rest of a request when the host pauses this long mid-way; hosts
// write a request whole, and wait far longer than this before they try again.
constexpr auto kPartialRequestTimeout = std::chrono::milliseconds(300);
// How long an answer may wait for room in the host's input queue before it is given up.
constexpr auto kSendTimeout = std::chrono::milliseconds(2000);

SimConfig validated(SimConfig config) {
    validate(config);
    return config;
}

Transcript openTranscript(const std::filesystem::path& file) {
    return file.empty() ? Transcript() : Transcript(file);
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left + 1, 0, 60000));
}

} // namespace

/// Writes answers to the master end of the pseudo-terminal, paced like a real line when asked.
class Simulator::PtySink final : public ByteSink {
public:
    PtySink(const Pty& pty, unsigned byteDelayUs) : pty_(pty), byteDelayUs_(byteDelayUs) {}

    bool send(std::span<const uint8_t> bytes) override {
        if (byteDelayUs_ == 0) {
            return writeAll(bytes, Clock::now() + kSendTimeout);
        }
        // Paced against fixed deadlines, so that a late wake-up on a loaded machine is made
        // up by the next bytes instead of adding up.
        const auto start = Clock::now();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (!writeAll(bytes.subspan(i, 1), Clock::now() + kSendTimeout)) {
                return false;
            }
            std::this_thread::sleep_until(start + std::chrono::microseconds(byteDelayUs_) *
                                                      static_cast<long long>(i + 1));
        }
        return true;
    }

private:
    bool writeAll(std::span<const uint8_t> bytes, Clock::time_point deadline) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(pty_.master(), bytes.data(), bytes.size());
            if (written > 0) {
                bytes = bytes.subspan(static_cast<std::size_t>(written));
                continue;
            }
            if (written < 0 && errno != EAGAIN && errno != EINTR) {
                return false;
            }
            // The host's input queue is full: wait for it to read, but not for ever.
            const int wait = millisecondsUntil(deadline);
            if (Clock::now() >= deadline) {
                return false;
            }
            pollfd out{pty_.master(), POLLOUT, 0};
            ::poll(&out, 1, wait);
        }
        return true;
    }

    const Pty& pty_;
    unsigned byteDelayUs_;
};

Simulator::Simulator(SimConfig config)
    : config_(validated(std::move(config))), model_(modelOf(config_)),
      transcript_(openTranscript(config_.transcriptFile)),
      wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!wake_) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    Bytes image =
        config_.imageFile.empty() ? blankImage(model_) : loadImage(config_.imageFile, model_);
    sink_ = std::make_unique<PtySink>(pty_, config_.faults.byteDelayUs);
    line_ = std::make_unique<Line>(*sink_, transcript_, config_.faults);
    auto onWritten = [this](const Bytes& written) { writeSessionEnded(written); };
    if (model_.family == Family::Gx5) {
        radio_ = std::make_unique<Gx5Radio>(model_, std::move(image), config_, *line_, onWritten);
    } else {
        radio_ = std::make_unique<LmVsRadio>(model_, std::move(image), config_, *line_, onWritten);
    }
    transcript_.note(fmt::format("{} radio on {}", model_.name, pty_.devicePath()));
    if (!config_.readyFile.empty()) {
        const std::string text = pty_.devicePath() + "\n";
        saveFileAtomically(config_.readyFile, Bytes(text.begin(), text.end()));
    }
}

Simulator::~Simulator() = default;

void Simulator::requestStop() noexcept {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wake_.get(), &one, sizeof(one));
}

RunEnd Simulator::run() {
    auto lastInput = Clock::now();
    uint8_t buffer[4096];
    for (;;) {
        int timeout = -1;
        if (radio_->hasPartialRequest()) {
            timeout = millisecondsUntil(lastInput + kPartialRequestTimeout);
        }
        pollfd fds[2] = {{pty_.master(), POLLIN, 0}, {wake_.get(), POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::system_error(errno, std::generic_category(), "poll");
        }
        if ((fds[1].revents & POLLIN) != 0) {
            transcript_.note("stopped");
            return RunEnd::Stopped;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t count = ::read(pty_.master(), buffer, sizeof(buffer));
            if (count > 0) {
                lastInput = Clock::now();
                radio_->receive(std::span<const uint8_t>(buffer, static_cast<std::size_t>(count)));
                if (line_->hungUp()) {
                    pty_.hangUp();
                    return RunEnd::HungUp;
                }
                if (config_.once && writeSessions_ > 0) {
                    transcript_.note("write session done, radio off");
                    return RunEnd::WriteSessionDone;
                }
            } else if (count < 0 && errno != EAGAIN && errno != EINTR) {
                throw std::system_error(errno, std::generic_category(), "read from the pty");
            }
        } else if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            // The radio holds the device end open, so this means the pseudo-terminal is gone.
            throw std::runtime_error("the pseudo-terminal closed");
        }
        if (radio_->hasPartialRequest() && Clock::now() - lastInput >= kPartialRequestTimeout) {
            radio_->dropPartialRequest();
        }
    }
}

void Simulator::writeSessionEnded(const Bytes& image) {
    if (!config_.saveWritten.empty()) {
        saveFileAtomically(config_.saveWritten, image);
        transcript_.note(fmt::format("written image saved to {}", config_.saveWritten.string()));
    }
    ++writeSessions_;
}

} // namespace vd::sim
