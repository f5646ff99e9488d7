#include "link/PortNames.h"
#include "link/PortList.h"

#include <gtest/gtest.h>

namespace {

TEST(PortNames, ComNumbersAndPortSettingsNameDevices) {
    EXPECT_EQ(vd::com_port_device(1), "/dev/ttyS0");
    EXPECT_EQ(vd::com_port_device(11), "/dev/ttyS10");
    EXPECT_EQ(vd::com_port_device(0), "");
    EXPECT_EQ(vd::com_port_number("/dev/ttyS10"), 11);
    EXPECT_FALSE(vd::com_port_number("/dev/ttyUSB0").has_value());
    EXPECT_FALSE(vd::com_port_number("/dev/ttyS").has_value());
    EXPECT_FALSE(vd::com_port_number("/dev/ttyS1x").has_value());
    // the port setting of cps.ini
    EXPECT_EQ(vd::port_setting_to_device("COM11"), "/dev/ttyS10");
    EXPECT_EQ(vd::port_setting_to_device("com3"), "/dev/ttyS2");
    EXPECT_EQ(vd::port_setting_to_device(" 11 "), "/dev/ttyS10");
    EXPECT_EQ(vd::port_setting_to_device("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(vd::port_setting_to_device("ttyACM1"), "/dev/ttyACM1");
    for (const char* nothing : {"", "COM0", "0", "COMx", "-3", "..", "a/b", "99999999999"}) {
        EXPECT_EQ(vd::port_setting_to_device(nothing), "") << nothing;
    }
    EXPECT_EQ(vd::device_to_port_setting("/dev/ttyS10"), "COM11");
    EXPECT_EQ(vd::device_to_port_setting("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST(PortList, SortsByStemThenNumberAndKeepsTiesInOrder) {
    std::vector<vd::PortInfo> ports;
    for (const char* name : {"/dev/ttyS10", "/dev/ttyUSB1", "/dev/ttyS2", "/dev/ttyUSB0",
                             "/dev/ttyACM0", "/dev/ttyS3", "/dev/rfcomm", "/dev/ttyS2"}) {
        ports.push_back(vd::PortInfo{name, std::to_string(ports.size()), "native", "", "", -1, -1});
    }
    vd::sort_ports(ports);
    std::vector<std::string> order;
    for (const auto& port : ports) {
        order.push_back(port.name + "#" + port.description);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"/dev/rfcomm#6", "/dev/ttyACM0#4", "/dev/ttyS2#2",
                                               "/dev/ttyS2#7", "/dev/ttyS3#5", "/dev/ttyS10#0",
                                               "/dev/ttyUSB0#3", "/dev/ttyUSB1#1"}));
    EXPECT_TRUE(vd::port_name_less("COM3", "COM10"));
    EXPECT_FALSE(vd::port_name_less("COM10", "COM4"));
}

TEST(PortList, DescribesAPortOnOneLine) {
    EXPECT_EQ(vd::describe_port({"/dev/ttyS2", "ttyS2", "native", "", "", -1, -1}),
              "/dev/ttyS2 (COM3)");
    EXPECT_EQ(vd::describe_port({"/dev/ttyUSB0", "CP2102 USB to UART", "USB", "Silicon Labs",
                                 "CP2102 USB to UART", 0x10c4, 0xea60}),
              "/dev/ttyUSB0 - CP2102 USB to UART (Silicon Labs, USB 10c4:ea60)");
    EXPECT_EQ(vd::describe_port({"/dev/ttyACM0", "", "USB", "", "Radio cable", -1, -1}),
              "/dev/ttyACM0 (Radio cable, USB)");
}

} // namespace
