#include "launcher/tooltip/render/HtmlImage.h"

#include <algorithm>
#include <cstdlib>

#include "launcher/tooltip/core/StyleSheet.h"
#include "launcher/tooltip/render/DrawManager.h"
#include "launcher/tooltip/render/HtmlResourceResolver.h"

namespace quivlane {

namespace {

int Number(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
}

// A length, a percentage of base by default; markup may ask for absurd sizes.
int Side(const HtmlToken& tag, const char* name, int base, const StyleSheet& sheet,
         const LengthContext& lengths) {
    const std::string* value = tag.Find(name);
    const int side = value == nullptr ? base : sheet.LengthValue(*value, base, false, lengths);
    return std::clamp(side, 0, HtmlImage::kMaxSide);
}

}  // namespace

unsigned HtmlImage::EffectLetters(const std::string& letters, bool& shadow) {
    unsigned flags = 0;
    shadow = false;
    for (char c : letters) {
        switch (c) {
            case 'g':
                flags |= DrawManager::kEffectGrey;
                break;
            case 'd':
                flags |= DrawManager::kEffectDarken;
                break;
            case 'l':
                flags |= DrawManager::kEffectLighten;
                break;
            case 's':
                shadow = true;
                break;
            default:
                break;
        }
    }
    return flags;
}

HtmlImage HtmlImage::Load(const HtmlToken& tag, HtmlTagCode code,
                          const HtmlResourceResolver& resolver, const StyleSheet& sheet,
                          const LengthContext& lengths) {
    HtmlImage image;
    image.code = code;

    // The first source attribute present decides, even when it yields nothing.
    QImage picture;
    if (const std::string* id = tag.Find("idres")) {
        picture =
            code == HtmlTagCode::Icon ? resolver.Icon(Number(*id)) : resolver.Bitmap(Number(*id));
    } else if (const std::string* file = tag.Find("file")) {
        picture = resolver.File(*file);
    } else if (const std::string* dllId = tag.Find("iddll")) {
        if (const std::string* module = tag.Find("srcdll")) {
            picture = resolver.ModuleBitmap(*module, Number(*dllId));
        }
    } else if (const std::string* handle = tag.Find("handle")) {
        picture = resolver.Handle(std::strtoull(handle->c_str(), nullptr, 0));
    }
    // "index" on an icon names the drawer's image list, which this system never sets.
    if (picture.isNull() || picture.width() > kMaxSide || picture.height() > kMaxSide) {
        return image;
    }

    if (const std::string* mask = tag.Find("mask")) {
        image.useMask = true;
        if (!sheet.Colors().TryParse(*mask, image.mask)) {
            image.mask = Rgb{255, 0, 255};
        }
    }
    if (const std::string* style = tag.Find("style")) {
        image.effects = EffectLetters(*style, image.shadow);
        image.hotEffects = image.effects;
        image.hotShadow = image.shadow;
    }
    if (const std::string* hot = tag.Find("hotstyle")) {
        image.hotEffects = EffectLetters(*hot, image.hotShadow);
    }

    switch (code) {
        case HtmlTagCode::Icon: {
            image.icon = Icon::FromImage(picture);
            const int w = Side(tag, "width", kSystemIconSize, sheet, lengths);
            const int h = Side(tag, "height", kSystemIconSize, sheet, lengths);
            image.size = QSize(w, h);
            break;
        }
        case HtmlTagCode::ImageList: {
            const std::string* cx = tag.Find("cx");
            const std::string* cy = tag.Find("cy");
            int fw = cx == nullptr ? 0 : Number(*cx);
            int fh = cy == nullptr ? 0 : Number(*cy);
            if (cx == nullptr && cy == nullptr) {
                fw = fh = std::min(picture.width(), picture.height());
            } else if (cx == nullptr) {
                fw = fh;
            } else if (cy == nullptr) {
                fh = fw;
            }
            if (fw <= 0 || fh <= 0) {
                return image;
            }
            image.frameWidth = fw;
            image.frameHeight = fh;
            image.frameCount = (picture.width() / fw) * (picture.height() / fh);
            if (const std::string* index = tag.Find("index")) {
                image.frameIndex = Number(*index);
            }
            if (const std::string* speed = tag.Find("speed")) {
                image.speed = Number(*speed);
            }
            image.size = QSize(Side(tag, "width", fw, sheet, lengths),
                               Side(tag, "height", fh, sheet, lengths));
            image.bitmap = picture;
            break;
        }
        default:
            image.size = QSize(Side(tag, "width", picture.width(), sheet, lengths),
                               Side(tag, "height", picture.height(), sheet, lengths));
            image.bitmap = picture;
            break;
    }
    return image;
}

}  // namespace quivlane
