#pragma once

// Binds one GLUT window to one object. GLUT only takes plain functions as
// callbacks, so the trampolines below forward every event to the object that
// activeApplication designates: the one constructed last.
class GlutApplication {
public:
    GlutApplication();
    virtual ~GlutApplication();

    GlutApplication(const GlutApplication&) = delete;
    GlutApplication& operator=(const GlutApplication&) = delete;

    virtual void init();
    virtual void display() = 0;
    virtual void reshape(int width, int height) = 0;
    // notLeftButton is false for the left button and true for any other.
    // y counts from the bottom edge of the window: the top row arrives as the
    // window height, the bottom row as 1.
    virtual void mouse(bool notLeftButton, int x, int y);
    virtual void motion(int x, int y);
    virtual void keyboard(unsigned char key);
    virtual void idle();

    // Opens the window, calls init once and enters the GLUT main loop, which
    // does not come back.
    void run(const char* title, bool doubleBuffer, int width, int height);
    void swapBuffers();
};

// Non-owning; null when no application object is alive.
extern GlutApplication* activeApplication;

// The GLUT callbacks that run registers.
void onDisplay();
void onReshape(int width, int height);
void onMouse(int button, int state, int x, int y);
void onMotion(int x, int y);
void onKeyboard(unsigned char key, int x, int y);
void onIdle();
