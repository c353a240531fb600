#include "alpha_test_demo.h"

#include "rim_vertex.h"

#include <GL/glu.h>

AlphaTestDemo::AlphaTestDemo(const char* imageFileName)
    : zoom(1.5), imageFileName(imageFileName), alphaTestEnabled(true), alphaThreshold(0.5), rotating(false)
{
}

// The pixel buffer and the texture live until the process ends.
AlphaTestDemo::~AlphaTestDemo() = default;

void AlphaTestDemo::init()
{
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);

    // Replaced by the first reshape; multiplied onto the fresh identity.
    glMatrixMode(GL_PROJECTION);
    gluPerspective(60.0, 1.0, 2.0, 50.0);

    // The camera is set once; the spin accumulates on top of it.
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    glClearColor(0.9f, 0.9f, 0.9f, 1.0f);

    createAlphaTexture();
}

void AlphaTestDemo::reshape(int width, int height)
{
    windowWidth = width;
    windowHeight = height;

    glMatrixMode(GL_PROJECTION);
    // One pixel short in each direction: the right-most column and the top
    // row keep the clear colour.
    glViewport(0, 0, width - 1, height - 1);
    glLoadIdentity();
    gluPerspective(40.0, static_cast<double>(width) / height, 2.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
}

void AlphaTestDemo::display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawDisc();
    swapBuffers();
}

void AlphaTestDemo::drawDisc()
{
    if (alphaTestEnabled) {
        glAlphaFunc(GL_GEQUAL, static_cast<GLfloat>(alphaThreshold));
        glEnable(GL_ALPHA_TEST);
    } else {
        glDisable(GL_ALPHA_TEST);
    }

    glPushMatrix();
    glRotatef(60.0f, 1.0f, 0.0f, 0.0f);
    glScaled(zoom, zoom, zoom);

    glBegin(GL_TRIANGLE_FAN);
    glColor3f(1.0f, 1.0f, 1.0f);
    glTexCoord2f(0.5f, 0.5f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < rimVertexCount; ++i) {
        const RimVertex v = rimVertex(i);
        glColor3f(static_cast<GLfloat>(v.red), static_cast<GLfloat>(v.green), static_cast<GLfloat>(v.blue));
        glTexCoord2f(static_cast<GLfloat>(v.s), static_cast<GLfloat>(v.t));
        glVertex3f(static_cast<GLfloat>(v.x), static_cast<GLfloat>(v.y), 0.0f);
    }
    glEnd();

    glPopMatrix();
}
