#include "document/ImageFile.h"

#include "model/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vd {

ByteVector ReadImageFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        throw ValdrenCpsException(path + ": " + error.message(), FailureKind::Data);
    }
    if (size > kMaxImageFileSize) {
        throw ValdrenCpsException(path + ": too large for a radio's memory image",
                                  FailureKind::Data);
    }
    std::ifstream in(path, std::ios::binary);
    ByteVector image(static_cast<size_t>(size));
    if (!in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(size))) {
        throw ValdrenCpsException(path + ": cannot be read", FailureKind::Data);
    }
    return image;
}

void WriteImageFile(const std::string& path, const ByteVector& image) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        out.flush();
        if (!out) {
            // strerror may share one buffer between threads; the error code does not
            const std::string reason = std::error_code(errno, std::generic_category()).message();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw ValdrenCpsException(path + ": cannot be written (" + reason + ")",
                                      FailureKind::Data);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw ValdrenCpsException(path + ": cannot be written", FailureKind::Data);
    }
}

} // namespace vd
