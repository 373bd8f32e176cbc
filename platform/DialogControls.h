#pragma once

// What a dialog procedure does to its dialog, addressed by control id. The FLTK
// dialog (platform/Dialog.h) and the in-memory DialogModel (platform/DialogModel.h,
// for tests without a display) both implement it, so a dialog procedure written
// against this interface runs unchanged in either.

#include <string>
#include <string_view>

class DialogControls {
  public:
    virtual ~DialogControls() = default;

    // Edit fields: the typed text. Buttons, radio buttons, static texts and group
    // boxes: their label. List boxes: "". An unknown id reads "" and writes nothing.
    virtual std::string text(int controlId) const = 0;
    virtual void setText(int controlId, std::string_view text) = 0;
    // Edit fields: the most characters the user can type (setText is not limited).
    virtual void setTextLimit(int controlId, int characters) = 0;

    // Radio buttons: the check mark (setChecked does not touch the others).
    virtual bool checked(int controlId) const = 0;
    virtual void setChecked(int controlId, bool checked) = 0;

    // List boxes, lines counted from 0. addString inserts in case-insensitive
    // alphabetical order after equal lines for a `sort` list box, at the end
    // otherwise, and returns the line's index (-1 for an id that is no list
    // box). selection() is -1 when no line is selected; select(-1) clears the
    // selection. Removing a line clears the selection. Out-of-range indexes
    // read "" and change nothing.
    virtual int addString(int controlId, std::string_view text) = 0;
    virtual int count(int controlId) const = 0;
    virtual std::string itemText(int controlId, int index) const = 0;
    virtual int selection(int controlId) const = 0;
    virtual void select(int controlId, int index) = 0;
    virtual void deleteString(int controlId, int index) = 0;

    // Closes the dialog; its modal loop returns `result`.
    virtual void end(int result) = 0;
};

// The order of a sorted list box: byte-wise, ignoring ASCII letter case.
bool listOrderBefore(std::string_view a, std::string_view b);

// Where a sorted list box puts `text`: before the first line that sorts after it,
// so equal lines keep the order they were added in.
template <class LineAt> int sortedInsertIndex(int lineCount, LineAt lineAt, std::string_view text) {
    int index = 0;
    while (index < lineCount && !listOrderBefore(text, lineAt(index)))
        ++index;
    return index;
}
