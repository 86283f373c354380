#include "OutFont.h"

#include <GL/gl.h>

#include <string>

namespace vortala {

void OutFont::Build(TextureHandle fontTexture) {
    texture_ = fontTexture;
    listBase_ = glGenLists(256);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, texture_);
    for (int g = 0; g < 256; ++g) {
        const float cx = static_cast<float>(g % 16) / 16.0f;
        const float cy = static_cast<float>(g / 16) / 16.0f;
        glNewList(listBase_ + g, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, cy + 0.05f), glVertex2i(0, 0);
        glTexCoord2f(cx, cy), glVertex2i(0, 30);
        glTexCoord2f(cx + 0.05f, cy), glVertex2i(26, 30);
        glTexCoord2f(cx + 0.05f, cy + 0.05f), glVertex2i(26, 0);
        glEnd();
        glTranslated(18, 0, 0);
        glEndList();
    }
}

void OutFont::Kill() {
    if (listBase_) glDeleteLists(listBase_, 256);
    listBase_ = 0;
}

void OutFont::Print(std::string_view text, int set, float x, float y, float scale) const {
    if (!listBase_) return;
    // Characters without a glyph draw as a blank so no list outside the 256 is ever called.
    std::string glyphs(text);
    for (char& c : glyphs) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u > 159) c = ' ';
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glPushMatrix();
    glTranslatef(x, y, 152.5f);
    glScalef(scale, scale, 1.0f);
    glPushAttrib(GL_LIST_BIT);
    glListBase(listBase_ - 32 + 128 * (set > 1 ? 1 : set));
    glCallLists(static_cast<GLsizei>(glyphs.size()), GL_UNSIGNED_BYTE, glyphs.data());
    glPopAttrib();
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

}  // namespace vortala
