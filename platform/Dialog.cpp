#include "platform/Dialog.h"

#include "platform/DialogModel.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// 8 points at the desktop's 96 dots per inch is 11 pixels; below 13 pixels the
// toolkit's sans face reads poorly on a plain X screen, so that is the floor.
constexpr double PixelsPerPoint = 96.0 / 72.0;
constexpr int MinimumFontPixels = 13;
constexpr const char* AlphabetForWidth = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// FLTK reads '@' in a label as the start of a symbol; "@@" is a plain '@'.
std::string escapedLabel(std::string_view text) {
    std::string label;
    for (char c : text) {
        label.push_back(c);
        if (c == '@')
            label.push_back('@');
    }
    return label;
}

// A busy X server turns new connections away for a moment (the connect fails
// with EAGAIN), so the connection is tried for a second before the toolkit
// reports "Can't open display" and ends the program.
void openDisplay() {
    if (fl_display != nullptr)
        return;
    constexpr int Attempts = 20;
    constexpr auto Pause = std::chrono::milliseconds(50);
    const char* name = XDisplayName(nullptr);
    for (int attempt = 0; name != nullptr && *name != '\0' && attempt < Attempts; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) {
            fl_open_display(display);
            return;
        }
        std::this_thread::sleep_for(Pause);
    }
    fl_open_display();
}

bool isEnter(int key) {
    return key == FL_Enter || key == FL_KP_Enter;
}

// A push button; the default one has the dark outline that tells which button
// Enter presses.
class DialogButton : public Fl_Button {
  public:
    DialogButton(int x, int y, int w, int h, bool isDefault)
        : Fl_Button(x, y, w, h), isDefault_(isDefault) {}

    void draw() override {
        Fl_Button::draw();
        if (isDefault_) {
            fl_color(FL_BLACK);
            fl_rect(x(), y(), w(), h());
        }
    }

  private:
    bool isDefault_;
};

// A list box: single selection that stays, lines drawn exactly as given, and
// Enter and Escape left to the dialog.
class DialogListBox : public Fl_Hold_Browser {
  public:
    DialogListBox(int x, int y, int w, int h) : Fl_Hold_Browser(x, y, w, h) { format_char(0); }

    int handle(int event) override {
        if (event == FL_KEYBOARD && (isEnter(Fl::event_key()) || Fl::event_key() == FL_Escape))
            return 0;
        return Fl_Hold_Browser::handle(event);
    }
};

// Static text: its label drawn inside, with a small margin from a border.
class DialogLabel : public Fl_Box {
  public:
    using Fl_Box::Fl_Box;

    void draw() override {
        draw_box();
        constexpr int margin = 2;
        int inset = box() == FL_NO_BOX ? 0 : margin;
        draw_label(x() + inset, y(), w() - 2 * inset, h());
    }
};

// A group box: an engraved frame whose caption interrupts its top edge.
class DialogGroupBox : public Fl_Box {
  public:
    using Fl_Box::Fl_Box;

    void draw() override {
        fl_font(labelfont(), labelsize());
        int textHeight = fl_height();
        int top = y() + textHeight / 2;
        fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), color());
        if (label() == nullptr || *label() == '\0')
            return;
        int textX = x() + textHeight / 2;
        int textWidth = 0, unusedHeight = 0;
        measure_label(textWidth, unusedHeight);
        fl_color(color());
        fl_rectf(textX - 2, y(), textWidth + 4, textHeight);
        draw_label(textX, y(), textWidth, textHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }
};

} // namespace

struct Dialog::Entry {
    Dialog* owner = nullptr;
    DialogControl control;
    Fl_Widget* widget = nullptr;
    int radioGroup = -1; // radio buttons with the same number uncheck each other
};

// The window: routes Enter and Escape from every field to the dialog, and the
// close request to the dialog's close rule.
class DialogWindow : public Fl_Double_Window {
  public:
    DialogWindow(Dialog& dialog, int w, int h, const char* caption)
        : Fl_Double_Window(w, h, caption), dialog_(dialog) {}

    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
            int key = Fl::event_key();
            if (isEnter(key) || key == FL_Escape) {
                dialog_.onKey(key);
                return 1;
            }
        }
        return Fl_Double_Window::handle(event);
    }

  private:
    Dialog& dialog_;
};

int DialogBaseUnits::toPixelsX(int dialogUnits) const {
    return static_cast<int>(std::lround(dialogUnits * baseUnitX / 4.0));
}

int DialogBaseUnits::toPixelsY(int dialogUnits) const {
    return static_cast<int>(std::lround(dialogUnits * baseUnitY / 8.0));
}

DialogBaseUnits measureBaseUnits(int points, std::string_view face) {
    (void)face; // every template uses the toolkit's sans face
    openDisplay();
    DialogBaseUnits units;
    units.fontPixels =
        std::max(MinimumFontPixels, static_cast<int>(std::lround(points * PixelsPerPoint)));
    fl_font(FL_HELVETICA, units.fontPixels);
    // The average width of the 52 letters, rounded, as the desktop measures it.
    double alphabet = fl_width(AlphabetForWidth);
    units.baseUnitX = static_cast<int>((alphabet / 26.0 + 1.0) / 2.0);
    units.baseUnitY = fl_height();
    return units;
}

Dialog::Dialog(const DialogTemplate& dialogTemplate)
    : template_(dialogTemplate),
      units_(measureBaseUnits(dialogTemplate.fontPoints, dialogTemplate.fontFace)) {
    auto* window = new DialogWindow(*this, units_.toPixelsX(template_.width),
                                    units_.toPixelsY(template_.height), nullptr);
    window_.reset(window);
    window->copy_label(template_.caption.c_str());
    window->set_modal();
    window->callback([](Fl_Widget*, void* self) { static_cast<Dialog*>(self)->onClose(); }, this);

    std::vector<int> groups = radioGroups(template_);
    for (std::size_t i = 0; i < template_.controls.size(); ++i) {
        const DialogControl& control = template_.controls[i];
        auto entry = std::make_unique<Entry>();
        entry->owner = this;
        entry->control = control;
        int x = units_.toPixelsX(control.x), y = units_.toPixelsY(control.y);
        int w = units_.toPixelsX(control.width), h = units_.toPixelsY(control.height);
        bool border = control.has(ControlStyle::Border);
        Fl_Widget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Button:
            widget = new DialogButton(x, y, w, h, control.has(ControlStyle::Default));
            break;
        case ControlKind::Radio: {
            auto* radio = new Fl_Round_Button(x, y, w, h);
            radio->type(FL_TOGGLE_BUTTON);
            radio->down_box(FL_ROUND_DOWN_BOX);
            entry->radioGroup = groups[i];
            widget = radio;
            break;
        }
        case ControlKind::Edit: {
            auto* input = new Fl_Input(x, y, w, h);
            input->box(border ? FL_DOWN_BOX : FL_FLAT_BOX);
            input->textfont(FL_HELVETICA);
            input->textsize(units_.fontPixels);
            widget = input;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new DialogListBox(x, y, w, h);
            list->box(border ? FL_DOWN_BOX : FL_FLAT_BOX);
            list->has_scrollbar(control.has(ControlStyle::VScroll) ? Fl_Browser_::VERTICAL : 0);
            list->textfont(FL_HELVETICA);
            list->textsize(units_.fontPixels);
            list->when(FL_WHEN_CHANGED);
            widget = list;
            break;
        }
        case ControlKind::Static: {
            auto* label = new DialogLabel(x, y, w, h);
            label->box(border ? FL_BORDER_FRAME : FL_NO_BOX);
            label->color(FL_DARK3); // a frame box draws its outline in the widget colour
            Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
            align |= control.has(ControlStyle::Center) ? 0 : FL_ALIGN_LEFT;
            align |= control.has(ControlStyle::VCenter) ? 0 : FL_ALIGN_TOP;
            align |= control.has(ControlStyle::NoWrap) ? 0 : FL_ALIGN_WRAP;
            label->align(align);
            widget = label;
            break;
        }
        case ControlKind::GroupBox:
            widget = new DialogGroupBox(x, y, w, h);
            break;
        }
        widget->copy_label(escapedLabel(control.text).c_str());
        widget->labelfont(FL_HELVETICA);
        widget->labelsize(units_.fontPixels);
        if (!control.has(ControlStyle::TabStop))
            widget->clear_visible_focus();
        widget->callback(
            [](Fl_Widget*, void* data) {
                auto* e = static_cast<Entry*>(data);
                e->owner->onWidget(*e);
            },
            entry.get());
        entry->widget = widget;
        entries_.push_back(std::move(entry));
    }
    window->end();
}

Dialog::~Dialog() = default;

void Dialog::setCommandHandler(CommandHandler handler) {
    handler_ = std::move(handler);
}

void Dialog::command(int controlId) {
    if (handler_)
        handler_(controlId);
}

int Dialog::runModal() {
    int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, 0);
    window_->position(areaX + (areaW - window_->w()) / 2, areaY + (areaH - window_->h()) / 2);
    window_->show();
    while (window_->shown())
        Fl::wait();
    return result_;
}

void Dialog::end(int result) {
    result_ = result;
    window_->hide();
}

bool Dialog::isOpen() const {
    return window_->shown();
}

Dialog::Entry* Dialog::find(int controlId) const {
    if (controlId == NoControlId)
        return nullptr;
    for (const auto& entry : entries_)
        if (entry->control.id == controlId)
            return entry.get();
    return nullptr;
}

void Dialog::onWidget(Entry& entry) {
    switch (entry.control.kind) {
    case ControlKind::Button:
        break;
    case ControlKind::Radio:
        for (const auto& other : entries_)
            if (other->radioGroup == entry.radioGroup)
                static_cast<Fl_Button*>(other->widget)->value(other.get() == &entry);
        break;
    case ControlKind::ListBox:
        if (!entry.control.has(ControlStyle::Notify))
            return;
        break;
    default:
        return;
    }
    if (entry.control.id != NoControlId)
        command(entry.control.id);
}

void Dialog::onClose() {
    // The toolkit also calls the window's callback for an Escape that no widget
    // took; Escape is handled in DialogWindow before it gets here.
    if (template_.closeBox)
        command(2);
}

void Dialog::onKey(int key) {
    if (key == FL_Escape) {
        command(2);
        return;
    }
    for (const auto& entry : entries_)
        if (entry->widget == Fl::focus() && entry->control.kind == ControlKind::Button &&
            entry->control.id != NoControlId) {
            command(entry->control.id);
            return;
        }
    for (const auto& entry : entries_)
        if (entry->control.kind == ControlKind::Button &&
            entry->control.has(ControlStyle::Default) && entry->control.id != NoControlId) {
            command(entry->control.id);
            return;
        }
    command(1);
}

std::string Dialog::text(int controlId) const {
    Entry* entry = find(controlId);
    if (entry == nullptr)
        return {};
    switch (entry->control.kind) {
    case ControlKind::Edit: {
        const char* value = static_cast<Fl_Input*>(entry->widget)->value();
        return value ? value : "";
    }
    case ControlKind::ListBox:
        return {};
    default:
        return entry->control.text;
    }
}

void Dialog::setText(int controlId, std::string_view text) {
    Entry* entry = find(controlId);
    if (entry == nullptr || entry->control.kind == ControlKind::ListBox)
        return;
    if (entry->control.kind == ControlKind::Edit) {
        static_cast<Fl_Input*>(entry->widget)->value(std::string(text).c_str());
        return;
    }
    entry->control.text = text;
    entry->widget->copy_label(escapedLabel(text).c_str());
    // A label drawn without a box leaves its old text behind unless the
    // parent repaints the area.
    window_->damage(FL_DAMAGE_ALL, entry->widget->x(), entry->widget->y(), entry->widget->w(),
                    entry->widget->h());
    entry->widget->redraw();
}

void Dialog::setTextLimit(int controlId, int characters) {
    Entry* entry = find(controlId);
    if (entry != nullptr && entry->control.kind == ControlKind::Edit)
        static_cast<Fl_Input*>(entry->widget)->maximum_size(std::max(0, characters));
}

bool Dialog::checked(int controlId) const {
    Entry* entry = find(controlId);
    return entry != nullptr && entry->control.kind == ControlKind::Radio &&
           static_cast<Fl_Button*>(entry->widget)->value() != 0;
}

void Dialog::setChecked(int controlId, bool checked) {
    Entry* entry = find(controlId);
    if (entry != nullptr && entry->control.kind == ControlKind::Radio)
        static_cast<Fl_Button*>(entry->widget)->value(checked ? 1 : 0);
}

namespace {
// The list box widget of an entry, or nullptr when the entry is no list box.
Fl_Hold_Browser* listOf(const Dialog::Entry* entry) {
    if (entry == nullptr || entry->control.kind != ControlKind::ListBox)
        return nullptr;
    return static_cast<Fl_Hold_Browser*>(entry->widget);
}
} // namespace

int Dialog::addString(int controlId, std::string_view text) {
    Entry* entry = find(controlId);
    Fl_Hold_Browser* list = listOf(entry);
    if (list == nullptr)
        return -1;
    int lines = list->size();
    int index = lines;
    if (entry->control.has(ControlStyle::Sort))
        index = sortedInsertIndex(
            lines, [&](int i) { return std::string_view(list->text(i + 1)); }, text);
    list->insert(index + 1, std::string(text).c_str());
    return index;
}

int Dialog::count(int controlId) const {
    Fl_Hold_Browser* list = listOf(find(controlId));
    return list ? list->size() : 0;
}

std::string Dialog::itemText(int controlId, int index) const {
    Fl_Hold_Browser* list = listOf(find(controlId));
    if (list == nullptr || index < 0 || index >= list->size())
        return {};
    const char* line = list->text(index + 1);
    return line ? line : "";
}

int Dialog::selection(int controlId) const {
    Fl_Hold_Browser* list = listOf(find(controlId));
    return list ? list->value() - 1 : -1;
}

void Dialog::select(int controlId, int index) {
    Fl_Hold_Browser* list = listOf(find(controlId));
    if (list == nullptr)
        return;
    if (index < 0 || index >= list->size())
        list->deselect();
    else
        list->select(index + 1);
}

void Dialog::deleteString(int controlId, int index) {
    Fl_Hold_Browser* list = listOf(find(controlId));
    if (list == nullptr || index < 0 || index >= list->size())
        return;
    list->remove(index + 1);
    list->deselect();
}

void Dialog::focus(int controlId) {
    if (Entry* entry = find(controlId))
        entry->widget->take_focus();
}

Fl_Window* Dialog::window() {
    return window_.get();
}

Fl_Widget* Dialog::widget(int controlId) {
    Entry* entry = find(controlId);
    return entry ? entry->widget : nullptr;
}
