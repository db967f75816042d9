// Runs one program and tells how long it ran and the peak of its resident memory:
//
//   bench_run_measured DIR PROGRAM [ARGUMENT...]
//
// prints "SECONDS KIBIBYTES EXIT-CODE" on standard output. The program runs in DIR (or
// here when DIR is empty) with its standard output going nowhere. The benchmarks start
// their programs through this small process: the kernel counts a child's peak memory
// from the memory of the process that started it, which for a benchmark program would
// be its own.
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: bench_run_measured DIR PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (argv[1][0] != '\0' && chdir(argv[1]) != 0)
            _exit(127);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, 1);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.9f %ld %d\n", seconds, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128);
    return 0;
}
