#include "link/PortSetup.h"

#include "link/PortNames.h"
#include "link/SerialException.h"

#include <cerrno>

namespace vd {

void open_port(ISerialPort& port, const std::string& portSetting, const PortSetup& setup) {
    const std::string device = port_setting_to_device(portSetting);
    if (device.empty()) {
        throw CSerialException(ENOENT, portSetting, "no such port");
    }
    port.Open(device, setup.baudRate, Parity::None, 8, StopBits::One, FlowControl::None, true);
    if (setup.eventChar != 0) {
        SerialState state;
        if (port.GetState(state)) {
            state.eofChar = setup.eventChar;
            state.evtChar = setup.eventChar;
            port.SetState(state);
        }
    }
    port.Setup(setup.inputQueueSize, setup.outputQueueSize);
    CommTimeouts timeouts;
    port.GetTimeouts(timeouts);
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = setup.readTimeoutMs;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = setup.writeTimeoutMs;
    port.SetTimeouts(timeouts);
    std::uint32_t errors = 0;
    port.ClearError(errors);
    port.ClearErrorFlags(kPurgeAll);
}

} // namespace vd
