#pragma once
#include "model/Exceptions.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <span>
#include <string>

namespace vd {

/// A diagnostic dump could not be written. It is a ValdrenCpsException so that the document
/// shows it, but the retry loops let it pass: it is no failed attempt of the radio.
class Gx5DumpException : public ValdrenCpsException {
public:
    using ValdrenCpsException::ValdrenCpsException;
};

/// The hour stamp in dump file names, local time ("2026-12-06_14"): dumps of one kind, index
/// and hour replace each other instead of filling the disk.
std::string dump_time_stamp(std::time_t when);

/// Name of the dump of a rejected handshake answer.
std::string handshake_dump_name(const std::string& stamp);
/// Name of the dump of an accepted block answer.
std::string block_answer_dump_name(unsigned blockIndex, const std::string& stamp);
/// Name of the dump of a write part request that failed.
std::string write_request_dump_name(unsigned partIndex, const std::string& stamp);

/// The folder the dumps go to: "error" in the program's data folder.
std::filesystem::path dump_folder();

/// Writes `bytes` (and nothing else) to `name` in the dump folder, creating the folder and
/// replacing an older file; returns the file's path. Throws Gx5DumpException on failure.
std::filesystem::path save_dump(const std::string& name, std::span<const uint8_t> bytes);

} // namespace vd
