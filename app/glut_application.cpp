#include "glut_application.h"

#include <GL/glut.h>

#include <cstdlib>

GlutApplication* activeApplication = nullptr;

GlutApplication::GlutApplication() { activeApplication = this; }

// Clears the pointer whichever object it holds: one object lives at a time.
GlutApplication::~GlutApplication() { activeApplication = nullptr; }

void GlutApplication::init() {}
void GlutApplication::mouse(bool, int, int) {}
void GlutApplication::motion(int, int) {}
void GlutApplication::keyboard(unsigned char) {}
void GlutApplication::idle() {}

namespace {

// freeglut refuses to create a window before glutInit. The program's own
// arguments are not handed on: only a program name for GLUT's messages.
void initialiseGlutOnce(const char* programName)
{
    static bool initialised = false;
    if (initialised) {
        return;
    }
    initialised = true;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    int argc = 1;
    glutInit(&argc, argv);
}

void createWindow(const char* title)
{
#ifdef _WIN32
    // Lets GLUT end the process through this program's own exit.
    __glutCreateWindowWithExit(title, std::exit);
#else
    glutCreateWindow(title);
#endif
}

} // namespace

void GlutApplication::run(const char* title, bool doubleBuffer, int width, int height)
{
    initialiseGlutOnce(title);
    glutInitDisplayMode(GLUT_RGB | (doubleBuffer ? GLUT_DOUBLE : GLUT_SINGLE));
    glutInitWindowSize(width, height);
    createWindow(title);
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutKeyboardFunc(onKeyboard);
    glutIdleFunc(onIdle);
    glutShowWindow();
    init();
    glutMainLoop();
}

void GlutApplication::swapBuffers() { glutSwapBuffers(); }

// Every trampoline reads activeApplication anew and ignores the event when no
// application object is alive.

void onDisplay()
{
    if (activeApplication) {
        activeApplication->display();
    }
}

void onReshape(int width, int height)
{
    if (activeApplication) {
        activeApplication->reshape(width, height);
    }
}

void onMouse(int button, int state, int x, int y)
{
    if (state != GLUT_DOWN || !activeApplication) {
        return;
    }
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    activeApplication->mouse(button != GLUT_LEFT_BUTTON, x, height - y);
}

void onMotion(int x, int y)
{
    if (!activeApplication) {
        return;
    }
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    activeApplication->motion(x, height - y);
}

void onKeyboard(unsigned char key, int, int)
{
    if (activeApplication) {
        activeApplication->keyboard(key);
    }
}

void onIdle()
{
    if (activeApplication) {
        activeApplication->idle();
    }
}
