// SPDX-License-Identifier: MIT
// Runs the benchmarks inside a Qt application on the offscreen platform (text needs fonts, the
// redraw passes a main window), then prints the redraw passes' CPU time as a share of the naive
// evaluations measured in the same run, against the targets.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Target
{
    const char *pass;
    double limit; // largest allowed share of "naive evaluations"
};

constexpr Target kTargets[] = {{"change pass", 0.6}, {"full repaint", 0.8}};
constexpr const char *kReference = "naive evaluations";

// Passes every report on to the display the command line chose, keeping each benchmark's CPU
// time: the median when repeated, else the single run.
class ShareReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &context) override
    {
        return m_display->ReportContext(context);
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_cpuTime[name] = run.GetAdjustedCPUTime();
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                m_cpuTime[name] = run.GetAdjustedCPUTime();
        }
        m_display->ReportRuns(runs);
    }

    void Finalize() override { m_display->Finalize(); }

    // Returns false when a target was missed.
    bool printShares() const
    {
        const auto reference = m_cpuTime.find(kReference);
        if (reference == m_cpuTime.end() || reference->second <= 0)
            return true; // not run: nothing to compare
        bool met = true;
        // On the error stream, so that a JSON or CSV report stays well formed.
        std::fprintf(stderr, "\nCPU time as a share of \"%s\" (%.0f ns):\n", kReference,
                     reference->second);
        for (const Target &target : kTargets) {
            const auto pass = m_cpuTime.find(target.pass);
            if (pass == m_cpuTime.end())
                continue;
            const double share = pass->second / reference->second;
            const bool ok = share <= target.limit;
            met = met && ok;
            std::fprintf(stderr, "  %-14s %.3f (target <= %.1f) %s\n", target.pass, share,
                         target.limit, ok ? "met" : "MISSED");
        }
        return met;
    }

private:
    benchmark::BenchmarkReporter *m_display = benchmark::CreateDefaultDisplayReporter(); // shared
    std::map<std::string, double> m_cpuTime;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ShareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.printShares();
    benchmark::Shutdown();
    return met ? 0 : 2;
}
