#include "hiscore/Submission.h"

#include "hiscore/MD5.h"
#include "platform/GameRandom.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

// Byte tests that never depend on the locale or on the sign of char.
bool isAsciiLetterOrDigit(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// printf-style formatting into a string of whatever length the result needs.
[[gnu::format(printf, 1, 2)]] std::string format(const char* pattern, ...) {
    std::va_list args;
    va_start(args, pattern);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, pattern, again);
    va_end(again);
    return text;
}
} // namespace

std::int32_t drawSubmissionRandom() {
    const std::int32_t a = drawGameRandom();
    const std::int32_t b = drawGameRandom();
    const std::int32_t c = drawGameRandom();
    return a * b + c;
}

std::string readField(std::string_view fieldText, std::size_t bufferSize) {
    const std::string_view untilNul = fieldText.substr(0, fieldText.find('\0'));
    return std::string(untilNul.substr(0, bufferSize == 0 ? 0 : bufferSize - 1));
}

bool checkName(std::string& name) {
    const auto bad = std::find_if(name.begin(), name.end(), [](char c) {
        return !isAsciiLetterOrDigit(static_cast<unsigned char>(c));
    });
    if (bad == name.end())
        return true;
    name.erase(bad, name.end());
    return false;
}

EmailCheck checkEmail(std::string& email) {
    int atSigns = 0;
    for (std::size_t i = 0; i < email.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(email[i]);
        const bool allowed = isAsciiLetterOrDigit(c) || c == '.' || (c == '@' && atSigns < 1);
        if (!allowed) {
            email.erase(i);
            return EmailCheck::Cut;
        }
        if (c == '@')
            ++atSigns;
    }
    return atSigns == 0 ? EmailCheck::NoAt : EmailCheck::Accepted;
}

std::string checkText(const std::string& name, std::int32_t score, std::int32_t r) {
    // The game identifier 113, then the name and score, the salt of ten
    // hexadecimal digits 73815290b7, and r.
    return format("113%s%d73815290b7%d", name.c_str(), static_cast<int>(score),
                  static_cast<int>(r));
}

std::string checkValue(const std::string& name, std::int32_t score, std::int32_t r) {
    unsigned char digest[md5DigestSize];
    md5OfString(checkText(name, score, r).c_str(), digest);
    return md5Text(digest);
}

std::string requestAddress(const std::string& baseAddress, const std::string& name,
                           std::int32_t score, const std::string& email, std::int32_t r) {
    // Nothing is escaped: after the checks the name holds only letters and
    // digits, the address only letters, digits, dots and one '@'.
    return baseAddress +
           format("/score2003.php?gid=113&player=%s&score=%d&email=%s&rand=%d&check=%s",
                  name.c_str(), static_cast<int>(score), email.c_str(), static_cast<int>(r),
                  checkValue(name, score, r).c_str());
}

bool submitHighScore(SubmissionFields& fields, std::int32_t highScore,
                     const std::string& baseAddress, const AddressOpener& open) {
    const std::int32_t r = drawSubmissionRandom();
    std::string name = readField(fields.name, nameBufferSize);
    std::string email = readField(fields.email, emailBufferSize);

    if (!checkName(name)) {
        fields.name = name;
        return false;
    }
    switch (checkEmail(email)) {
    case EmailCheck::Cut:
        fields.email = email;
        return false;
    case EmailCheck::NoAt:
        fields.email.clear();
        return false;
    case EmailCheck::Accepted:
        break;
    }
    if (name.empty())
        return false;
    return open(requestAddress(baseAddress, name, highScore, email, r));
}
