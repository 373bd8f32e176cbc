#include "platform/DialogTemplate.h"

#include <charconv>
#include <set>

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits one line into words and quoted texts. A '#' outside quotes ends the
// line. Returns false (with `error` set) for an unterminated quote or a bad escape.
bool tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error) {
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{"", true};
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    error = "text without closing quote";
                    return false;
                }
                char q = line[i++];
                if (q == '"')
                    break;
                if (q == '\\') {
                    if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
                        error = "unknown escape in text (only \\\" and \\\\ are allowed)";
                        return false;
                    }
                    q = line[i++];
                }
                token.text.push_back(q);
            }
            tokens.push_back(std::move(token));
        } else {
            std::size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' &&
                   line[end] != '\r' && line[end] != '"')
                ++end;
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end;
        }
    }
    return true;
}

bool toInt(const Token& token, int& value) {
    if (token.quoted || token.text.empty())
        return false;
    const char* first = token.text.data();
    const char* last = first + token.text.size();
    auto [end, status] = std::from_chars(first, last, value);
    return status == std::errc() && end == last;
}

std::optional<ControlKind> kindNamed(std::string_view word) {
    static constexpr std::pair<std::string_view, ControlKind> kinds[] = {
        {"button", ControlKind::Button}, {"radio", ControlKind::Radio},
        {"edit", ControlKind::Edit},     {"listbox", ControlKind::ListBox},
        {"static", ControlKind::Static}, {"groupbox", ControlKind::GroupBox},
    };
    for (const auto& [name, kind] : kinds)
        if (name == word)
            return kind;
    return std::nullopt;
}

std::uint32_t flagNamed(std::string_view word) {
    using namespace ControlStyle;
    static constexpr std::pair<std::string_view, std::uint32_t> flags[] = {
        {"default", Default}, {"tabstop", TabStop},         {"group", Group},
        {"border", Border},   {"vscroll", VScroll},         {"sort", Sort},
        {"notify", Notify},   {"nointegral", NoIntegral},   {"center", Center},
        {"vcenter", VCenter}, {"autohscroll", AutoHScroll}, {"nowrap", NoWrap},
    };
    for (const auto& [name, flag] : flags)
        if (name == word)
            return flag;
    return 0;
}

// Reads one control line; returns an error text, empty on success.
std::string parseControl(const std::vector<Token>& tokens, DialogControl& control) {
    if (tokens.size() < 7)
        return "a control needs: id kind x y width height \"text\" [flags]";
    if (tokens[0].text == "-" && !tokens[0].quoted)
        control.id = NoControlId;
    else if (!toInt(tokens[0], control.id) || control.id < 0)
        return "control id '" + tokens[0].text + "' is neither a number from 0 up nor '-'";
    auto kind = kindNamed(tokens[1].text);
    if (!kind || tokens[1].quoted)
        return "unknown control kind '" + tokens[1].text + "'";
    control.kind = *kind;
    int* numbers[] = {&control.x, &control.y, &control.width, &control.height};
    for (int n = 0; n < 4; ++n)
        if (!toInt(tokens[2 + n], *numbers[n]))
            return "'" + tokens[2 + n].text + "' is not a whole number";
    if (control.width < 0 || control.height < 0)
        return "a control's size may not be negative";
    if (!tokens[6].quoted)
        return "the control's text must be in double quotes";
    control.text = tokens[6].text;
    for (std::size_t t = 7; t < tokens.size(); ++t) {
        std::uint32_t flag = tokens[t].quoted ? 0 : flagNamed(tokens[t].text);
        if (flag == 0)
            return "unknown flag '" + tokens[t].text + "'";
        control.style |= flag;
    }
    return {};
}

// Reads a statement line (DIALOG, CAPTION, FONT, STYLE); returns an error text.
std::string parseStatement(const std::vector<Token>& tokens, DialogTemplate& dialog,
                           bool& sawDialog) {
    const std::string& word = tokens[0].text;
    if (word == "DIALOG") {
        if (tokens.size() != 4 || !toInt(tokens[1], dialog.id) || !toInt(tokens[2], dialog.width) ||
            !toInt(tokens[3], dialog.height))
            return "DIALOG needs: id width height";
        if (dialog.width <= 0 || dialog.height <= 0)
            return "the dialog's size must be positive";
        sawDialog = true;
    } else if (word == "CAPTION") {
        if (tokens.size() != 2 || !tokens[1].quoted)
            return "CAPTION needs one text in double quotes";
        dialog.caption = tokens[1].text;
    } else if (word == "FONT") {
        if (tokens.size() != 3 || !toInt(tokens[1], dialog.fontPoints) || dialog.fontPoints <= 0)
            return "FONT needs: points face";
        dialog.fontFace = tokens[2].text;
    } else if (word == "STYLE") {
        for (std::size_t t = 1; t < tokens.size(); ++t) {
            if (tokens[t].text != "closebox")
                return "unknown dialog style '" + tokens[t].text + "'";
            dialog.closeBox = true;
        }
    } else {
        return "unknown statement '" + word + "'";
    }
    return {};
}

bool isStatement(const Token& first) {
    return !first.quoted && !first.text.empty() && first.text[0] >= 'A' && first.text[0] <= 'Z';
}

} // namespace

const DialogControl* DialogTemplate::find(int controlId) const {
    if (controlId == NoControlId)
        return nullptr;
    for (const DialogControl& control : controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

TemplateResult parseDialogTemplate(std::string_view text, std::string_view name) {
    DialogTemplate dialog;
    bool sawDialog = false;
    std::set<int> ids;
    int lineNumber = 0;
    auto fail = [&](const std::string& what) {
        return TemplateResult{std::nullopt, std::string(name) + " line " +
                                                std::to_string(lineNumber) + ": " + what};
    };
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;

        std::vector<Token> tokens;
        std::string error;
        if (!tokenize(line, tokens, error))
            return fail(error);
        if (tokens.empty())
            continue;
        if (isStatement(tokens[0])) {
            error = parseStatement(tokens, dialog, sawDialog);
        } else {
            DialogControl control;
            error = parseControl(tokens, control);
            if (error.empty() && control.id != NoControlId && !ids.insert(control.id).second)
                error = "control id " + std::to_string(control.id) + " is used twice";
            if (error.empty())
                dialog.controls.push_back(std::move(control));
        }
        if (!error.empty())
            return fail(error);
    }
    if (!sawDialog)
        return {std::nullopt, std::string(name) + ": no DIALOG line"};
    return {std::move(dialog), {}};
}
