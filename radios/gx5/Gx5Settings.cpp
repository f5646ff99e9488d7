#include "radios/gx5/Gx5Settings.h"

#include "app/CpsIni.h"

#include <algorithm>

namespace vd {

namespace {

int device_int(const char* key, int def) {
    return CpsIni::GetInt(kDeviceSection, key, def);
}

int gx5_int(const char* key, int def) {
    return CpsIni::GetInt(kGx5Section, key, def);
}

// A hand-edited negative wait would turn into a wait of some seven weeks; it means "none".
unsigned milliseconds(int value) {
    return static_cast<unsigned>(std::max(value, 0));
}

// The defaults are the structures' initial values; this reads one of them as cps.ini's default.
int as_default(unsigned value) {
    return static_cast<int>(value);
}

int as_default(bool value) {
    return value ? 1 : 0;
}

} // namespace

unsigned read_gx5_timeout() {
    return milliseconds(gx5_int("timeout", as_default(kGx5DefaultTimeout)));
}

Gx5HandshakeSettings read_handshake_settings() {
    Gx5HandshakeSettings settings;
    settings.retryCount = device_int("handshake_retry_count", settings.retryCount);
    settings.pollInterval =
        milliseconds(device_int("handshake_read_time_interval", as_default(settings.pollInterval)));
    settings.retryPause =
        milliseconds(gx5_int("retry_time_interval", as_default(settings.retryPause)));
    settings.saveRejectedAnswer =
        gx5_int("handshake_need_save_answer", as_default(settings.saveRejectedAnswer)) != 0;
    // The handshake's own time-out falls back to the value "timeout" has, not to its default.
    const int timeout = gx5_int("timeout", as_default(settings.timeout));
    settings.timeout = milliseconds(timeout);
    settings.handshakeTimeout = milliseconds(gx5_int("handshake_time_out", timeout));
    return settings;
}

Gx5BlockReadSettings read_block_read_settings() {
    Gx5BlockReadSettings settings;
    settings.retryCount = device_int("retry_count", settings.retryCount);
    settings.checkAnswer = device_int("need_crc", as_default(settings.checkAnswer)) != 0;
    settings.pollInterval =
        milliseconds(gx5_int("read_time_interval", as_default(settings.pollInterval)));
    settings.retryPause =
        milliseconds(gx5_int("retry_time_interval", as_default(settings.retryPause)));
    settings.saveAnswer =
        gx5_int("read_need_save_host_answer", as_default(settings.saveAnswer)) != 0;
    settings.timeout = read_gx5_timeout();
    return settings;
}

Gx5PartWriteSettings read_part_write_settings() {
    Gx5PartWriteSettings settings;
    settings.retryCount = device_int("retry_count", settings.retryCount);
    settings.checkAnswer = device_int("need_crc", as_default(settings.checkAnswer)) != 0;
    settings.pollInterval =
        milliseconds(gx5_int("write_time_interval", as_default(settings.pollInterval)));
    settings.retryPause =
        milliseconds(gx5_int("retry_time_interval", as_default(settings.retryPause)));
    settings.saveFailedRequest =
        gx5_int("need_save_retry_rdtp", as_default(settings.saveFailedRequest)) != 0;
    settings.timeout = read_gx5_timeout();
    return settings;
}

Gx5RebootSettings read_reboot_settings() {
    Gx5RebootSettings settings;
    settings.retryCount = device_int("handshake_retry_count", settings.retryCount);
    settings.pollInterval =
        milliseconds(device_int("handshake_read_time_interval", as_default(settings.pollInterval)));
    // Unlike the other operations, the reboot pauses as long as the shared key says.
    settings.retryPause =
        milliseconds(device_int("retry_time_interval", as_default(settings.retryPause)));
    settings.timeout = read_gx5_timeout();
    return settings;
}

} // namespace vd
