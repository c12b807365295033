#pragma once
// Helpers for byte-level expectations in the tests.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace testing_bytes {

inline std::string hex(std::span<const uint8_t> bytes)
{
    std::string out;
    char buffer[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? " %02x" : "%02x", bytes[i]);
        out += buffer;
    }
    return out;
}

} // namespace testing_bytes
