#pragma once
// Small drawing helpers shared by the scene drawers.
#include <GL/gl.h>

namespace vortala::draw {

// A textured quad facing the viewer: texture (0, 1) at the lower left, (0, 0) at the upper left.
inline void Quad(float x0, float y0, float x1, float y1, float z = 0.0f) {
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 1), glVertex3f(x0, y0, z);
    glTexCoord2f(1, 1), glVertex3f(x1, y0, z);
    glTexCoord2f(1, 0), glVertex3f(x1, y1, z);
    glTexCoord2f(0, 0), glVertex3f(x0, y1, z);
    glEnd();
}

// A picture with alpha drawn over whatever is behind it, ignoring depth.
inline void BlendedPicture(GLuint texture, float x0, float y0, float x1, float y1, float z = 0.0f) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, texture);
    Quad(x0, y0, x1, y1, z);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// An opaque picture.
inline void OpaquePicture(GLuint texture, float x0, float y0, float x1, float y1, float z = 0.0f) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    Quad(x0, y0, x1, y1, z);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace vortala::draw
