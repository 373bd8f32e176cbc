#include "hiscore/MD5.h"

#include <cstring>

namespace {
// The initial chaining values.
constexpr std::uint32_t initialState[4] = {0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u};

// T[i] = floor(2^32 * |sin(i + 1)|), one per step.
constexpr std::uint32_t sineTable[64] = {
    0xd76aa478u, 0xe8c7b756u, 0x242070dbu, 0xc1bdceeeu, 0xf57c0fafu, 0x4787c62au, 0xa8304613u,
    0xfd469501u, 0x698098d8u, 0x8b44f7afu, 0xffff5bb1u, 0x895cd7beu, 0x6b901122u, 0xfd987193u,
    0xa679438eu, 0x49b40821u, 0xf61e2562u, 0xc040b340u, 0x265e5a51u, 0xe9b6c7aau, 0xd62f105du,
    0x02441453u, 0xd8a1e681u, 0xe7d3fbc8u, 0x21e1cde6u, 0xc33707d6u, 0xf4d50d87u, 0x455a14edu,
    0xa9e3e905u, 0xfcefa3f8u, 0x676f02d9u, 0x8d2a4c8au, 0xfffa3942u, 0x8771f681u, 0x6d9d6122u,
    0xfde5380cu, 0xa4beea44u, 0x4bdecfa9u, 0xf6bb4b60u, 0xbebfbc70u, 0x289b7ec6u, 0xeaa127fau,
    0xd4ef3085u, 0x04881d05u, 0xd9d4d039u, 0xe6db99e5u, 0x1fa27cf8u, 0xc4ac5665u, 0xf4292244u,
    0x432aff97u, 0xab9423a7u, 0xfc93a039u, 0x655b59c3u, 0x8f0ccc92u, 0xffeff47du, 0x85845dd1u,
    0x6fa87e4fu, 0xfe2ce6e0u, 0xa3014314u, 0x4e0811a1u, 0xf7537e82u, 0xbd3af235u, 0x2ad7d2bbu,
    0xeb86d391u};

// Left-rotation amounts: four per round, repeated over the round's 16 steps.
constexpr int shifts[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

constexpr std::uint32_t rotateLeft(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

// The round function and message-word index of step i (0..63).
std::uint32_t roundFunction(int i, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    switch (i / 16) {
    case 0:
        return (b & c) | (~b & d);
    case 1:
        return (b & d) | (c & ~d);
    case 2:
        return b ^ c ^ d;
    default:
        return c ^ (b | ~d);
    }
}

int wordIndex(int i) {
    switch (i / 16) {
    case 0:
        return i;
    case 1:
        return (5 * i + 1) % 16;
    case 2:
        return (3 * i + 5) % 16;
    default:
        return (7 * i) % 16;
    }
}

// Reads a 64-byte block as sixteen little-endian words.
void decodeBlock(const unsigned char* block, std::uint32_t words[16]) {
    for (int i = 0; i < 16; ++i)
        words[i] = static_cast<std::uint32_t>(block[4 * i]) |
                   static_cast<std::uint32_t>(block[4 * i + 1]) << 8 |
                   static_cast<std::uint32_t>(block[4 * i + 2]) << 16 |
                   static_cast<std::uint32_t>(block[4 * i + 3]) << 24;
}

void encodeWords(const std::uint32_t* words, int count, unsigned char* out) {
    for (int i = 0; i < count; ++i)
        for (int byte = 0; byte < 4; ++byte)
            out[4 * i + byte] = static_cast<unsigned char>(words[i] >> (8 * byte));
}

// The four rounds of sixteen steps over one block.
void transform(std::uint32_t state[4], const unsigned char* block) {
    std::uint32_t x[16];
    decodeBlock(block, x);
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t sum = a + roundFunction(i, b, c, d) + x[wordIndex(i)] + sineTable[i];
        const std::uint32_t next = b + rotateLeft(sum, shifts[i / 16][i % 4]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}
} // namespace

void MD5Init(MD5Context* context) {
    std::memcpy(context->state, initialState, sizeof initialState);
    context->count[0] = 0;
    context->count[1] = 0;
}

void MD5Update(MD5Context* context, const unsigned char* input, std::uint32_t length) {
    // Bytes already waiting in the buffer, from the bit count modulo 512.
    std::uint32_t index = (context->count[0] >> 3) & 0x3F;

    const std::uint32_t bitsLow = length << 3;
    context->count[0] += bitsLow;
    if (context->count[0] < bitsLow)
        ++context->count[1];
    context->count[1] += length >> 29;

    const std::uint32_t partLength = 64 - index;
    std::uint32_t i = 0;
    if (length >= partLength) {
        std::memcpy(&context->buffer[index], input, partLength);
        transform(context->state, context->buffer);
        for (i = partLength; i + 63 < length; i += 64)
            transform(context->state, &input[i]);
        index = 0;
    }
    if (length > i)
        std::memcpy(&context->buffer[index], &input[i], length - i);
}

void MD5Final(unsigned char digest[md5DigestSize], MD5Context* context) {
    // The bit count is taken before padding changes it.
    unsigned char bits[8];
    encodeWords(context->count, 2, bits);

    // One 0x80 byte, then zeros up to 56 bytes modulo 64.
    static const unsigned char padding[64] = {0x80};
    const std::uint32_t index = (context->count[0] >> 3) & 0x3F;
    const std::uint32_t padLength = index < 56 ? 56 - index : 120 - index;
    MD5Update(context, padding, padLength);
    MD5Update(context, bits, 8);

    encodeWords(context->state, 4, digest);
    std::memset(context, 0, sizeof *context);
}

void md5OfString(const char* text, unsigned char digest[md5DigestSize]) {
    MD5Context context;
    MD5Init(&context);
    MD5Update(&context, reinterpret_cast<const unsigned char*>(text),
              static_cast<std::uint32_t>(std::strlen(text)));
    MD5Final(digest, &context);
}

std::string md5Text(const unsigned char digest[md5DigestSize]) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(md5TextLength);
    for (int i = 0; i < md5DigestSize; ++i) {
        text += hexDigits[digest[i] >> 4];
        text += hexDigits[digest[i] & 0x0F];
    }
    return text;
}
