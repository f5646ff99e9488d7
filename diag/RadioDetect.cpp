#include "diag/RadioDetect.h"

#include "app/ModelRegistry.h"
#include "link/CpsSerialPort.h"
#include "model/Exceptions.h"
#include "model/HamCpsControl.h"

namespace vd {

std::optional<std::string> detect_radio(const std::string& portSetting,
                                        const DetectProgress& progress) {
    for (const std::string& model : ModelRegistry::ModelNames()) {
        if (progress && !progress(model)) {
            return std::nullopt;
        }
        const auto control = ModelRegistry::CreateControl(model);
        if (!control) {
            continue;
        }
        CpsSerialPort port;
        control->OpenPort(port, portSetting);
        bool answered = false;
        try {
            answered = control->host_handshake(port, 0, nullptr, 0);
        } catch (const ValdrenPasswordException&) {
            answered = true; // only this model's radio asks for its password
        } catch (const ValdrenCpsException&) {
            // a refused handshake of another model: try the next one
        }
        if (answered) {
            control->host_reboot(port);
            return model;
        }
    }
    return std::nullopt;
}

} // namespace vd
