#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // Two screens, of ratios 1 and 2: a benchmark puts its windows on the
    // one it measures.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" WINGMAP_BENCH_SCREENS);
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
