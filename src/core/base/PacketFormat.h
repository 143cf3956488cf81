// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace qv {

// What a message format between two of the application's processes agrees on. Every packet
// starts with the version and a kind; numbers are little-endian.
struct PacketFormat {
    // Whose messages these are, as the refusal sentence names them ("The … message").
    const char* sender;
    std::uint8_t version;
    // A longer packet is refused unread.
    int maxMessageBytes;
    // Texts are cut to this many bytes, at a character boundary.
    int maxTextBytes;
    // Refuse a text that is not valid UTF-8 instead of replacing its damaged bytes.
    bool strictTexts = false;
};

} // namespace qv
