// The start-up baseline: opens the demo's window and presents cleared frames.
#include <GL/glut.h>

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(512, 512);
    glutCreateWindow("Orvin Talasek, 461389");
    glutDisplayFunc([] {
        glClear(GL_COLOR_BUFFER_BIT);
        glutSwapBuffers();
    });
    glClearColor(0.9f, 0.9f, 0.9f, 1.0f);
    glutKeyboardFunc([](unsigned char, int, int) { exit(0); });
    glutMainLoop();
}
