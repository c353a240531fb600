// One frame of the real scene (clear, disc, swap) on a 512 x 512 window
// under Xvfb and Mesa, against a frame that only clears and swaps; and the
// program's own rim arithmetic, the CPU work it does outside the GL driver.
#include "alpha_test_demo.h"
#include "ratio_reporter.h"
#include "rim_vertex.h"
#include "virtual_display.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

AlphaTestDemo* scene = nullptr;

void SceneFrame(benchmark::State& state)
{
    for (auto _ : state) {
        scene->display();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void ClearFrame(benchmark::State& state)
{
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// What drawDisc computes per frame: the 121 rim vertices.
void RimArithmetic(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < rimVertexCount; ++i) {
            RimVertex v = rimVertex(i);
            benchmark::DoNotOptimize(v);
        }
    }
}

BENCHMARK(SceneFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(ClearFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(RimArithmetic)->Unit(benchmark::kMicrosecond);

} // namespace

// Run from the directory that holds the mask: alpha.ppm is read from there.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    VirtualDisplay display;
    if (!display.running()) {
        std::fprintf(stderr, "%s\n", display.error().c_str());
        return 1;
    }
    setenv("DISPLAY", display.name().c_str(), 1);

    static char name[] = "frame_benchmark";
    static char* glutArgv[] = {name, nullptr};
    int glutArgc = 1;
    glutInit(&glutArgc, glutArgv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(512, 512);
    glutCreateWindow("frame benchmark");
    glutDisplayFunc([] {});
    glutShowWindow();
    for (int i = 0; i < 20; ++i) {
        glutMainLoopEvent();
    }

    AlphaTestDemo demo("alpha.ppm");
    scene = &demo;
    demo.init();
    demo.reshape(512, 512);

    RatioReporter reporter({{"SceneFrame/real_time", "ClearFrame/real_time"}, {"SceneFrame/real_time", "RimArithmetic"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("(ratio SceneFrame vs ClearFrame: the scene's frame rate as a share of a cleared frame's;\n"
                " ratio SceneFrame vs RimArithmetic: the rim arithmetic's share of a frame)\n");
    // Leave before the X server goes, which GLUT would report as an error.
    std::fflush(stdout);
    std::_Exit(0);
}
