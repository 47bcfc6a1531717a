// The check and export commands of qvedtool on 1,000,000 questions, each
// timed against `wc -l` reading the same file in the same run. Target: at
// most 5 times the time of wc -l. The stats command is timed too, as the
// cost of reading the file the editor's way that every command shares.

#include "QuestionLineCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int QuestionCount = 1'000'000;
constexpr double TargetRatio = 5.0;

const char* const Words[] = {"the",    "LORD",      "king",  "prophet",   "city",    "river",
                             "temple", "mountain",  "son",   "daughter",  "servant", "brother",
                             "people", "Israel",    "Egypt", "Jerusalem", "David",   "Moses",
                             "Paul",   "disciples", "who",   "what",      "where",   "did",
                             "was",    "said",      "build", "go",        "send",    "called",
                             "first",  "seven",     "forty", "twelve",    "years",   "days",
                             "of",     "to",        "in",    "from",      "with"};

QByteArray words(std::mt19937& random, int count)
{
    std::uniform_int_distribution<int> pick(0, int(std::size(Words)) - 1);
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += Words[pick(random)];
    }
    return text;
}

// Lines as the editor writes them: about 170 bytes, every book, level and
// letter, references that look like real ones.
QString writeQuestionFile(const QString& path)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> book(0, 67), choice(0, 3), chapter(1, 40), verse(1, 30);
    QByteArray block;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    for (int i = 0; i < QuestionCount; ++i) {
        const QByteArray reference =
            QByteArray::number(chapter(random)) + ':' + QByteArray::number(verse(random));
        QByteArray question = words(random, 11) + '?';
        question.truncate(90);
        block += EncodeQuestionLine(book(random), choice(random), choice(random), reference,
                                    question, words(random, 3), words(random, 3), words(random, 3),
                                    words(random, 2));
        block += "\r\n";
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return path;
}

QTemporaryDir& workFolder()
{
    static QTemporaryDir folder;
    return folder;
}

const QString& questionFile()
{
    static const QString path =
        writeQuestionFile(workFolder().filePath(QStringLiteral("million.qus")));
    return path;
}

// Wall time of one run, its standard output going to a file as a user's
// redirection would; negative when the program failed.
double secondsFor(const QString& program, const QStringList& arguments, int expectedExit = 0)
{
    QProcess process;
    process.setStandardOutputFile(workFolder().filePath(QStringLiteral("output")));
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != expectedExit)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

// Fastest run of each benchmark, for the ratios at the end.
QMap<QString, double>& bestSeconds()
{
    static QMap<QString, double> best;
    return best;
}

void timeProgram(benchmark::State& state, const QString& name, const QString& program,
                 const QStringList& arguments)
{
    for (auto _ : state) {
        const double seconds = secondsFor(program, arguments);
        if (seconds < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(seconds);
        auto& best = bestSeconds();
        best[name] = best.contains(name) ? std::min(best[name], seconds) : seconds;
    }
    if (name != u"wc -l" && bestSeconds().contains(QStringLiteral("wc -l")))
        state.counters["ratio_to_wc"] =
            bestSeconds()[name] / bestSeconds()[QStringLiteral("wc -l")];
}

void WcLines(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("wc -l"), QStringLiteral("wc"),
                {QStringLiteral("-l"), questionFile()});
}

void CheckNoValidate(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("check --no-validate"), QStringLiteral(QVEDTOOL_PATH),
                {QStringLiteral("check"), questionFile(), QStringLiteral("--no-validate")});
}

void ExportJson(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("export"), QStringLiteral(QVEDTOOL_PATH),
                {QStringLiteral("export"), questionFile()});
}

void ExportCsv(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("export --format csv"), QStringLiteral(QVEDTOOL_PATH),
                {QStringLiteral("export"), questionFile(), QStringLiteral("--format"),
                 QStringLiteral("csv")});
}

// Reading alone, as the editor reads a file, with one more pass over the
// books, levels and letters: what every command pays before its own work.
void Stats(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("stats"), QStringLiteral(QVEDTOOL_PATH),
                {QStringLiteral("stats"), questionFile()});
}

} // namespace

BENCHMARK(WcLines)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CheckNoValidate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Stats)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (questionFile().isEmpty()) {
        std::fprintf(stderr, "cannot write the question file\n");
        return 1;
    }
    // The file is read once before timing, so every program finds it cached.
    secondsFor(QStringLiteral("wc"), {QStringLiteral("-l"), questionFile()});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto& best = bestSeconds();
    const double baseline = best.value(QStringLiteral("wc -l"));
    if (baseline <= 0)
        return 1;
    std::printf("\nfastest runs on %d questions, as multiples of wc -l (%.3f s; target %.0fx):\n",
                QuestionCount, baseline, TargetRatio);
    for (auto it = best.begin(); it != best.end(); ++it) {
        if (it.key() == u"wc -l")
            continue;
        std::printf("  %-22s %7.3f s  %6.1fx\n", qPrintable(it.key()), it.value(),
                    it.value() / baseline);
    }
    return 0;
}
