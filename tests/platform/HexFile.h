// Reads the annotated hex dumps under tests/data: bytes as hex pairs, '#' starts a comment.
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvik::test {

inline std::vector<std::uint8_t> readHexFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open test data file " + path);
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word) {
            if (word.size() != 2) throw std::runtime_error("bad hex byte '" + word + "' in " + path);
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
        }
    }
    return bytes;
}

inline std::string descriptorFile(const std::string& name) {
    return std::string(TARVIK_TEST_DATA) + "/descriptors/" + name + ".hex";
}

}  // namespace tarvik::test
