#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The high-score submission without the dialog: the checks and cuts of the two
// fields, the check value and the request address. The dialog copies its field
// texts in and out; everything here is plain C++ so it is tested without a display.

// The buffers the fields are read into, terminating NUL included: the name is
// read as at most 19 characters, the e-mail address as at most 59.
constexpr std::size_t nameBufferSize = 20;
constexpr std::size_t emailBufferSize = 60;
// What the fields accept while typing, in characters. The name field takes one
// more character than is read back.
constexpr int nameFieldLimit = 20;
constexpr int emailFieldLimit = 60;

// The texts of the dialog's two fields. The submission reads them and, when a
// check fails, writes the corrected text back.
struct SubmissionFields {
    std::string name;
    std::string email;
};

// Hands the finished request address to the web browser; true when it was handed over.
using AddressOpener = std::function<bool(const std::string& address)>;

// r = a * b + c from three successive draws of the game's generator (0 to
// 32767 each), so 0 <= r <= 32767 * 32767 + 32767, which fits in 32 bits.
std::int32_t drawSubmissionRandom();

// A field's text as read into a buffer of bufferSize bytes: up to the first NUL,
// at most bufferSize - 1 bytes.
std::string readField(std::string_view fieldText, std::size_t bufferSize);

// True when every byte is an ASCII letter or digit. Otherwise cuts the name at
// the first byte that is not (that byte and all after it go) and returns false.
bool checkName(std::string& name);

enum class EmailCheck {
    Accepted, // letters, digits, dots and exactly one '@'
    Cut,      // cut at the first byte that is not accepted
    NoAt,     // no '@' at all: the field is to be cleared
};
// Accepts ASCII letters, digits, '.' and one '@'; a second '@' is not accepted.
// Cuts the address at the first byte that is not accepted.
EmailCheck checkEmail(std::string& email);

// "113" + name + score + salt + r, no separators: the text the check value digests.
std::string checkText(const std::string& name, std::int32_t score, std::int32_t r);
// The MD5 of checkText as 32 lowercase hexadecimal digits.
std::string checkValue(const std::string& name, std::int32_t score, std::int32_t r);
// The score server's request: base address, "/score2003.php" and the query.
std::string requestAddress(const std::string& baseAddress, const std::string& name,
                           std::int32_t score, const std::string& email, std::int32_t r);

// One press of OK: draws r, reads and checks both fields (correcting them in
// `fields` when a check fails) and, when both pass and the name is not empty,
// hands the request address to `open`. Returns whether the address was handed
// over, which closes the dialog.
bool submitHighScore(SubmissionFields& fields, std::int32_t highScore,
                     const std::string& baseAddress, const AddressOpener& open);
