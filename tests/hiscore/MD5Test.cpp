#include "hiscore/MD5.h"
#include "ExternalMd5.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {
std::string digestOf(const std::string& bytes) {
    MD5Context context;
    MD5Init(&context);
    MD5Update(&context, reinterpret_cast<const unsigned char*>(bytes.data()),
              static_cast<std::uint32_t>(bytes.size()));
    unsigned char digest[md5DigestSize];
    MD5Final(digest, &context);
    return md5Text(digest);
}

std::string textDigest(const char* text) {
    unsigned char digest[md5DigestSize];
    md5OfString(text, digest);
    return md5Text(digest);
}

// Bytes that cover the whole byte range, those from 128 up included, so a
// signed-char slip in the block decoding shows.
std::string patternBytes(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return bytes;
}

struct KnownDigest {
    const char* text;
    const char* digest;
};

// The test suite printed in RFC 1321, appendix A.5.
const std::vector<KnownDigest> rfcSuite = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"1234567890123456789012345678901234567890123456789012345678901234567890123456789"
     "0",
     "57edf4a22be3c955ac49da2e2107b67a"},
};
} // namespace

TEST(MD5, ReproducesTheRfcSuiteThroughTheTextFunction) {
    for (const KnownDigest& known : rfcSuite)
        EXPECT_EQ(textDigest(known.text), known.digest) << '"' << known.text << '"';
}

// 55 bytes leave room for the 0x80 byte and the count in one block; 56 to 63
// push the count into a second block; 64 and 65 start a second block of data.
TEST(MD5, PadsEveryLengthAroundTheBlockBoundaryLikeMd5sum) {
    for (std::size_t length : {0, 1, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 1000}) {
        const std::string bytes = patternBytes(length);
        const std::string expected = externalMd5(bytes);
        ASSERT_EQ(expected.size(), 32u) << "md5sum could not be run";
        EXPECT_EQ(digestOf(bytes), expected) << length << " bytes";
    }
}

TEST(MD5, UpdatesSplitAnywhereGiveTheDigestOfOneCall) {
    const std::string message = patternBytes(300);
    const std::string whole = digestOf(message);
    const std::vector<std::vector<std::uint32_t>> splits = {
        {1, 63, 64, 172},     // fill the buffer exactly, then whole blocks
        {63, 2, 0, 235},      // one byte short of a block, then across it; an empty update
        {0, 128, 172},        // two whole blocks straight from the input
        {55, 1, 8, 100, 136}, // around the padding boundary
        {3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 21},
    };
    for (const auto& split : splits) {
        ASSERT_EQ(std::accumulate(split.begin(), split.end(), 0u), message.size());
        MD5Context context;
        MD5Init(&context);
        std::size_t offset = 0;
        for (std::uint32_t piece : split) {
            MD5Update(&context, reinterpret_cast<const unsigned char*>(message.data()) + offset,
                      piece);
            offset += piece;
        }
        unsigned char digest[md5DigestSize];
        MD5Final(digest, &context);
        EXPECT_EQ(md5Text(digest), whole) << "split starting with " << split.front();
    }
}

TEST(MD5, FinalLeavesOnlyZeroBytesInTheContext) {
    MD5Context context;
    MD5Init(&context);
    const std::string bytes = patternBytes(70);
    MD5Update(&context, reinterpret_cast<const unsigned char*>(bytes.data()), 70);
    unsigned char digest[md5DigestSize];
    MD5Final(digest, &context);
    const auto* raw = reinterpret_cast<const unsigned char*>(&context);
    for (std::size_t i = 0; i < sizeof context; ++i)
        EXPECT_EQ(raw[i], 0) << "byte " << i;
}

TEST(MD5, BitCountCarriesFromTheLowWordIntoTheHighWord) {
    MD5Context context;
    MD5Init(&context);
    // As if 2^29 - 1 bytes (2^32 - 8 bits) had been processed already.
    context.count[0] = 0xFFFFFFF8u;
    const unsigned char byte = 'x';
    MD5Update(&context, &byte, 1);
    EXPECT_EQ(context.count[0], 0u);
    EXPECT_EQ(context.count[1], 1u);
}

TEST(MD5, TextFormIsLowercaseWithLeadingZeros) {
    const unsigned char digest[md5DigestSize] = {0x00, 0x01, 0x0a, 0xff, 0x10, 0xab, 0xcd, 0xef,
                                                 0x7f, 0x80, 0x09, 0x90, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(md5Text(digest), "00010aff10abcdef7f80099012345678");
}
