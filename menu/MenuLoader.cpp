#include "app/GLWindow.h"
#include "gfx/GLFont.h"
#include "menu/Menu.h"
#include "menu/MenuFileReader.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::int32_t kLabelMargin = 2; // pixels around each rendered text
constexpr std::int32_t kGlowPasses = 3;  // box-blur passes of the highlighted images

[[noreturn]] void fail(const char* text, const char* caption, BoxIcon icon) {
    messageBox(text, caption, icon);
    std::exit(1);
}

// A fraction of a window extent in whole pixels, truncated towards zero.
std::int32_t toPixels(std::int32_t extent, float fraction) {
    return static_cast<std::int32_t>(static_cast<float>(extent) * fraction);
}

std::unique_ptr<RGBAImage> renderLabel(const GLFont& font, const std::string& text) {
    auto image = std::make_unique<RGBAImage>();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    font.renderToImage(text.c_str(), kLabelMargin, *image);
    return image;
}

} // namespace

void Menu::build(const MenuDefinition& definition, const GLFont& font) {
    std::vector<MenuItem> built(definition.items.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        const MenuItemDefinition& item = definition.items[i];
        built[i].placeItem(toPixels(window.width, item.left), toPixels(window.height, item.bottom),
                           renderLabel(font, item.text), kGlowPasses);
        if (!item.hasToggles)
            continue;
        std::vector<std::unique_ptr<RGBAImage>> values;
        for (const std::string& value : item.toggles)
            values.push_back(renderLabel(font, value));
        built[i].setToggles(std::move(values), kGlowPasses,
                            toPixels(window.width, item.toggleOffset));
    }
    setItems(std::move(built));
}

void Menu::load(const char* path) {
    std::FILE* file = openDataFile(path, "r");
    if (file == nullptr)
        fail(kMenuOpenError, kMenuOpenCaption, BoxIcon::Warning);
    MenuReadResult result = readMenuDefinition(file);
    std::fclose(file);
    if (const auto* error = std::get_if<MenuFileError>(&result))
        fail(error->text.c_str(), error->caption, error->icon);
    const auto& definition = std::get<MenuDefinition>(result);
    GLFont font;
    font.create(window.deviceContext(), toPixels(window.height, definition.heightFraction),
                definition.faceName.c_str());
    build(definition, font);
    font.release();
}
