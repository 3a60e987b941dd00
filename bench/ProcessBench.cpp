// kelvane-fit as a whole process against the two tools users compare it with, python3 with
// scipy's curve_fit and gnuplot's fit, on the same file: 200 points of a damped
// oscillation with Y error bars, four parameters from the same start. Each benchmark starts
// its program, waits for it and checks that it succeeded; bench/process_compare.sh installs
// the other two and turns the medians into ratios.
//
//   process_bench KELVANE_FIT [benchmark options]

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string kelvaneFit;
std::string folder;

constexpr const char* LAW = "A*exp(-x/tau)*cos(2*pi*x/T + phi)";

void writeFiles() {
    char name[] = "/tmp/kelvane-process-bench-XXXXXX";
    if (!mkdtemp(name))
        throw std::runtime_error("cannot make a folder");
    folder = name;
    std::ofstream table(folder + "/oscillation.txt");
    table.precision(10);
    for (int i = 0; i < 200; ++i) {
        const double t = 0.04 * i;
        // A fixed wobble stands in for noise, so every run fits the same numbers.
        const double y =
            12 * std::exp(-t / 8) * std::cos(2 * M_PI * t / 2 + 0.3) + 0.15 * std::sin(7.3 * i);
        table << t << ' ' << y << " 0.2\n";
    }
    std::ofstream(folder + "/fit.py")
        << "import numpy as np\n"
           "from scipy.optimize import curve_fit\n"
           "t, y, dy = np.loadtxt('"
        << folder
        << "/oscillation.txt', unpack=True)\n"
           "f = lambda x, A, tau, T, phi: A*np.exp(-x/tau)*np.cos(2*np.pi*x/T + phi)\n"
           "p, c = curve_fit(f, t, y, p0=[10, 5, 2, 0.1], sigma=dy, absolute_sigma=True)\n"
           "print(p, np.sqrt(np.diag(c)))\n";
    std::ofstream(folder + "/fit.gp") << "set fit quiet\nset fit logfile '/dev/null'\n"
                                         "f(x) = A*exp(-x/tau)*cos(2*pi*x/T + phi)\n"
                                         "A = 10; tau = 5; T = 2; phi = 0.1\n"
                                         "fit f(x) '"
                                      << folder
                                      << "/oscillation.txt' using 1:2:3 yerror via A, tau, T, phi\n"
                                         "print A, tau, T, phi\n";
}

// Runs the program with its output thrown away; a failure ends the benchmark.
void run(benchmark::State& state, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = -1;
        if (posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError(("failed: " + arguments[0]).c_str());
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

void KelvaneFit(benchmark::State& state) {
    run(state, {kelvaneFit, "--model", LAW, "--start", "A=10,tau=5,T=2,phi=0.1", "--errors", "dy",
                "--dy", "3", folder + "/oscillation.txt"});
}
void ScipyCurveFit(benchmark::State& state) {
    // Debian's own interpreter, for which python3-scipy is installed.
    run(state, {"/usr/bin/python3", folder + "/fit.py"});
}
void GnuplotFit(benchmark::State& state) {
    run(state, {"/usr/bin/gnuplot", folder + "/fit.gp"});
}

} // namespace

// Interleaved repetitions: each tool meets the machine in the same state as the others.
BENCHMARK(KelvaneFit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(5);
BENCHMARK(ScipyCurveFit)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5);
BENCHMARK(GnuplotFit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(5);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: process_bench KELVANE_FIT [benchmark options]\n");
        return 2;
    }
    kelvaneFit = argv[1];
    writeFiles();
    argv[1] = argv[0];
    int count = argc - 1;
    benchmark::Initialize(&count, argv + 1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::system(("rm -rf '" + folder + "'").c_str());
    return 0;
}
