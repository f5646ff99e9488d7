#pragma once
// Memory maps in tests/data: where a radio keeps each value. A codec test sets one value to
// its zero and to its largest form, encodes both, and compares the bits that changed with the
// map: a field moved, widened or cut shows there, which no encode-decode round trip can see.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vdtest {

/// The words of each line of a table in tests/data; comments (#) and blank lines skipped.
inline std::vector<std::vector<std::string>> ReadDataTable(const std::string& fileName) {
    const char* folder = std::getenv("VALDREN_TEST_DATA");
    std::ifstream file(std::string(folder ? folder : "tests/data") + "/" + fileName);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream stream(line);
        std::vector<std::string> words;
        for (std::string word; stream >> word;) {
            words.push_back(word);
        }
        if (!words.empty() && !words.front().starts_with('#')) {
            rows.push_back(words);
        }
    }
    return rows;
}

/// A value's zero and largest form, and the bytes that change between them from its first byte.
struct ValueLayout {
    std::string low, high;
    std::vector<std::uint8_t> change;
};

/// The layout of a map's bits word: "3-5" bits 3 to 5 of one byte; "2B" a number of two whole
/// bytes; "16T" a text of 16 characters, cut to that width; or one of the family's own kinds.
inline ValueLayout LayoutOf(const std::string& bits,
                            const std::map<std::string, ValueLayout>& ownKinds = {}) {
    if (const auto own = ownKinds.find(bits); own != ownKinds.end()) {
        return own->second;
    }
    const unsigned count = static_cast<unsigned>(std::stoul(bits));
    if (bits.ends_with('T')) {
        return {"", std::string(40, 'W'), std::vector<std::uint8_t>(count, 'W')};
    }
    if (bits.ends_with('B')) {
        return {"0", "4294967295", std::vector<std::uint8_t>(count, 0xFF)};
    }
    const unsigned last = static_cast<unsigned>(std::stoul(bits.substr(bits.find('-') + 1)));
    return {
        "0", "4294967295", {static_cast<std::uint8_t>(((2u << last) - 1) & ~((1u << count) - 1))}};
}

/// The bytes of `size` from `offset` that differ between two encodings (one bit per change).
template <typename Bytes>
std::vector<std::uint8_t> ChangedBits(const Bytes& low, const Bytes& high, std::size_t offset,
                                      std::size_t size) {
    std::vector<std::uint8_t> change(size);
    for (std::size_t k = 0; k < size; ++k) {
        change[k] = low.at(offset + k) ^ high.at(offset + k);
    }
    return change;
}

} // namespace vdtest
