#pragma once

// Dialog templates: a dialog described as a table of controls in a small text
// file (resources/*.dlg), read here into plain data. Nothing in this header needs
// a display; platform/Dialog.h turns a template into FLTK widgets.
//
// How a program uses a dialog:
//
//   #include "platform/Dialog.h"
//   #include "resources/setupTemplateText.h"    // text embedded by resources/CMakeLists.txt
//
//   TemplateResult parsed = parseDialogTemplate(setupTemplateText(), "setup.dlg");
//   if (!parsed.dialog) { report parsed.error; exit 1; }
//   Dialog dialog(*parsed.dialog);                // builds the window and its widgets
//   dialog.setCommandHandler([&](int id) {        // buttons, Enter, Escape, close box
//       if (id == 1008) dialog.end(1008);
//   });
//   dialog.setText(1006, "32");                   // edit field, static text, caption of a button
//   dialog.addString(1013, "a.mod");              // sorted list boxes insert in order
//   int result = dialog.runModal();               // centred, returns what end() was given
//
// Link the library `veldrin_dialogs`. Embedding a template: add one line
// `veldrin_embed_template(<target> <file.dlg> <functionName>)` to
// resources/CMakeLists.txt; it makes a library <target> whose header
// "resources/<functionName>.h" declares `const char* <functionName>()`. (A
// resources/hiscore.dlg is embedded already as target veldrin_hiscore_template,
// function hiscoreTemplateText, once the file exists.)
//
// The text format (documented again at the top of every template file):
//   - one statement a line; blank lines and lines starting with '#' are ignored;
//   - DIALOG <id> <width> <height>       size of the client area in dialog units
//   - CAPTION "<text>"                   the title bar
//   - FONT <points> <face>               the dialog font; face "sans" is the toolkit's
//                                        sans-serif face
//   - STYLE <flag>...                    closebox: the window has a close box, which
//                                        sends command 2 as Escape does; without it a
//                                        request to close the window is ignored
//   - then one control a line, in tab order:
//       <id> <kind> <x> <y> <width> <height> "<text>" [flag...]
//     id: a number, or '-' for a control that sends no command;
//     kind: button, radio, edit, listbox, static, groupbox;
//     x, y, width, height: dialog units from the client area's top-left corner;
//     text: in double quotes, with \" and \\ as the only escapes;
//     flags: default (the button Enter presses), tabstop, group (first radio
//       button of a group), border, vscroll, sort (list box keeps its lines in
//       case-insensitive alphabetical order), notify, nointegral, center
//       (horizontally centred text), vcenter (vertically centred text),
//       autohscroll, nowrap.
//   Dialog units: x pixels = x * baseUnitX / 4, y pixels = y * baseUnitY / 8,
//   where the base units are the average character width and the height of the
//   dialog font.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ControlKind { Button, Radio, Edit, ListBox, Static, GroupBox };

// Style flags of a control, as a bit set.
namespace ControlStyle {
constexpr std::uint32_t Default = 1u << 0;      // the push button that Enter presses
constexpr std::uint32_t TabStop = 1u << 1;      // reachable with the Tab key
constexpr std::uint32_t Group = 1u << 2;        // starts a new group of radio buttons
constexpr std::uint32_t Border = 1u << 3;       // drawn with a sunken frame
constexpr std::uint32_t VScroll = 1u << 4;      // list box with a vertical scroll bar
constexpr std::uint32_t Sort = 1u << 5;         // list box inserts in alphabetical order
constexpr std::uint32_t Notify = 1u << 6;       // list box reports selection changes
constexpr std::uint32_t NoIntegral = 1u << 7;   // list box keeps its exact height
constexpr std::uint32_t Center = 1u << 8;       // text centred horizontally
constexpr std::uint32_t VCenter = 1u << 9;      // text centred vertically
constexpr std::uint32_t AutoHScroll = 1u << 10; // edit field scrolls sideways as typed
constexpr std::uint32_t NoWrap = 1u << 11;      // static text kept on one line
} // namespace ControlStyle

constexpr int NoControlId = -1; // the id of a control written as '-'

struct DialogControl {
    int id = NoControlId;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    std::uint32_t style = 0;                 // ControlStyle bits

    bool has(std::uint32_t flag) const { return (style & flag) != 0; }
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0, height = 0; // client area, dialog units
    int fontPoints = 8;
    std::string fontFace = "sans";
    bool closeBox = false;
    std::vector<DialogControl> controls; // in tab order

    // The control with this id, or nullptr (also for NoControlId).
    const DialogControl* find(int controlId) const;
};

struct TemplateResult {
    std::optional<DialogTemplate> dialog; // empty when the text is not a valid template
    std::string error;                    // "<name> line <n>: <what is wrong>" on failure
};

// Reads a template from its text. `name` only labels error messages. A template
// needs a DIALOG line with a positive size; controls need a known kind and flags,
// four numbers and a quoted text, and ids may not repeat.
TemplateResult parseDialogTemplate(std::string_view text, std::string_view name);
