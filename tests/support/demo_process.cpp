#include "demo_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef DEMO_EXECUTABLE
#error "DEMO_EXECUTABLE must name the built program"
#endif

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void sleepSeconds(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

bool waitUntil(const std::function<bool()>& done, double seconds, double pollSeconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        sleepSeconds(pollSeconds);
    }
    return true;
}

DemoProcess::DemoProcess(const std::string& display, const std::string& workDir,
                         const std::vector<std::string>& prefix)
    : outPath_(workDir + "/.stdout"), errPath_(workDir + "/.stderr")
{
    pid_ = fork();
    if (pid_ != 0) {
        return;
    }
    if (chdir(workDir.c_str()) != 0) {
        _exit(126);
    }
    setenv("DISPLAY", display.c_str(), 1);
    const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int none = open("/dev/null", O_RDONLY);
    dup2(none, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<std::string> words = prefix;
    words.push_back(DEMO_EXECUTABLE);
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

DemoProcess::~DemoProcess()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::string DemoProcess::standardOutput() const { return readFile(outPath_); }
std::string DemoProcess::standardError() const { return readFile(errPath_); }

bool DemoProcess::waitForOutput(const std::string& text, double seconds) const
{
    return waitUntil([&] { return standardOutput().find(text) != std::string::npos; }, seconds);
}

bool DemoProcess::waitForExit(double seconds, int& status)
{
    return waitUntil(
        [&] {
            int raw = 0;
            if (pid_ <= 0 || waitpid(pid_, &raw, WNOHANG) != pid_) {
                return false;
            }
            pid_ = -1;
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            return true;
        },
        seconds);
}

TempDir::TempDir()
{
    char name[] = "/tmp/alpha_test_demo.XXXXXX";
    if (mkdtemp(name)) {
        path_ = name;
    }
}

TempDir::~TempDir()
{
    if (!path_.empty()) {
        std::system(("rm -rf '" + path_ + "'").c_str());
    }
}

void TempDir::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}
