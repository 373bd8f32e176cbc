#include "setup/ErrorBox.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace {
constexpr int FontPixels = 14;
constexpr int Margin = 12;
constexpr int IconSize = 40;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 26;
} // namespace

void showErrorBox(const char* text, const char* caption) {
    fl_font(FL_HELVETICA, FontPixels);
    int textW = 0, textH = 0;
    fl_measure(text, textW, textH, 0);
    int contentH = std::max(IconSize, textH);
    int width = std::max(3 * Margin + IconSize + textW, 2 * Margin + ButtonWidth);
    int height = 3 * Margin + contentH + ButtonHeight;

    Fl_Window box(width, height, caption);
    auto* icon = new Fl_Box(Margin, Margin, IconSize, IconSize, "!");
    icon->box(FL_THIN_UP_BOX);
    icon->labelfont(FL_TIMES_BOLD);
    icon->labelsize(34);
    icon->labelcolor(FL_BLUE);
    icon->color(FL_WHITE);
    auto* message = new Fl_Box(2 * Margin + IconSize, Margin, textW, contentH, text);
    message->labelsize(FontPixels);
    message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    // The one button: Enter and Escape both press it, as the desktop's OK box does.
    auto* ok = new Fl_Return_Button((width - ButtonWidth) / 2, height - Margin - ButtonHeight,
                                    ButtonWidth, ButtonHeight, "OK");
    ok->labelsize(FontPixels);
    ok->callback([](Fl_Widget* button, void*) { button->window()->hide(); });
    box.callback([](Fl_Widget* window, void*) { window->hide(); }); // Escape, close box
    box.end();
    box.set_modal();

    int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, 0);
    box.position(areaX + (areaW - width) / 2, areaY + (areaH - height) / 2);
    box.show();
    while (box.shown())
        Fl::wait();
}
