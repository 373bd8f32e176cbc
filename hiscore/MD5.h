#pragma once

#include <cstdint>
#include <string>

// The MD5 message digest (RFC 1321), in the shape of that document's reference
// interface: a context, an initialisation, an update that may be called any
// number of times, and a finalisation.

// The running state of one digest.
struct MD5Context {
    std::uint32_t state[4];   // chaining values A, B, C, D
    std::uint32_t count[2];   // bits processed so far, modulo 2^64, low word first
    unsigned char buffer[64]; // input not yet processed (fewer than 64 bytes between calls)
};

constexpr int md5DigestSize = 16; // bytes
constexpr int md5TextLength = 32; // hexadecimal digits of the text form

void MD5Init(MD5Context* context);
void MD5Update(MD5Context* context, const unsigned char* input, std::uint32_t length);
// Pads the message, appends the bit count and writes the 16-byte digest (the
// four state words, least significant byte first, A first). The whole context
// is then overwritten with zero bytes.
void MD5Final(unsigned char digest[md5DigestSize], MD5Context* context);

// The digest of a NUL-terminated text, without its terminating NUL.
void md5OfString(const char* text, unsigned char digest[md5DigestSize]);

// The 32-digit lowercase hexadecimal form of a digest ("%02x" sixteen times).
std::string md5Text(const unsigned char digest[md5DigestSize]);
