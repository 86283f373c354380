#include "Textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cctype>

#include "gfx/ImageDecode.h"
#include "platform/Resources.h"
#include "platform/Shell.h"

namespace vortala {

namespace {

// The catalogue in load order. cher.jpg is loaded twice: the wild animation needs two handles.
constexpr const char* kCatalogue[] = {
    "sundukoff.tga", "sundukon_0.tga", "sundukon_1.tga", "sundukon_2.tga", "bar_area.jpg", "attack.tga",
    "explot.jpg",    "kartabet.jpg",   "bar.tga",        "bar_cr.tga",     "bar_gcr.tga",  "ramk_o.tga",
    "pipka.tga",     "arrow.tga",      "br_left.tga",    "br_right.tga",   "br_die.tga",   "addarea.jpg",
    "bonusarea.jpg", "sbonarea.jpg",   "cardsd.tga",     "cardsb.tga",     "cardsr.tga",   "logo.jpg",
    "fire0.jpg",     "fire1.jpg",      "fire2.jpg",      "fire3.jpg",      "fire4.jpg",    "rbarea.jpg",
    "intfasex.jpg",  "coin.tga",       "coinarea.jpg",   "barab_c0.jpg",   "barab_c1.jpg", "barab_c2.jpg",
    "barab_c5.jpg",  "barab_b_j.jpg",  "barab_b_o.jpg",  "barab_b_rb.jpg", "ostr.jpg",     "del.jpg",
    "shark.jpg",     "tuk.jpg",        "rul.jpg",        "coin.jpg",       "bar.jpg",      "gal.jpg",
    "sun.jpg",       "cher.jpg",       "cher.jpg#2",     "cher1.jpg",      "cher2.jpg",    "cher3.jpg",
    "spritb1.jpg",   "crab.jpg",       "font.jpg",
};
constexpr const char* kSymbolPictures[11] = {"ostr.jpg", "crab.jpg", "del.jpg",  "shark.jpg",
                                             "tuk.jpg",  "rul.jpg",  "coin.jpg", "gal.jpg",
                                             "bar.jpg",  "sun.jpg",  "cher.jpg"};

}  // namespace

const char* SymbolPicture(int symbol) {
    return kSymbolPictures[symbol >= 0 && symbol < 11 ? symbol : 0];
}

namespace {

// The torch flames are painted on black, and the backdrops they stand on are not all that dark:
// their black is made see-through (alpha rising with brightness), so the flame, its glow and the
// torch stand on the backdrop with no dark box round them.
bool PaintedOnBlack(std::string_view picture) {
    return picture.size() == 9 && picture.substr(0, 4) == "fire" && picture.substr(5) == ".jpg";
}

void BlackToClear(Image& img) {
    if (img.channels != 4) return;
    constexpr int kClearBelow = 10, kSolidAbove = 50;  // JPEG noise on black stays clear
    for (std::size_t i = 0; i + 3 < img.pixels.size(); i += 4) {
        const int bright = std::max({img.pixels[i], img.pixels[i + 1], img.pixels[i + 2]});
        const int a = std::clamp((bright - kClearBelow) * 255 / (kSolidAbove - kClearBelow), 0, 255);
        img.pixels[i + 3] = static_cast<std::uint8_t>(a);
    }
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

TextureHandle CreateTexture(int width, int height, int channels, const std::uint8_t* pixels) {
    GLuint handle = 0;
    glGenTextures(1, &handle);
    glBindTexture(GL_TEXTURE_2D, handle);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (channels == 4)
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    else
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    return handle;
}

bool LoadTexture(std::string_view picture, TextureHandle& handle) {
    const std::string ext = picture.size() >= 4 ? Upper(picture.substr(picture.size() - 4)) : std::string();
    const bool jpeg = ext == ".JPG", tga = ext == ".TGA";
    if (!jpeg && !tga) return false;
    const auto resource = FindResource(picture, jpeg ? ResourceType::Jpeg : ResourceType::Tga);
    if (!resource) {
        ShowMessage(jpeg ? "JPG Texture" : "TGA Texture",
                    "File not found in resource - " + std::string(picture));
        return false;
    }
    DecodeResult decoded = jpeg ? DecodeJpeg(resource->data, resource->size, picture)
                                : DecodeTga(resource->data, resource->size, picture);
    if (!decoded.image) {
        ShowMessage(decoded.caption, decoded.message);
        return false;
    }
    Image& img = *decoded.image;
    if (PaintedOnBlack(picture)) BlackToClear(img);
    handle = CreateTexture(img.width, img.height, img.channels, img.pixels.data());
    return true;
}

void TextureCatalogue::Load() {
    for (const char* entry : kCatalogue) {
        std::string_view name(entry);
        const std::string key(name);
        name = name.substr(0, name.find('#'));
        TextureHandle handle = 0;
        if (LoadTexture(name, handle)) ++loaded_;
        byName_[key] = handle;
    }
    for (int s = 0; s < 11; ++s) SymbolTexture[s] = Get(kSymbolPictures[s]);
    CoinDrumTexture = {Get("barab_c0.jpg"), Get("barab_c1.jpg"), Get("barab_c2.jpg"), Get("barab_c5.jpg")};
    for (int f = 0; f < 27; ++f) {
        const std::string name = "bn" + std::to_string(f + 1) + ".jpg";
        TextureHandle handle = 0;
        if (LoadTexture(name, handle)) ++loaded_;
        byName_[name] = handle;
        BnFrameTexture[f] = handle;
    }
    for (int s = 0; s < 11; ++s) FaceTexture[s] = SymbolTexture[s];
    FaceTexture[11] = Get("cher.jpg#2");
    FaceTexture[12] = Get("cher1.jpg");
    FaceTexture[13] = Get("cher2.jpg");
    FaceTexture[14] = Get("cher3.jpg");
}

TextureHandle TextureCatalogue::Get(std::string_view picture) const {
    const auto it = byName_.find(std::string(picture));
    return it == byName_.end() ? 0 : it->second;
}

void SetupSceneLighting() {
    glEnable(GL_DEPTH_TEST);
    const GLfloat white0[] = {1, 1, 1, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, white0);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white0);
    const GLfloat diffuse[] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

}  // namespace vortala
