#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// The built demo, started in a directory of its own on a given display, its
// standard output and standard error kept in files.
class DemoProcess {
public:
    // prefix runs in front of the program, e.g. {"apitrace", "trace", ...}.
    DemoProcess(const std::string& display, const std::string& workDir, const std::vector<std::string>& prefix = {});
    ~DemoProcess();
    DemoProcess(const DemoProcess&) = delete;
    DemoProcess& operator=(const DemoProcess&) = delete;

    std::string standardOutput() const;
    std::string standardError() const;
    // Waits until standard output holds text; false on time-out.
    bool waitForOutput(const std::string& text, double seconds) const;
    // Waits for the process to end; false on time-out. status is the exit
    // status, or 128 + signal number.
    bool waitForExit(double seconds, int& status);
    bool exited() const { return pid_ <= 0; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::string outPath_;
    std::string errPath_;
};

// A fresh directory under /tmp, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void sleepSeconds(double seconds);
// Asks done, pollSeconds apart, until it says yes or seconds have passed;
// false on time-out.
bool waitUntil(const std::function<bool()>& done, double seconds, double pollSeconds = 0.02);
