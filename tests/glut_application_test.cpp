#include "fake_glut.h"
#include "glut_application.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records what reaches each operation, in order.
class RecordingApplication : public GlutApplication {
public:
    std::vector<std::string> events;

    void init() override { events.push_back("init"); }
    void display() override { events.push_back("display"); }
    void reshape(int w, int h) override { events.push_back("reshape " + std::to_string(w) + " " + std::to_string(h)); }
    void mouse(bool notLeft, int x, int y) override
    {
        events.push_back(std::string("mouse ") + (notLeft ? "other " : "left ") + std::to_string(x) + " " + std::to_string(y));
    }
    void motion(int x, int y) override { events.push_back("motion " + std::to_string(x) + " " + std::to_string(y)); }
    void keyboard(unsigned char key) override { events.push_back("keyboard " + std::to_string(key)); }
    void idle() override { events.push_back("idle"); }
};

// Keeps the base's empty input operations.
class MinimalApplication : public GlutApplication {
public:
    int displays = 0;
    void display() override { ++displays; }
    void reshape(int, int) override {}
};

class GlutApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { fake_glut::reset(); }
    fake_glut::State& glut() { return fake_glut::state(); }
};

TEST_F(GlutApplicationTest, RunOpensTheWindowRegistersAndCallsInitBeforeTheLoop)
{
    RecordingApplication app;
    glut().mainLoop = [&] { app.events.push_back("loop"); };
    app.run("Title, 1", true, 512, 300);

    // GLUT is initialised once per process, ahead of everything else.
    EXPECT_EQ(fake_glut::initCalls(), 1);
    if (!glut().calls.empty() && glut().calls.front() == "glutInit") {
        glut().calls.erase(glut().calls.begin());
    }
    const std::vector<std::string> expected{"glutInitDisplayMode", "glutInitWindowSize", "glutCreateWindow", "glutDisplayFunc",
                                            "glutReshapeFunc",     "glutMouseFunc",      "glutMotionFunc",
                                            "glutKeyboardFunc",    "glutIdleFunc",       "glutShowWindow",
                                            "glutMainLoop"};
    EXPECT_EQ(glut().calls, expected);
    EXPECT_EQ(glut().displayMode, static_cast<unsigned>(GLUT_RGB | GLUT_DOUBLE));
    EXPECT_EQ(glut().displayMode, 2u);
    EXPECT_EQ(glut().windowWidth, 512);
    EXPECT_EQ(glut().windowHeight, 300);
    EXPECT_EQ(glut().title, "Title, 1");
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "loop"}));
}

TEST_F(GlutApplicationTest, SingleBufferedModeIsZero)
{
    MinimalApplication app;
    app.run("t", false, 10, 10);
    EXPECT_EQ(glut().displayMode, 0u);
}

TEST_F(GlutApplicationTest, InitRunsOnceBeforeAnyReshapeOrDisplay)
{
    RecordingApplication app;
    glut().mainLoop = [&] {
        glut().reshape(512, 512);
        glut().display();
        glut().idle();
    };
    app.run("t", true, 512, 512);
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "reshape 512 512", "display", "idle"}));
}

TEST_F(GlutApplicationTest, TrampolinesForwardEveryEventToTheActiveObject)
{
    RecordingApplication app;
    app.run("t", true, 512, 512);

    glut().reshape(800, 400);
    glut().keyboard('x', 17, 33);
    glut().keyboard(255, 0, 0);
    glut().display();
    glut().idle();
    EXPECT_EQ(app.events,
              (std::vector<std::string>{"init", "reshape 800 400", "keyboard 120", "keyboard 255", "display", "idle"}));
}

TEST_F(GlutApplicationTest, MousePressesArriveWithAFlagAndFlippedY)
{
    RecordingApplication app;
    app.run("t", true, 512, 512);
    app.events.clear();

    glut().mouse(GLUT_LEFT_BUTTON, GLUT_UP, 5, 5);
    glut().mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 5, 5);
    EXPECT_TRUE(app.events.empty());
    EXPECT_EQ(glut().heightQueries, 0) << "a release asks GLUT nothing";

    glut().mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 7, 0);
    glut().mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 7, 511);
    glut().mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 100);
    glut().mouse(5, GLUT_DOWN, 1, 1);
    EXPECT_EQ(app.events, (std::vector<std::string>{"mouse left 7 512", "mouse other 7 1", "mouse other 0 412",
                                                    "mouse other 1 511"}));
}

TEST_F(GlutApplicationTest, TheHeightIsAskedAtEveryEvent)
{
    RecordingApplication app;
    app.run("t", true, 512, 512);
    app.events.clear();

    glut().motion(3, 0);
    glut().windowHeightAnswer = 300;
    glut().mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 3, 0);
    glut().motion(4, -10);
    glut().motion(4, 310);
    EXPECT_EQ(app.events, (std::vector<std::string>{"motion 3 512", "mouse left 3 300", "motion 4 310", "motion 4 -10"}));
    EXPECT_EQ(glut().heightQueries, 4);
}

TEST_F(GlutApplicationTest, BaseInputOperationsDoNothing)
{
    MinimalApplication app;
    app.run("t", true, 512, 512);
    glut().mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    glut().motion(1, 1);
    glut().keyboard('a', 0, 0);
    glut().idle();
    EXPECT_EQ(app.displays, 0);
}

TEST_F(GlutApplicationTest, SwapBuffersSwapsAndNothingElse)
{
    MinimalApplication app;
    app.swapBuffers();
    EXPECT_EQ(glut().calls, (std::vector<std::string>{"glutSwapBuffers"}));
}

TEST_F(GlutApplicationTest, TheLastConstructedObjectWinsAndDestructionClearsThePointer)
{
    EXPECT_EQ(activeApplication, nullptr);
    auto first = std::make_unique<RecordingApplication>();
    EXPECT_EQ(activeApplication, first.get());
    first->run("t", true, 512, 512);

    auto second = std::make_unique<RecordingApplication>();
    EXPECT_EQ(activeApplication, second.get());
    glut().keyboard('x', 0, 0);
    EXPECT_EQ(second->events, (std::vector<std::string>{"keyboard 120"}));
    EXPECT_EQ(first->events, (std::vector<std::string>{"init"}));

    // Destroying the older object clears the pointer all the same.
    first.reset();
    EXPECT_EQ(activeApplication, nullptr);
    glut().keyboard('x', 0, 0);
    glut().mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    glut().motion(1, 1);
    glut().display();
    glut().reshape(1, 1);
    glut().idle();
    EXPECT_EQ(second->events.size(), 1u) << "with no active object the events are ignored";
    second.reset();
    EXPECT_EQ(activeApplication, nullptr);
}

} // namespace
