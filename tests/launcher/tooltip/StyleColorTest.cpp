#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <sstream>
#include <string>

#include "launcher/tooltip/core/ColorReader.h"
#include "launcher/tooltip/render/QtStyleSupport.h"

namespace quivlane {
namespace {

constexpr Rgb kCurrent{1, 2, 3};
constexpr Rgb kRed{255, 0, 0};

// The extended colour keywords of CSS Color Module Level 3, written out here on their own so
// that the reader's table is checked against something it was not generated from.
// Deliberate difference of the tips: darkseagreen has blue 0x8B.
constexpr const char* kCss3Colors = R"(
aliceblue #F0F8FF    antiquewhite #FAEBD7  aqua #00FFFF         aquamarine #7FFFD4
azure #F0FFFF        beige #F5F5DC         bisque #FFE4C4       black #000000
blanchedalmond #FFEBCD blue #0000FF        blueviolet #8A2BE2   brown #A52A2A
burlywood #DEB887    cadetblue #5F9EA0     chartreuse #7FFF00   chocolate #D2691E
coral #FF7F50        cornflowerblue #6495ED cornsilk #FFF8DC    crimson #DC143C
cyan #00FFFF         darkblue #00008B      darkcyan #008B8B     darkgoldenrod #B8860B
darkgray #A9A9A9     darkgreen #006400     darkkhaki #BDB76B    darkmagenta #8B008B
darkolivegreen #556B2F darkorange #FF8C00  darkorchid #9932CC   darkred #8B0000
darksalmon #E9967A   darkseagreen #8FBC8B  darkslateblue #483D8B darkslategray #2F4F4F
darkturquoise #00CED1 darkviolet #9400D3   deeppink #FF1493     deepskyblue #00BFFF
dimgray #696969      dodgerblue #1E90FF    firebrick #B22222    floralwhite #FFFAF0
forestgreen #228B22  fuchsia #FF00FF       gainsboro #DCDCDC    ghostwhite #F8F8FF
gold #FFD700         goldenrod #DAA520     gray #808080         green #008000
greenyellow #ADFF2F  honeydew #F0FFF0      hotpink #FF69B4      indianred #CD5C5C
indigo #4B0082       ivory #FFFFF0         khaki #F0E68C        lavender #E6E6FA
lavenderblush #FFF0F5 lawngreen #7CFC00    lemonchiffon #FFFACD lightblue #ADD8E6
lightcoral #F08080   lightcyan #E0FFFF     lightgoldenrodyellow #FAFAD2
lightgreen #90EE90   lightgrey #D3D3D3     lightpink #FFB6C1    lightsalmon #FFA07A
lightseagreen #20B2AA lightskyblue #87CEFA lightslategray #778899 lightsteelblue #B0C4DE
lightyellow #FFFFE0  lime #00FF00          limegreen #32CD32    linen #FAF0E6
magenta #FF00FF      maroon #800000        mediumaquamarine #66CDAA mediumblue #0000CD
mediumorchid #BA55D3 mediumpurple #9370DB  mediumseagreen #3CB371 mediumslateblue #7B68EE
mediumspringgreen #00FA9A mediumturquoise #48D1CC mediumvioletred #C71585
midnightblue #191970 mintcream #F5FFFA     mistyrose #FFE4E1    moccasin #FFE4B5
navajowhite #FFDEAD  navy #000080          oldlace #FDF5E6      olive #808000
olivedrab #6B8E23    orange #FFA500        orangered #FF4500    orchid #DA70D6
palegoldenrod #EEE8AA palegreen #98FB98    paleturquoise #AFEEEE palevioletred #DB7093
papayawhip #FFEFD5   peachpuff #FFDAB9     peru #CD853F         pink #FFC0CB
plum #DDA0DD         powderblue #B0E0E6    purple #800080       red #FF0000
rosybrown #BC8F8F    royalblue #4169E1     saddlebrown #8B4513  salmon #FA8072
sandybrown #F4A460   seagreen #2E8B57      seashell #FFF5EE     sienna #A0522D
silver #C0C0C0       skyblue #87CEEB       slateblue #6A5ACD    slategray #708090
snow #FFFAFA         springgreen #00FF7F   steelblue #4682B4    tan #D2B48C
teal #008080         thistle #D8BFD8       tomato #FF6347       turquoise #40E0D0
violet #EE82EE       wheat #F5DEB3         white #FFFFFF        whitesmoke #F5F5F5
yellow #FFFF00       yellowgreen #9ACD32
)";

TEST(StyleColorNames, AllHundredFortyNamesHaveTheirCss3Values) {
    const ColorReader reader(SystemColors{});
    std::istringstream in(kCss3Colors);
    std::string name;
    std::string hex;
    int count = 0;
    while (in >> name >> hex) {
        ASSERT_EQ(hex.size(), 7u) << name;
        const unsigned long value = std::stoul(hex.substr(1), nullptr, 16);
        const Rgb expected{static_cast<std::uint8_t>(value >> 16),
                           static_cast<std::uint8_t>((value >> 8) & 0xFF),
                           static_cast<std::uint8_t>(value & 0xFF)};
        Rgb got;
        ASSERT_TRUE(reader.TryParse(name, got)) << name;
        EXPECT_EQ(got, expected) << name;
        ++count;
    }
    EXPECT_EQ(count, 140);
    EXPECT_EQ(ColorReader::NamedColors().size(), 140u);
}

TEST(StyleColorNames, NamesAreCaseSensitiveAndUnknownNamesKeepTheColour) {
    const ColorReader reader(SystemColors{});
    EXPECT_EQ(reader.ColorValue("red", kCurrent), kRed);
    EXPECT_EQ(reader.ColorValue("Red", kCurrent), kCurrent);
    EXPECT_EQ(reader.ColorValue("lightgray", kCurrent), kCurrent) << "only lightgrey is known";
    EXPECT_EQ(reader.ColorValue("", kCurrent), kCurrent);
    EXPECT_EQ(reader.ColorValue("red ", kCurrent), kCurrent);
}

TEST(StyleColorValues, HashFormNeedsExactlySevenCharacters) {
    const ColorReader reader(SystemColors{});
    EXPECT_EQ(reader.ColorValue("#ff0000", kCurrent), kRed);
    EXPECT_EQ(reader.ColorValue("#FF9900", kCurrent), (Rgb{255, 153, 0}));
    EXPECT_EQ(reader.ColorValue("#fff", kCurrent), kCurrent);
    EXPECT_EQ(reader.ColorValue("#ff00000", kCurrent), kCurrent);
    EXPECT_EQ(reader.ColorValue("#", kCurrent), kCurrent);
    EXPECT_EQ(reader.ColorValue("#gg0000", kCurrent), kCurrent);
}

TEST(StyleColorValues, NumbersAreRawBlueGreenRedValues) {
    const ColorReader reader(SystemColors{});
    EXPECT_EQ(reader.ColorValue("255", kCurrent), kRed);
    EXPECT_EQ(reader.ColorValue("0xff0000", kCurrent), (Rgb{0, 0, 255}));
    EXPECT_EQ(reader.ColorValue("0x00ff00", kCurrent), (Rgb{0, 255, 0}));
    EXPECT_EQ(reader.ColorValue("0377", kCurrent), kRed) << "leading zero is octal";
    EXPECT_EQ(reader.ColorValue("0", kCurrent), kBlack);
    EXPECT_EQ(reader.ColorValue("16777215", kCurrent), kWhite);
    EXPECT_EQ(reader.ColorValue("0x1000000ff", kCurrent), kRed) << "the top byte is dropped";
    EXPECT_EQ(reader.ColorValue("99999999999999999999999", kCurrent), kWhite);
}

TEST(StyleColorDisabled, EveryColourBecomesTheDisabledColour) {
    ColorReader reader(ColorReader::DefaultSystemColors());
    EXPECT_EQ(reader.DisabledColor(), ColorReader::DefaultSystemColors().at("buttonshadow"));
    reader.SetEnabled(false);
    EXPECT_EQ(reader.ColorValue("red", kCurrent), reader.DisabledColor());
    EXPECT_EQ(reader.ColorValue("#00ff00", kCurrent), reader.DisabledColor());
    EXPECT_EQ(reader.ColorValue("255", kCurrent), reader.DisabledColor());
    reader.SetDisabledColor(Rgb{9, 9, 9});
    EXPECT_EQ(reader.ColorValue("navy", kCurrent), (Rgb{9, 9, 9}));
    reader.SetEnabled(true);
    EXPECT_EQ(reader.ColorValue("navy", kCurrent), (Rgb{0, 0, 128}));
}

TEST(StyleColorSystem, SystemNamesComeFromTheApplicationPalette) {
    const SystemColors system = QtStyleSupport::ApplicationSystemColors();
    for (const char* name : {"activeborder",   "activecaption",   "appworkspace",
                             "background",     "buttonface",      "buttonhighlight",
                             "buttonshadow",   "buttontext",      "captiontext",
                             "graytext",       "highlight",       "highlighttext",
                             "inactiveborder", "inactivecaption", "inactivecaptiontext",
                             "infobackground", "infotext",        "menu",
                             "menutext",       "scrollbar",       "threeddarkshadow",
                             "threedface",     "threedhighlight", "threedlightshadow",
                             "threedshadow",   "window",          "windowframe",
                             "windowtext"}) {
        EXPECT_EQ(system.count(name), 1u) << name;
    }
    EXPECT_EQ(system.size(), 28u);
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(system.at("buttonface"), QtStyleSupport::FromQColor(palette.color(QPalette::Button)));
    EXPECT_EQ(system.at("infobackground"),
              QtStyleSupport::FromQColor(palette.color(QPalette::ToolTipBase)));

    const ColorReader reader(system);
    EXPECT_EQ(reader.ColorValue("window", kCurrent), system.at("window"));
    EXPECT_EQ(reader.DisabledColor(), system.at("buttonshadow"));
    EXPECT_EQ(reader.ColorMap().size(), 140u + 28u);
}

}  // namespace
}  // namespace quivlane
