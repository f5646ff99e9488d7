#pragma once

namespace vd {

/// Section of cps.ini with the keys every model shares.
inline constexpr const char* kDeviceSection = "Device";
/// Section of cps.ini with the GX5 family's own link keys (the GX5G reads it too).
inline constexpr const char* kGx5Section = "GX5";

/// Default of "timeout" (ms), and so of "handshake_time_out".
inline constexpr unsigned kGx5DefaultTimeout = 1000;

/// What the handshake reads from cps.ini when it starts.
struct Gx5HandshakeSettings {
    int retryCount = 3;                    ///< "handshake_retry_count" (Device)
    unsigned pollInterval = 100;           ///< "handshake_read_time_interval" (Device), ms
    unsigned retryPause = 1000;            ///< "retry_time_interval" (GX5), ms
    bool saveRejectedAnswer = false;       ///< "handshake_need_save_answer" (GX5)
    unsigned timeout = kGx5DefaultTimeout; ///< "timeout" (GX5), ms
    unsigned handshakeTimeout =
        kGx5DefaultTimeout; ///< "handshake_time_out" (GX5), ms; "timeout" when absent
};

/// What a block read reads from cps.ini when it starts.
struct Gx5BlockReadSettings {
    int retryCount = 3;                    ///< "retry_count" (Device)
    bool checkAnswer = true;               ///< "need_crc" (Device)
    unsigned pollInterval = 150;           ///< "read_time_interval" (GX5), ms
    unsigned retryPause = 1000;            ///< "retry_time_interval" (GX5), ms
    bool saveAnswer = false;               ///< "read_need_save_host_answer" (GX5)
    unsigned timeout = kGx5DefaultTimeout; ///< "timeout" (GX5), ms
};

/// What a part write reads from cps.ini when it starts.
struct Gx5PartWriteSettings {
    int retryCount = 3;                    ///< "retry_count" (Device)
    bool checkAnswer = true;               ///< "need_crc" (Device)
    unsigned pollInterval = 200;           ///< "write_time_interval" (GX5), ms
    unsigned retryPause = 1000;            ///< "retry_time_interval" (GX5), ms
    bool saveFailedRequest = false;        ///< "need_save_retry_rdtp" (GX5)
    unsigned timeout = kGx5DefaultTimeout; ///< "timeout" (GX5), ms
};

/// What the reboot reads from cps.ini when it starts.
struct Gx5RebootSettings {
    int retryCount = 3;                    ///< "handshake_retry_count" (Device)
    unsigned pollInterval = 100;           ///< "handshake_read_time_interval" (Device), ms
    unsigned retryPause = 1000;            ///< "retry_time_interval" (Device), ms
    unsigned timeout = kGx5DefaultTimeout; ///< "timeout" (GX5), ms
};

/// The GX5 family's "timeout" (ms): the port's write time-out and the block exchanges' limit.
unsigned read_gx5_timeout();
/// Reads the handshake's keys afresh.
Gx5HandshakeSettings read_handshake_settings();
/// Reads the block read's keys afresh.
Gx5BlockReadSettings read_block_read_settings();
/// Reads the part write's keys afresh.
Gx5PartWriteSettings read_part_write_settings();
/// Reads the reboot's keys afresh.
Gx5RebootSettings read_reboot_settings();

} // namespace vd
