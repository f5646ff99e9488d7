#include "tools/radiosim/SimImage.h"

#include <fmt/format.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace vd::sim {

namespace {

constexpr std::string_view kImageMagic = "RCDB";
constexpr uint32_t kImageHeaderValue = 65467;
constexpr std::size_t kDeviceInfoOffset = 14;

} // namespace

Bytes blankImage(const SimModel& model) {
    Bytes image(model.imageSize, 0x00);
    if (model.family == Family::Gx5) {
        std::copy(kImageMagic.begin(), kImageMagic.end(), image.begin());
        for (int i = 0; i < 4; ++i) {
            image[4 + i] = static_cast<uint8_t>(kImageHeaderValue >> (8 * i));
        }
        std::copy(model.identity.begin(), model.identity.end(), image.begin() + kDeviceInfoOffset);
    }
    return image;
}

Bytes loadImage(const std::filesystem::path& file, const SimModel& model) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error(fmt::format("cannot read the image \"{}\"", file.string()));
    }
    Bytes image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw std::runtime_error(fmt::format("cannot read the image \"{}\"", file.string()));
    }
    if (model.family == Family::Gx5) {
        if (image.empty() || image.size() > kGx5MaxImageSize) {
            throw std::runtime_error(
                fmt::format("the image \"{}\" holds {} bytes; a {} holds 1 to {}", file.string(),
                            image.size(), model.name, kGx5MaxImageSize));
        }
    } else if (image.size() != model.imageSize) {
        throw std::runtime_error(fmt::format("the image \"{}\" holds {} bytes; a {} holds {}",
                                             file.string(), image.size(), model.name,
                                             model.imageSize));
    }
    return image;
}

void saveFileAtomically(const std::filesystem::path& file, const Bytes& bytes) {
    std::filesystem::path temporary = file;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error(fmt::format("cannot write \"{}\"", temporary.string()));
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        throw std::runtime_error(
            fmt::format("cannot write \"{}\": {}", file.string(), error.message()));
    }
}

} // namespace vd::sim
