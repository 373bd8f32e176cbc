#include "hiscore/Submission.h"
#include "ExternalMd5.h"
#include "platform/GameRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr const char* base = "http://scores.test";
constexpr std::int32_t score = 4321;

// Records every address handed over instead of starting a browser.
struct RecordingOpener {
    std::vector<std::string> addresses;
    bool succeeds = true;
    AddressOpener opener() {
        return [this](const std::string& address) {
            addresses.push_back(address);
            return succeeds;
        };
    }
};

// r as three draws of a generator seeded with `seed` make it, after `skip` draws.
std::int32_t expectedRandom(std::uint32_t seed, int skip) {
    seedGameRandom(seed);
    for (int i = 0; i < skip; ++i)
        drawGameRandom();
    return drawSubmissionRandom();
}

struct PressCase {
    const char* what;
    std::string nameIn, emailIn;
    bool sent;
    std::string nameAfter, emailAfter; // the field texts once OK was handled
    std::string nameSent, emailSent;   // what the address carries; empty when nothing is sent
};

const std::vector<PressCase> pressCases = {
    {"plain", "Alice", "alice@example.org", true, "Alice", "alice@example.org", "Alice",
     "alice@example.org"},
    {"two words keep the first", "John Smith", "j@x.cz", false, "John", "j@x.cz", "", ""},
    {"UTF-8 letter cut before it", "Jos\xC3\xA9", "j@x.cz", false, "Jos", "j@x.cz", "", ""},
    {"byte 128 at the start",
     "\x80"
     "abc",
     "j@x.cz", false, "", "j@x.cz", "", ""},
    {"byte 255 inside",
     "ab\xFF"
     "cd",
     "j@x.cz", false, "ab", "j@x.cz", "", ""},
    {"punctuation in the name", "a.b", "j@x.cz", false, "a", "j@x.cz", "", ""},
    {"two at signs cut before the second", "Bob", "a@b@c.cz", false, "Bob", "a@b", "", ""},
    {"no at sign clears the address", "Bob", "bob.example.org", false, "Bob", "", "", ""},
    {"empty address clears it", "Bob", "", false, "Bob", "", "", ""},
    {"underscore", "Bob", "bob_x@y.cz", false, "Bob", "bob", "", ""},
    {"hyphen", "Bob", "bob@my-host.cz", false, "Bob", "bob@my", "", ""},
    {"plus", "Bob", "bob+tag@y.cz", false, "Bob", "bob", "", ""},
    {"blank in the address", "Bob", "bob @y.cz", false, "Bob", "bob", "", ""},
    {"lone at sign is sent", "Bob", "@", true, "Bob", "@", "Bob", "@"},
    {"twenty characters send nineteen", "ABCDEFGHIJKLMNOPQRST", "a@b.c", true,
     "ABCDEFGHIJKLMNOPQRST", "a@b.c", "ABCDEFGHIJKLMNOPQRS", "a@b.c"},
    {"the unread twentieth character is not checked", "ABCDEFGHIJKLMNOPQRS ", "a@b.c", true,
     "ABCDEFGHIJKLMNOPQRS ", "a@b.c", "ABCDEFGHIJKLMNOPQRS", "a@b.c"},
    {"bad name stops before the address is checked", "a b", "no-at", false, "a", "no-at", "", ""},
    {"empty name changes nothing", "", "a@b.c", false, "", "a@b.c", "", ""},
    {"empty name after the address check", "", "abc", false, "", "", "", ""},
    {"address read as 59 characters", "Bob", std::string(55, 'x') + "@y.czQQ", true, "Bob",
     std::string(55, 'x') + "@y.czQQ", "Bob", std::string(55, 'x') + "@y.c"},
};
} // namespace

TEST(Submission, OnePressChecksCutsAndSends) {
    for (const PressCase& c : pressCases) {
        SCOPED_TRACE(c.what);
        const std::int32_t r = expectedRandom(77, 0);
        seedGameRandom(77);
        SubmissionFields fields{c.nameIn, c.emailIn};
        RecordingOpener browser;
        EXPECT_EQ(submitHighScore(fields, score, base, browser.opener()), c.sent);
        EXPECT_EQ(fields.name, c.nameAfter);
        EXPECT_EQ(fields.email, c.emailAfter);
        if (!c.sent) {
            EXPECT_TRUE(browser.addresses.empty());
            continue;
        }
        ASSERT_EQ(browser.addresses.size(), 1u);
        EXPECT_EQ(browser.addresses[0], requestAddress(base, c.nameSent, score, c.emailSent, r));
    }
}

TEST(Submission, FirstWordIsSentOnTheSecondPress) {
    seedGameRandom(5);
    SubmissionFields fields{"John Smith", "john@x.cz"};
    RecordingOpener browser;
    EXPECT_FALSE(submitHighScore(fields, score, base, browser.opener()));
    EXPECT_EQ(fields.name, "John");
    EXPECT_TRUE(submitHighScore(fields, score, base, browser.opener()));
    ASSERT_EQ(browser.addresses.size(), 1u);
    EXPECT_EQ(browser.addresses[0],
              requestAddress(base, "John", score, "john@x.cz", expectedRandom(5, 3)));
}

TEST(Submission, EveryPressDrawsThreeNumbersAndSendsTheLast) {
    seedGameRandom(12345);
    SubmissionFields fields{"Eve Doe", "eve.example.org"};
    RecordingOpener browser;
    EXPECT_FALSE(submitHighScore(fields, score, base, browser.opener())); // name cut
    EXPECT_FALSE(submitHighScore(fields, score, base, browser.opener())); // address cleared
    fields.email = "eve@example.org";
    EXPECT_TRUE(submitHighScore(fields, score, base, browser.opener()));
    const int afterThreePresses = drawGameRandom();

    const std::int32_t r = expectedRandom(12345, 6);
    EXPECT_EQ(drawGameRandom(), afterThreePresses) << "nine draws in all";
    ASSERT_EQ(browser.addresses.size(), 1u);
    EXPECT_EQ(browser.addresses[0], requestAddress(base, "Eve", score, "eve@example.org", r));
}

TEST(Submission, ABrowserThatCannotBeStartedKeepsTheDialogOpen) {
    SubmissionFields fields{"Alice", "a@b.c"};
    RecordingOpener browser;
    browser.succeeds = false;
    EXPECT_FALSE(submitHighScore(fields, score, base, browser.opener()));
    EXPECT_EQ(browser.addresses.size(), 1u);
    EXPECT_EQ(fields.name, "Alice");
    EXPECT_EQ(fields.email, "a@b.c");
}

TEST(Submission, RandomNumberCoversTheProductRange) {
    // Three draws a, b, c give a * b + c; the largest possible value still fits.
    seedGameRandom(99);
    const int a = drawGameRandom(), b = drawGameRandom(), c = drawGameRandom();
    seedGameRandom(99);
    EXPECT_EQ(drawSubmissionRandom(), a * b + c);
    EXPECT_LE(std::int64_t{32767} * 32767 + 32767, std::int64_t{INT32_MAX});
}

TEST(Submission, CheckValueIsTheMd5OfTheCheckTextAsMd5sumSeesIt) {
    struct CheckCase {
        std::string name;
        std::int32_t score;
        std::int32_t r;
        std::string text;
    };
    const std::vector<CheckCase> cases = {
        {"Player1", 12345, 98765432, "113Player11234573815290b798765432"},
        {"A", 1, 0, "113A173815290b70"},
        {"ABCDEFGHIJKLMNOPQRS", 2147483647, 1073709056,
         "113ABCDEFGHIJKLMNOPQRS214748364773815290b71073709056"},
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(checkText(c.name, c.score, c.r), c.text);
        const std::string outside = externalMd5(c.text);
        ASSERT_EQ(outside.size(), 32u) << "md5sum could not be run";
        EXPECT_EQ(checkValue(c.name, c.score, c.r), outside) << c.text;
    }
}

TEST(Submission, RequestAddressIsExact) {
    // The check value below is `printf '%s' 113Player11234573815290b798765432 | md5sum`;
    // the test also recomputes it with md5sum so the constant cannot drift.
    const std::string check = "53300c1131ab792e8d842b9f2ce266a2";
    ASSERT_EQ(externalMd5("113Player11234573815290b798765432"), check);
    EXPECT_EQ(requestAddress("http://hiscore.example.net", "Player1", 12345, "p1@mail.example.net",
                             98765432),
              "http://hiscore.example.net/score2003.php?gid=113&player=Player1&score=12345"
              "&email=p1@mail.example.net&rand=98765432&check=" +
                  check);
}

TEST(Submission, FieldsAreReadIntoTheirBuffers) {
    struct ReadCase {
        std::string field;
        std::size_t buffer;
        std::string read;
    };
    const std::vector<ReadCase> cases = {
        {"short", nameBufferSize, "short"},
        {std::string(25, 'n'), nameBufferSize, std::string(19, 'n')},
        {std::string(70, 'e'), emailBufferSize, std::string(59, 'e')},
        {std::string("ab\0cd", 5), nameBufferSize, "ab"},
        {"anything", 0, ""},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(readField(c.field, c.buffer), c.read);
}
