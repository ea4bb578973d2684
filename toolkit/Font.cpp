#include "toolkit/Font.h"

#include <map>
#include <tuple>

namespace tk {
namespace {

auto key(const FontSpec& fontStyle) {
    return std::make_tuple(fontStyle.name, fontStyle.height, fontStyle.bold, fontStyle.italic,
                           fontStyle.underline, fontStyle.angle);
}

FontHandle createFont(const FontSpec& fontStyle) {
    return FontHandle(CreateFontW(-fontStyle.height, 0, fontStyle.angle, fontStyle.angle,
                                  fontStyle.bold ? FW_BOLD : FW_NORMAL, fontStyle.italic,
                                  fontStyle.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  fontStyle.name.c_str()));
}

} // namespace

bool FontSpec::operator==(const FontSpec& other) const {
    return key(*this) == key(other) && color == other.color;
}

Font::Font(const FontSpec& fontStyle) : style_(fontStyle), handle_(createFont(fontStyle)) {}

std::shared_ptr<const Font> Font::shared(const FontSpec& fontStyle) {
    static std::map<decltype(key(fontStyle)), std::weak_ptr<const Font>> cache;
    auto& slot = cache[key(fontStyle)];
    auto font = slot.lock();
    if (!font) {
        font = std::make_shared<const Font>(fontStyle);
        slot = font;
    }
    return font;
}

} // namespace tk
