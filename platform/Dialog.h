#pragma once

// A modal dialog built with FLTK from a DialogTemplate (platform/DialogTemplate.h,
// which also shows a complete example). Controls are addressed by their template
// id, the way a dialog procedure addresses them; FLTK types stay inside the
// builder, except for widget(), the escape hatch for anything not covered here.
//
// Commands: the handler set with setCommandHandler receives the id of
//   - a push button or radio button that was pressed (radio buttons in one group
//     uncheck each other first, as automatic radio buttons do);
//   - a list box with the `notify` flag whose selection changed;
//   - the Enter key, pressed anywhere: the focused push button, else the
//     `default` button, else 1;
//   - the Escape key, pressed anywhere: 2;
//   - the window's close box, only when the template says `STYLE closebox`: 2.
//     Without that style a request to close the window is ignored (FLTK cannot
//     remove just the close button on every window manager, so the button stays
//     but does nothing).
// Edits send nothing. The dialog stays open until the handler calls end().
//
// Needs a display: the constructor opens the X connection and ends the process
// with FLTK's "Can't open display" message when there is none.

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Fl_Widget;
class Fl_Window;

// The pixel sizes of the dialog font that dialog units are measured in.
struct DialogBaseUnits {
    int fontPixels = 0; // size the toolkit draws the dialog font at
    int baseUnitX = 0;  // average character width, pixels
    int baseUnitY = 0;  // line height, pixels

    int toPixelsX(int dialogUnits) const;
    int toPixelsY(int dialogUnits) const;
};

// Measures the base units of `face` at `points` from the toolkit's font metrics.
// The font is drawn at least at a readable minimum size, so on a low-resolution
// screen the whole dialog grows with it rather than shrinking its text.
DialogBaseUnits measureBaseUnits(int points, std::string_view face);

class Dialog : public DialogControls {
  public:
    using CommandHandler = std::function<void(int controlId)>;

    explicit Dialog(const DialogTemplate& dialogTemplate);
    ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    void setCommandHandler(CommandHandler handler);
    // Delivers a command as if the control had been used.
    void command(int controlId);

    // Shows the dialog centred on the screen and runs the event loop until end()
    // is called; returns the result given to end().
    int runModal();
    void end(int result) override;
    bool isOpen() const;

    // The controls, as DialogControls describes them.
    std::string text(int controlId) const override;
    void setText(int controlId, std::string_view text) override;
    void setTextLimit(int controlId, int characters) override;
    bool checked(int controlId) const override;
    void setChecked(int controlId, bool checked) override;
    int addString(int controlId, std::string_view text) override;
    int count(int controlId) const override;
    std::string itemText(int controlId, int index) const override;
    int selection(int controlId) const override;
    void select(int controlId, int index) override;
    void deleteString(int controlId, int index) override;

    void focus(int controlId);

    const DialogBaseUnits& baseUnits() const { return units_; }
    Fl_Window* window();
    Fl_Widget* widget(int controlId);

    struct Entry; // a control and its widget, shared with the widget callbacks

  private:
    Entry* find(int controlId) const;
    void onWidget(Entry& entry);
    void onClose();
    void onKey(int key);

    DialogTemplate template_;
    DialogBaseUnits units_;
    std::unique_ptr<Fl_Window> window_;
    std::vector<std::unique_ptr<Entry>> entries_;
    CommandHandler handler_;
    int result_ = 0;

    friend class DialogWindow;
};
