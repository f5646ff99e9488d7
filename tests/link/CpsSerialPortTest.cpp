#include "link/CpsSerialPort.h"
#include "link/PortHolder.h"
#include "link/SerialException.h"
#include "tests/support/PtyPair.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

void open_8n1(vd::CpsSerialPort& port, const std::string& path) {
    port.Open(path, 9600, vd::Parity::None, 8, vd::StopBits::One, vd::FlowControl::None, true);
}

// Opens the port 8N1 on the pseudo-terminal with these time-outs, returned for changing.
vd::CommTimeouts
open_with_timeouts(vd::CpsSerialPort& port, const vdtest::PtyPair& pty, std::uint32_t readMs,
                   std::uint32_t writeMs = vd::CommTimeouts{}.WriteTotalTimeoutConstant) {
    open_8n1(port, pty.devicePath());
    vd::CommTimeouts timeouts;
    timeouts.ReadTotalTimeoutConstant = readMs;
    timeouts.WriteTotalTimeoutConstant = writeMs;
    port.SetTimeouts(timeouts);
    return timeouts;
}

std::string own_program_name() {
    std::ifstream in("/proc/self/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// Waits, at most 5 s, until the port's input queue holds `count` bytes.
bool wait_for_input(vd::CpsSerialPort& port, const vdtest::PtyPair& pty, std::uint32_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    vd::ComStat status;
    do {
        pollfd watch{pty.deviceFd(), POLLIN, 0};
        ::poll(&watch, 1, 50);
        port.GetStatus(status);
    } while (status.cbInQue < count && std::chrono::steady_clock::now() < deadline);
    return status.cbInQue == count;
}

TEST(CpsSerialPort, OpenSetsTheLineUpRaw) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    port.Open(pty.devicePath(), 4800, vd::Parity::None, 8, vd::StopBits::Two, vd::FlowControl::None,
              false);
    termios tio{};
    ASSERT_EQ(::tcgetattr(pty.deviceFd(), &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), B4800);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CLOCAL | CREAD),
              static_cast<tcflag_t>(CSTOPB | CLOCAL | CREAD));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON), 0u);
    EXPECT_EQ(tio.c_cc[VMIN] + tio.c_cc[VTIME], 0) << "a read returns what has arrived";

    vd::SerialState state;
    ASSERT_TRUE(port.GetState(state));
    EXPECT_EQ(std::tie(state.baudRate, state.dataBits, state.parity, state.stopBits),
              std::tuple(4800u, 8, vd::Parity::None, vd::StopBits::Two));
    EXPECT_EQ(port.GetPortPath(), pty.devicePath());

    // DTR/DSR flow control runs without any handshake of the line
    port.Open(pty.devicePath(), 9600, vd::Parity::None, 8, vd::StopBits::One,
              vd::FlowControl::DsrDtr, false);
    ASSERT_EQ(::tcgetattr(pty.deviceFd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
    ASSERT_TRUE(port.GetState(state));
    EXPECT_EQ(state.flowControl, vd::FlowControl::DsrDtr);
}

TEST(CpsSerialPort, SetStateAppliesTheLineAndKeepsEofAndEvtChars) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    open_8n1(port, pty.devicePath());
    vd::SerialState state;
    ASSERT_TRUE(port.GetState(state));
    state.baudRate = 115200;
    state.flowControl = vd::FlowControl::CtsRts;
    state.eofChar = 0x1A;
    state.evtChar = 0x1A;
    ASSERT_TRUE(port.SetState(state));
    termios tio{};
    ASSERT_EQ(::tcgetattr(pty.deviceFd(), &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), B115200);
    EXPECT_NE(tio.c_cflag & CRTSCTS, 0u);

    vd::SerialState back;
    ASSERT_TRUE(port.GetState(back));
    EXPECT_EQ(back.flowControl, vd::FlowControl::CtsRts);
    EXPECT_EQ(back.eofChar, 0x1A);
    EXPECT_EQ(back.evtChar, 0x1A);

    state.baudRate = 12345; // no such rate: refused, line unchanged
    EXPECT_FALSE(port.SetState(state));
    ASSERT_TRUE(port.GetState(back));
    EXPECT_EQ(back.baudRate, 115200u);
}

TEST(CpsSerialPort, UnsupportedSettingsAreRefusedBeforeOpening) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    using vd::Parity, vd::StopBits;
    const std::tuple<std::uint32_t, std::uint8_t, StopBits, Parity> rows[] = {
        {12345, 8, StopBits::One, Parity::None},
        {9600, 9, StopBits::One, Parity::None},
        {9600, 8, StopBits::OnePointFive, Parity::None},
        {9600, 8, StopBits::One, static_cast<Parity>(7)},
    };
    for (const auto& [baud, bits, stop, parity] : rows) {
        try {
            port.Open(pty.devicePath(), baud, parity, bits, stop, vd::FlowControl::None, false);
            ADD_FAILURE() << "settings accepted: " << baud << ' ' << int(bits);
        } catch (const vd::CSerialException& error) {
            EXPECT_EQ(error.GetErrorCode(), EINVAL);
        }
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST(CpsSerialPort, ReadWriteStatusAndPurgeOnAnOpenPort) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    vd::CommTimeouts timeouts = open_with_timeouts(port, pty, 2000, 2000);
    vd::CommTimeouts back;
    port.GetTimeouts(back);
    EXPECT_EQ(back.ReadTotalTimeoutConstant, 2000u);

    EXPECT_EQ(port.Write(Bytes{0x02, 0x0A, 0x0D}), 3u);
    EXPECT_EQ(pty.receive(3), (Bytes{0x02, 0x0A, 0x0D})); // raw: no newline translation

    pty.send({0x10, 0x20, 0x30, 0x40, 0x50});
    ASSERT_TRUE(wait_for_input(port, pty, 5));
    std::uint8_t buffer[3] = {};
    const vd::ReadResult first = port.Read(buffer);
    EXPECT_EQ(first.error, 0);
    EXPECT_EQ(first.count, 3u);
    EXPECT_EQ(buffer[0], 0x10);
    vd::ComStat status;
    port.GetStatus(status);
    EXPECT_EQ(status.cbInQue, 2u);

    port.ClearErrorFlags(4); // the output alone: what waits to be read stays
    port.GetStatus(status);
    EXPECT_EQ(status.cbInQue, 2u);
    port.ClearErrorFlags(15); // discards what is still waiting
    port.GetStatus(status);
    EXPECT_EQ(status.cbInQue, 0u);
    std::uint32_t errors = 99;
    port.ClearError(errors);
    EXPECT_EQ(errors, 0u);

    timeouts.ReadTotalTimeoutConstant = 0;
    port.SetTimeouts(timeouts);
    const vd::ReadResult none = port.Read(buffer); // nothing waiting, no waiting allowed
    EXPECT_EQ(none.count, 0u);
    EXPECT_EQ(none.error, 0);
}

// A write larger than the line's queue waits for room while the far side reads, and ends at
// its time-out with part written when nobody reads.
TEST(CpsSerialPort, WriteWaitsForRoomUntilItsTimeOut) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    vd::CommTimeouts timeouts =
        open_with_timeouts(port, pty, vd::CommTimeouts{}.ReadTotalTimeoutConstant, 10000);
    Bytes data(256 * 1024);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);
    }
    Bytes received;
    std::thread reader([&] { received = pty.receive(data.size(), 20000); });
    EXPECT_EQ(port.Write(data), data.size());
    reader.join();
    EXPECT_EQ(received, data);

    timeouts.WriteTotalTimeoutConstant = 100;
    port.SetTimeouts(timeouts);
    const std::size_t written = port.Write(data);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
}

TEST(CpsSerialPort, HungUpLineReportsThePortGone) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    open_with_timeouts(port, pty, 60000); // a hang-up must not wait for this
    pty.hangUp();
    std::uint8_t byte = 0;
    const vd::ReadResult result = port.Read({&byte, 1});
    EXPECT_TRUE(vd::is_port_gone_error(result.error)) << result.error;
    vd::ComStat status;
    EXPECT_THROW(port.GetStatus(status), vd::CSerialException);
    std::uint32_t errors = 0;
    EXPECT_THROW(port.ClearError(errors), vd::CSerialException);
    EXPECT_THROW(port.ClearErrorFlags(1), vd::CSerialException) << "no queue to clear: a probe";
    EXPECT_THROW(port.Write(Bytes{1}), vd::CSerialException);
}

// A path that is no port fails with the system's code; the message names the device.
TEST(CpsSerialPort, OpeningWhatIsNoUsablePortFails) {
    vdtest::TempDir dir;
    const auto plain = dir.write("not-a-port", "x");
    const auto locked = dir.write("locked-port", "");
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    std::vector<std::pair<std::string, int>> cases{{"/dev/vd-no-such-port", ENOENT},
                                                   {plain.string(), ENOTTY}};
    if (::geteuid() != 0) { // root may open any device
        cases.emplace_back(locked.string(), EACCES);
    }
    vd::CpsSerialPort port;
    for (const auto& [path, code] : cases) {
        try {
            open_8n1(port, path);
            ADD_FAILURE() << "opened " << path;
        } catch (const vd::CSerialException& error) {
            EXPECT_EQ(error.GetErrorCode(), code) << path;
            EXPECT_EQ(error.GetDevice(), path);
            EXPECT_NE(error.GetErrorMessage().find(path), std::string::npos);
        }
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST(CpsSerialPort, SecondOpenOfAPortInUseNamesTheHolder) {
    vdtest::PtyPair pty;
    vd::CpsSerialPort first;
    open_8n1(first, pty.devicePath());
    vd::CpsSerialPort second;
    try {
        open_8n1(second, pty.devicePath());
        FAIL() << "the port was opened twice";
    } catch (const vd::CSerialException& error) {
        EXPECT_EQ(error.GetErrorCode(), EBUSY);
        const std::string expected =
            "in use by " + own_program_name() + " (pid " + std::to_string(::getpid()) + ")";
        EXPECT_NE(error.GetErrorMessage().find(expected), std::string::npos)
            << error.GetErrorMessage();
    }
    EXPECT_FALSE(second.IsOpen());

    first.Close();
    EXPECT_NO_THROW(open_8n1(second, pty.devicePath()));
    EXPECT_NO_THROW(open_8n1(second, pty.devicePath())); // re-opening closes first
    {
        vd::CpsSerialPort scoped; // the destructor lets the port go
        second.Close();
        open_8n1(scoped, pty.devicePath());
    }
    EXPECT_NO_THROW(open_8n1(first, pty.devicePath()));
}

TEST(PortHolder, FindsThisProgramHoldingAFile) {
    vdtest::TempDir dir;
    const auto file = dir.write("held", "x");
    EXPECT_FALSE(vd::find_port_holder(file.string()).has_value());
    std::ifstream held(file);
    const auto holder = vd::find_port_holder(file.string());
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->pid, ::getpid());
    EXPECT_EQ(holder->name, own_program_name());
    EXPECT_EQ(vd::describe_port_holder(vd::PortHolder{42, "minicom"}),
              "in use by minicom (pid 42)");
    EXPECT_EQ(vd::describe_port_holder(std::nullopt), "in use by another program");
}

} // namespace
