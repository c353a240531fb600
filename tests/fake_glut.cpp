#include "fake_glut.h"

#include <GL/glut.h>

namespace fake_glut {

State& state()
{
    static State s;
    return s;
}

void reset() { state() = State{}; }

int& initCalls()
{
    static int count = 0;
    return count;
}

} // namespace fake_glut

using fake_glut::state;

void glutInit(int* argc, char** argv)
{
    state().calls.push_back("glutInit");
    ++fake_glut::initCalls();
    // A program name and nothing else.
    if (*argc != 1 || !argv[0] || argv[1]) {
        state().calls.push_back("glutInit with arguments");
    }
}
void glutInitDisplayMode(unsigned int mode)
{
    state().calls.push_back("glutInitDisplayMode");
    state().displayMode = mode;
}
void glutInitWindowSize(int width, int height)
{
    state().calls.push_back("glutInitWindowSize");
    state().windowWidth = width;
    state().windowHeight = height;
}
int glutCreateWindow(const char* title)
{
    state().calls.push_back("glutCreateWindow");
    state().title = title;
    return 1;
}
void glutDisplayFunc(void (*f)())
{
    state().calls.push_back("glutDisplayFunc");
    state().display = f;
}
void glutReshapeFunc(void (*f)(int, int))
{
    state().calls.push_back("glutReshapeFunc");
    state().reshape = f;
}
void glutMouseFunc(void (*f)(int, int, int, int))
{
    state().calls.push_back("glutMouseFunc");
    state().mouse = f;
}
void glutMotionFunc(void (*f)(int, int))
{
    state().calls.push_back("glutMotionFunc");
    state().motion = f;
}
void glutKeyboardFunc(void (*f)(unsigned char, int, int))
{
    state().calls.push_back("glutKeyboardFunc");
    state().keyboard = f;
}
void glutIdleFunc(void (*f)())
{
    state().calls.push_back("glutIdleFunc");
    state().idle = f;
}
void glutShowWindow() { state().calls.push_back("glutShowWindow"); }
void glutMainLoop()
{
    state().calls.push_back("glutMainLoop");
    if (state().mainLoop) {
        state().mainLoop();
    }
}
void glutSwapBuffers() { state().calls.push_back("glutSwapBuffers"); }
int glutGet(GLenum query)
{
    if (query != GLUT_WINDOW_HEIGHT) {
        return 0;
    }
    ++state().heightQueries;
    return state().windowHeightAnswer;
}
