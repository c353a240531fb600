// The GL call stream of the real program, recorded by apitrace.
#include "gl_trace.h"
#include "mask_files.h"
#include "running_demo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr double pi = 3.14159265358979323846;

// Leaves out what GLUT itself calls: the GLX bookkeeping around callbacks,
// and the glFlush of glutSwapBuffers. The swap stays: it ends each frame.
std::vector<GlCall> withoutGlut(const std::vector<GlCall>& calls)
{
    std::vector<GlCall> kept;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::string& name = calls[i].name;
        const bool glx = name.rfind("glX", 0) == 0 && name != "glXSwapBuffers";
        const bool swapFlush = name == "glFlush" && i + 1 < calls.size() && calls[i + 1].name == "glXSwapBuffers";
        if (!glx && !swapFlush) {
            kept.push_back(calls[i]);
        }
    }
    return kept;
}

bool sameFloat(const std::string& printed, double expected)
{
    const double seen = std::strtod(printed.c_str(), nullptr);
    const double wanted = static_cast<float>(expected);
    return std::fabs(seen - wanted) <= 1e-6 * std::fmax(1.0, std::fabs(wanted));
}

bool isSpinStep(const GlCall& c)
{
    return c.name == "glRotatef" && sameFloat(c.argument("angle"), 0.5) && sameFloat(c.argument("x"), 0) &&
           sameFloat(c.argument("y"), 1) && sameFloat(c.argument("z"), 0);
}

// The 122 vertices of the fan as the test works them out: the white centre,
// then the rim at 0, 3, ..., 360 degrees.
struct ExpectedVertex {
    double colour[3], texture[2], position[3];
};

std::vector<ExpectedVertex> expectedFan()
{
    std::vector<ExpectedVertex> fan{{{1, 1, 1}, {0.5, 0.5}, {0, 0, 0}}};
    for (int degrees = 0; degrees <= 360; degrees += 3) {
        const double hue = degrees / 120.0;
        const double f = hue - std::floor(hue);
        ExpectedVertex v{};
        if (degrees == 360) {
            v = {{1, 0, 0}, {}, {}};
        } else if (hue >= 2) {
            v = {{f, 0, 1 - f}, {}, {}};
        } else if (hue >= 1) {
            v = {{0, 1 - f, f}, {}, {}};
        } else {
            v = {{1 - f, f, 0}, {}, {}};
        }
        const double a = degrees * pi / 180;
        v.texture[0] = (std::cos(a) + 1) / 2;
        v.texture[1] = (std::sin(a) + 1) / 2;
        v.position[0] = std::cos(a);
        v.position[1] = std::sin(a);
        fan.push_back(v);
    }
    return fan;
}

// One traced run of the program on a mask of odd width: it starts, shows
// some frames, gets 'x', then space, spins a while and is ended by ESC.
struct TracedRun {
    bool ok = false;
    std::string failure;
    int exitStatus = -1;
    std::string output;
    std::vector<GlCall> calls;
};

const TracedRun& tracedRun()
{
    static TracedRun run = [] {
        TracedRun r;
        if (!sharedDisplay().running()) {
            r.failure = sharedDisplay().error();
            return r;
        }
        TempDir traceDir;
        const std::string traceFile = traceDir.file("demo.trace");
        RunningDemo demo(pgmFile(5, 3, "abcdefghijklmno"), {"apitrace", "trace", "--output", traceFile});
        if (!demo.waitUntilShown(30)) {
            r.failure = "the traced program showed no window";
            return r;
        }
        sleepSeconds(0.3);
        if (!demo.pressAndWaitForLines("x", 1)) {
            r.failure = "no threshold line after 'x'";
            return r;
        }
        sleepSeconds(0.3);
        demo.window().keys("space");
        sleepSeconds(0.5);
        demo.window().keys("Escape");
        if (!demo.process().waitForExit(30, r.exitStatus)) {
            r.failure = "the traced program did not end on ESC";
            return r;
        }
        r.output = demo.process().standardOutput();
        r.calls = withoutGlut(dumpTrace(traceFile));
        r.ok = !r.calls.empty();
        if (!r.ok) {
            r.failure = "apitrace recorded nothing";
        }
        return r;
    }();
    return run;
}

class ProgramTrace : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tracedRun().ok) << tracedRun().failure;
    }
    const std::vector<GlCall>& calls() { return tracedRun().calls; }

    // The frames from the first clear on, each ending with its swap.
    std::vector<std::vector<GlCall>> drawnFrames()
    {
        return splitFrames(std::vector<GlCall>(calls().begin() + find("glClear"), calls().end()));
    }

    std::size_t find(const std::string& name, std::size_t from = 0)
    {
        for (std::size_t i = from; i < calls().size(); ++i) {
            if (calls()[i].name == name) {
                return i;
            }
        }
        return calls().size();
    }
};

TEST_F(ProgramTrace, InitSetsUpTheStateAndUploadsTheMask)
{
    const std::vector<GlCall>& c = calls();
    ASSERT_GE(c.size(), 16u);
    EXPECT_EQ(c[0].name, "glEnable");
    EXPECT_EQ(c[0].argument("cap"), "GL_DEPTH_TEST");
    EXPECT_EQ(c[1].name, "glShadeModel");
    EXPECT_EQ(c[1].argument("mode"), "GL_SMOOTH");
    EXPECT_EQ(c[2].argument("mode"), "GL_PROJECTION");
    // gluPerspective(60, 1, 2, 50) on the identity.
    ASSERT_EQ(c[3].name, "glMultMatrixd");
    EXPECT_EQ(c[3].argument("m").rfind("{1.732050807568", 0), 0u) << c[3].argument("m");
    EXPECT_EQ(c[4].argument("mode"), "GL_MODELVIEW");

    // gluLookAt from (0, 0, 4) comes down to a translation by -4 along z.
    const std::size_t clear = find("glClearColor");
    ASSERT_LT(clear, c.size());
    EXPECT_EQ(find("glTranslated"), clear - 1);
    EXPECT_TRUE(sameFloat(c[clear - 1].argument("z"), -4.0));
    for (const char* channel : {"red", "green", "blue"}) {
        EXPECT_TRUE(sameFloat(c[clear].argument(channel), 0.9)) << channel;
    }
    EXPECT_TRUE(sameFloat(c[clear].argument("alpha"), 1.0));

    const std::vector<std::string> texture{"glGenTextures", "glBindTexture",  "glTexParameteri", "glTexParameteri",
                                           "glGetIntegerv", "glPixelStorei",  "glTexImage2D",    "glEnable"};
    ASSERT_LT(clear + texture.size(), c.size());
    for (std::size_t i = 0; i < texture.size(); ++i) {
        EXPECT_EQ(c[clear + 1 + i].name, texture[i]);
    }
    EXPECT_EQ(c[clear + 2].argument("target"), "GL_TEXTURE_2D");
    EXPECT_EQ(c[clear + 3].argument("pname"), "GL_TEXTURE_MAG_FILTER");
    EXPECT_EQ(c[clear + 3].argument("param"), "GL_LINEAR");
    EXPECT_EQ(c[clear + 4].argument("pname"), "GL_TEXTURE_MIN_FILTER");
    EXPECT_EQ(c[clear + 4].argument("param"), "GL_LINEAR");
    EXPECT_EQ(c[clear + 5].argument("pname"), "GL_MAX_TEXTURE_SIZE");
    EXPECT_EQ(c[clear + 6].argument("pname"), "GL_UNPACK_ALIGNMENT");
    EXPECT_EQ(c[clear + 6].argument("param"), "1");
    const GlCall& upload = c[clear + 7];
    EXPECT_EQ(upload.argument("level"), "0");
    EXPECT_EQ(upload.argument("internalformat"), "GL_ALPHA");
    EXPECT_EQ(upload.argument("width"), "5");
    EXPECT_EQ(upload.argument("height"), "3");
    EXPECT_EQ(upload.argument("border"), "0");
    EXPECT_EQ(upload.argument("format"), "GL_ALPHA");
    EXPECT_EQ(upload.argument("type"), "GL_UNSIGNED_BYTE");
    EXPECT_EQ(upload.argument("pixels"), "blob(15)");
    EXPECT_EQ(c[clear + 8].argument("cap"), "GL_TEXTURE_2D");
}

TEST_F(ProgramTrace, ReshapeRebuildsTheProjectionForTheWindow)
{
    const std::size_t viewport = find("glViewport");
    ASSERT_LT(viewport + 3, calls().size());
    const std::vector<GlCall>& c = calls();
    EXPECT_EQ(c[viewport - 1].argument("mode"), "GL_PROJECTION");
    EXPECT_EQ(c[viewport].argument("x"), "0");
    EXPECT_EQ(c[viewport].argument("y"), "0");
    EXPECT_EQ(c[viewport].argument("width"), "511");
    EXPECT_EQ(c[viewport].argument("height"), "511");
    EXPECT_EQ(c[viewport + 1].name, "glLoadIdentity");
    // gluPerspective(40, 1, 2, 100): 1 / tan(20 degrees) on the diagonal.
    ASSERT_EQ(c[viewport + 2].name, "glMultMatrixd");
    const double f = 1 / std::tan(20 * pi / 180);
    char expected[64];
    std::snprintf(expected, sizeof expected, "{%.6f", f);
    EXPECT_EQ(c[viewport + 2].argument("m").rfind(expected, 0), 0u) << c[viewport + 2].argument("m");
    EXPECT_EQ(c[viewport + 3].argument("mode"), "GL_MODELVIEW");
}

TEST_F(ProgramTrace, EveryFrameDrawsTheWholeFan)
{
    const std::vector<ExpectedVertex> fan = expectedFan();
    ASSERT_EQ(fan.size(), 122u);
    const auto frames = drawnFrames();
    ASSERT_GT(frames.size(), 10u);

    for (std::size_t n = 0; n < frames.size(); ++n) {
        std::vector<GlCall> frame = frames[n];
        if (!frame.empty() && isSpinStep(frame.front())) {
            frame.erase(frame.begin());
        }
        ASSERT_EQ(frame.size(), 10u + 3 * 122) << "frame " << n;
        EXPECT_EQ(frame[0].name, "glClear");
        EXPECT_EQ(frame[0].argument("mask"), "GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT");
        EXPECT_EQ(frame[1].name, "glAlphaFunc");
        EXPECT_EQ(frame[1].argument("func"), "GL_GEQUAL");
        EXPECT_EQ(frame[2].argument("cap"), "GL_ALPHA_TEST");
        EXPECT_EQ(frame[3].name, "glPushMatrix");
        EXPECT_EQ(frame[4].name, "glRotatef");
        EXPECT_TRUE(sameFloat(frame[4].argument("angle"), 60) && sameFloat(frame[4].argument("x"), 1) &&
                    sameFloat(frame[4].argument("y"), 0) && sameFloat(frame[4].argument("z"), 0));
        EXPECT_EQ(frame[5].name, "glScaled");
        EXPECT_EQ(frame[5].argument("x"), "1.5");
        EXPECT_EQ(frame[6].argument("mode"), "GL_TRIANGLE_FAN");
        for (std::size_t v = 0; v < fan.size(); ++v) {
            const GlCall& colour = frame[7 + 3 * v];
            const GlCall& texture = frame[8 + 3 * v];
            const GlCall& vertex = frame[9 + 3 * v];
            ASSERT_EQ(colour.name, "glColor3f") << "frame " << n << " vertex " << v;
            ASSERT_EQ(texture.name, "glTexCoord2f") << "frame " << n << " vertex " << v;
            ASSERT_EQ(vertex.name, "glVertex3f") << "frame " << n << " vertex " << v;
            EXPECT_TRUE(sameFloat(colour.argument("red"), fan[v].colour[0]) &&
                        sameFloat(colour.argument("green"), fan[v].colour[1]) &&
                        sameFloat(colour.argument("blue"), fan[v].colour[2]))
                << "vertex " << v;
            EXPECT_TRUE(sameFloat(texture.argument("s"), fan[v].texture[0]) &&
                        sameFloat(texture.argument("t"), fan[v].texture[1]))
                << "vertex " << v;
            EXPECT_TRUE(sameFloat(vertex.argument("x"), fan[v].position[0]) &&
                        sameFloat(vertex.argument("y"), fan[v].position[1]) &&
                        sameFloat(vertex.argument("z"), fan[v].position[2]))
                << "vertex " << v;
        }
        EXPECT_EQ(frame[373].name, "glEnd");
        EXPECT_EQ(frame[374].name, "glPopMatrix");
        EXPECT_EQ(frame[375].name, "glXSwapBuffers");
        if (HasFailure()) {
            return;
        }
    }
}

TEST_F(ProgramTrace, KeysShowInTheVeryNextFrames)
{
    const auto frames = drawnFrames();
    ASSERT_GT(frames.size(), 10u);

    // Frames go on while nothing is pressed: many at 0.5 before 'x'.
    std::size_t firstRaised = frames.size(), firstSpinning = frames.size(), spinning = 0;
    for (std::size_t n = 0; n < frames.size(); ++n) {
        ASSERT_GE(frames[n].size(), 3u) << "frame " << n;
        const bool spun = isSpinStep(frames[n].front());
        const std::size_t alpha = spun ? 2 : 1;
        const bool raised = sameFloat(frames[n][alpha].argument("ref"), 0.525);
        if (!raised) {
            EXPECT_TRUE(sameFloat(frames[n][alpha].argument("ref"), 0.5)) << "frame " << n;
            EXPECT_EQ(firstRaised, frames.size()) << "frame " << n << " went back to 0.5";
        } else if (firstRaised == frames.size()) {
            firstRaised = n;
        }
        if (spun) {
            ++spinning;
            firstSpinning = std::min(firstSpinning, n);
        } else {
            EXPECT_EQ(firstSpinning, frames.size()) << "frame " << n << " stopped spinning";
        }
    }
    EXPECT_GT(firstRaised, 3u);
    EXPECT_LT(firstRaised, firstSpinning);
    EXPECT_GT(spinning, 3u);
    EXPECT_EQ(tracedRun().exitStatus, 0);
    const std::string& out = tracedRun().output;
    EXPECT_EQ(out.substr(out.size() - 19), "Schwellwert: 0.525\n");
}

} // namespace
