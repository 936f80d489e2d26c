// Whole processes, start-up included: "kelvaro-cli verifica" of one 9 x 9 against the same
// command compiled into a program that links only the core (bench/strumenti/solo_nucleo.cpp). The time is the child's CPU (user + system, from
// wait4), so the machine's other work does not count.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

// CPU seconds of one run of the command, or a negative value when it could not run.
double CpuDelProcesso(std::vector<std::string> argomenti) {
    std::vector<char*> argv;
    for (std::string& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int errore = posix_spawn(&pid, argv[0], &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    if (errore != 0) return -1;
    int stato = 0;
    rusage uso{};
    if (wait4(pid, &stato, 0, &uso) != pid || !WIFEXITED(stato)) return -1;
    auto secondi = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return secondi(uso.ru_utime) + secondi(uso.ru_stime);
}

void Misura(benchmark::State& state, const std::vector<std::string>& comando) {
    if (!std::filesystem::exists(comando[0])) {
        state.SkipWithError(("manca " + comando[0]).c_str());
        return;
    }
    for (auto _ : state) {
        const double cpu = CpuDelProcesso(comando);
        if (cpu < 0) {
            state.SkipWithError(("non parte: " + comando[0]).c_str());
            break;
        }
        state.SetIterationTime(cpu);
    }
}

const std::string Schema = std::string(KELVARO_BENCH_DIR) + "/schemi/9k_1.txt";

void BM_VerificaCli9(benchmark::State& state) {
    Misura(state, {std::string(KELVARO_BIN) + "/kelvaro-cli", "verifica", Schema});
}
BENCHMARK(BM_VerificaCli9)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_SoloNucleo9(benchmark::State& state) {
    Misura(state, {std::string(KELVARO_BIN) + "/solo_nucleo", Schema});
}
BENCHMARK(BM_SoloNucleo9)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
