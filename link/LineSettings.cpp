#include "link/LineSettings.h"

#include <array>
#include <cerrno>
#include <utility>

namespace vd {

namespace {

constexpr std::array<std::pair<std::uint32_t, speed_t>, 30> kSpeeds{{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

tcflag_t data_bits_flag(std::uint8_t dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return static_cast<tcflag_t>(-1);
    }
}

} // namespace

std::optional<speed_t> baud_to_speed(std::uint32_t baudRate) {
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baudRate) {
            return speed;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> speed_to_baud(speed_t speed) {
    for (const auto& [rate, known] : kSpeeds) {
        if (known == speed) {
            return rate;
        }
    }
    return std::nullopt;
}

int apply_line_settings(termios& tio, const SerialState& state) {
    const auto speed = baud_to_speed(state.baudRate);
    const tcflag_t size = data_bits_flag(state.dataBits);
    if (!speed || size == static_cast<tcflag_t>(-1)) {
        return EINVAL;
    }
    ::cfmakeraw(&tio);
    // CLOCAL: a programming cable wires no carrier line, and without it opens and reads would
    // wait for one.
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= size;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    // Reads return at once with what is waiting; the port does its own waiting with poll.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;

    switch (state.parity) {
    case Parity::None:
        break;
    case Parity::Odd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case Parity::Even:
        tio.c_cflag |= PARENB;
        break;
    case Parity::Mark:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case Parity::Space:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        return EINVAL;
    }

    switch (state.stopBits) {
    case StopBits::One:
        break;
    case StopBits::OnePointFive:
        // A UART sends one and a half stop bits when asked for two with 5-bit characters;
        // with longer characters there is no such setting.
        if (state.dataBits != 5) {
            return EINVAL;
        }
        tio.c_cflag |= CSTOPB;
        break;
    case StopBits::Two:
        tio.c_cflag |= CSTOPB;
        break;
    default:
        return EINVAL;
    }

    switch (state.flowControl) {
    case FlowControl::None:
        break;
    case FlowControl::CtsRts:
        tio.c_cflag |= CRTSCTS;
        break;
    case FlowControl::CtsDtr:
    case FlowControl::DsrRts:
    case FlowControl::DsrDtr:
        // The kernel has no DSR flow control and no DTR handshake, and switching on CRTSCTS
        // for half of such a pair would stall a cable that does not wire RTS/CTS: these lines
        // run without flow control.
        break;
    case FlowControl::XonXoff:
        tio.c_iflag |= IXON | IXOFF;
        tio.c_cc[VSTART] = 0x11;
        tio.c_cc[VSTOP] = 0x13;
        break;
    default:
        return EINVAL;
    }

    if (::cfsetispeed(&tio, *speed) != 0 || ::cfsetospeed(&tio, *speed) != 0) {
        return EINVAL;
    }
    return 0;
}

SerialState read_line_settings(const termios& tio) {
    SerialState state;
    state.baudRate = speed_to_baud(::cfgetospeed(&tio)).value_or(0);
    switch (tio.c_cflag & CSIZE) {
    case CS5:
        state.dataBits = 5;
        break;
    case CS6:
        state.dataBits = 6;
        break;
    case CS7:
        state.dataBits = 7;
        break;
    default:
        state.dataBits = 8;
        break;
    }
    if ((tio.c_cflag & PARENB) == 0) {
        state.parity = Parity::None;
    } else if ((tio.c_cflag & CMSPAR) != 0) {
        state.parity = (tio.c_cflag & PARODD) != 0 ? Parity::Mark : Parity::Space;
    } else {
        state.parity = (tio.c_cflag & PARODD) != 0 ? Parity::Odd : Parity::Even;
    }
    if ((tio.c_cflag & CSTOPB) == 0) {
        state.stopBits = StopBits::One;
    } else {
        state.stopBits = state.dataBits == 5 ? StopBits::OnePointFive : StopBits::Two;
    }
    if ((tio.c_cflag & CRTSCTS) != 0) {
        state.flowControl = FlowControl::CtsRts;
    } else if ((tio.c_iflag & (IXON | IXOFF)) != 0) {
        state.flowControl = FlowControl::XonXoff;
    } else {
        state.flowControl = FlowControl::None;
    }
    return state;
}

} // namespace vd
