// Start-up of the real dialog against a bare Qt dialog of the same size with the same two
// captions, and against an empty one, run in turns so that all see the same machine load.
// Each run is timed from just before the process is started to the first frame it reports;
// its resident set is taken at that frame.
// Usage: canzet_bench_startup PROBE BARE RUNS [LABEL]
// Prints one line per round, then:
//   startup label=<LABEL> probe_ms=<median> bare_ms=<median> start_vs_bare=<ratio>
//           probe_rss_kb=<median> bare_rss_kb=<median> rss_vs_bare=<ratio>
//           empty_ms=<median> empty_rss_kb=<median> start_vs_empty=<ratio> rss_vs_empty=<ratio>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    long rssKb;
    int width;
    int height;
};

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Starts the program, reads its first-frame line and waits for it to leave.
std::optional<Sample> RunOnce(const std::vector<std::string>& command) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    const long long started = MonotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::vector<char*> args;
        for (const std::string& word : command) {
            args.push_back(const_cast<char*>(word.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    FILE* output = fdopen(pipeEnds[0], "r");
    long long frameNs = 0;
    Sample sample{};
    const int fields = std::fscanf(output, "first_frame_ns=%lld rss_kb=%ld dialog_size=%dx%d",
                                   &frameNs, &sample.rssKb, &sample.width, &sample.height);
    std::fclose(output);
    int status = 0;
    waitpid(child, &status, 0);
    if (fields != 4) {
        return std::nullopt;
    }
    sample.ms = static_cast<double>(frameNs - started) / 1e6;
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROBE BARE RUNS [LABEL]\n", argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const std::string bare = argv[2];
    const int runs = std::max(1, std::atoi(argv[3]));
    const std::string label = argc > 4 ? argv[4] : "default";

    // One unmeasured run of each fills the file cache and tells the dialog's size.
    const std::optional<Sample> first = RunOnce({probe});
    if (!first) {
        std::fprintf(stderr, "the dialog probe reported no frame\n");
        return 1;
    }
    const std::string width = std::to_string(first->width);
    const std::string height = std::to_string(first->height);
    RunOnce({bare, width, height});

    std::vector<double> probeMs, bareMs, emptyMs, probeRss, bareRss, emptyRss;
    for (int i = 0; i < runs; ++i) {
        const auto a = RunOnce({probe});
        const auto b = RunOnce({bare, width, height});
        const auto e = RunOnce({bare, width, height, "empty"});
        if (!a || !b || !e) {
            std::fprintf(stderr, "run %d reported no frame\n", i);
            continue;
        }
        std::printf(
            "startup_run label=%s probe_ms=%.1f bare_ms=%.1f empty_ms=%.1f "
            "probe_rss_kb=%ld bare_rss_kb=%ld empty_rss_kb=%ld\n",
            label.c_str(), a->ms, b->ms, e->ms, a->rssKb, b->rssKb, e->rssKb);
        probeMs.push_back(a->ms);
        bareMs.push_back(b->ms);
        emptyMs.push_back(e->ms);
        probeRss.push_back(static_cast<double>(a->rssKb));
        bareRss.push_back(static_cast<double>(b->rssKb));
        emptyRss.push_back(static_cast<double>(e->rssKb));
    }
    if (probeMs.empty()) {
        return 1;
    }
    const double pm = Median(probeMs), bm = Median(bareMs);
    const double pr = Median(probeRss), br = Median(bareRss);
    const double em = Median(emptyMs), er = Median(emptyRss);
    std::printf(
        "startup label=%s dialog=%sx%s probe_ms=%.1f bare_ms=%.1f start_vs_bare=%.2f "
        "probe_rss_kb=%.0f bare_rss_kb=%.0f rss_vs_bare=%.2f empty_ms=%.1f "
        "empty_rss_kb=%.0f start_vs_empty=%.2f rss_vs_empty=%.2f\n",
        label.c_str(), width.c_str(), height.c_str(), pm, bm, pm / bm, pr, br, pr / br, em, er,
        pm / em, pr / er);
    return 0;
}
