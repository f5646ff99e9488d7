#include "link/LineSettings.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(LineSettings, BaudRatesMapBothWays) {
    // every rate the Linux line discipline knows goes through termios and back
    for (const std::uint32_t rate :
         {50u,      75u,      110u,     134u,     150u,     200u,    300u,     600u,
          1200u,    1800u,    2400u,    4800u,    9600u,    19200u,  38400u,   57600u,
          115200u,  230400u,  460800u,  500000u,  576000u,  921600u, 1000000u, 1152000u,
          1500000u, 2000000u, 2500000u, 3000000u, 3500000u, 4000000u}) {
        termios tio{};
        vd::SerialState state;
        state.baudRate = rate;
        ASSERT_EQ(vd::apply_line_settings(tio, state), 0) << rate;
        EXPECT_EQ(vd::read_line_settings(tio).baudRate, rate);
    }
    EXPECT_EQ(vd::baud_to_speed(9600), B9600);
    EXPECT_EQ(vd::baud_to_speed(115200), B115200);
    EXPECT_EQ(vd::speed_to_baud(B57600), 57600u);
    EXPECT_FALSE(vd::baud_to_speed(12345).has_value());
    EXPECT_FALSE(vd::baud_to_speed(0).has_value());
}

TEST(LineSettings, EveryParityStopAndSizeSurvivesARoundTrip) {
    using vd::Parity, vd::StopBits;
    for (std::uint8_t bits = 5; bits <= 8; ++bits) {
        for (Parity parity :
             {Parity::None, Parity::Odd, Parity::Even, Parity::Mark, Parity::Space}) {
            for (StopBits stop : {StopBits::One, StopBits::OnePointFive, StopBits::Two}) {
                const bool valid = stop != StopBits::OnePointFive || bits == 5;
                if (bits == 5 && stop == StopBits::Two) {
                    continue; // 2 stop bits on 5-bit characters are sent as 1.5
                }
                vd::SerialState state{19200, bits, parity, stop, vd::FlowControl::XonXoff, 0, 0};
                termios tio{};
                ASSERT_EQ(vd::apply_line_settings(tio, state), valid ? 0 : EINVAL);
                if (!valid) {
                    continue;
                }
                const vd::SerialState back = vd::read_line_settings(tio);
                EXPECT_EQ(back.dataBits, bits);
                EXPECT_EQ(back.parity, parity);
                EXPECT_EQ(back.stopBits, stop);
                EXPECT_EQ(back.baudRate, 19200u);
                EXPECT_EQ(back.flowControl, vd::FlowControl::XonXoff);
                EXPECT_EQ(tio.c_cc[VSTART], 0x11);
                EXPECT_EQ(tio.c_cc[VSTOP], 0x13);
            }
        }
    }
}

} // namespace
