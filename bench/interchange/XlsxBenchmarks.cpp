// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a workbook (xlsx, kahoot) against writing the same questions as
// JSON: each within 2x.
#include "InterchangeFormats.h"
#include "QuestionFileGenerator.h"
#include "QuestionFormat.h"
#include "QuestionLineCodec.h"
#include "QuestionRecord.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int Sizes[] = {2000, 20000};

const QList<QuestionRecord>& questions(int count)
{
    static std::map<int, QList<QuestionRecord>> made;
    auto& list = made[count];
    if (list.isEmpty()) {
        QuestionFileGenerator generator;
        for (int i = 0; i < count; ++i) {
            QuestionRecord record;
            ClearQuestionRecord(record);
            DecodeQuestionLine(generator.nextLine(), record, DecodeMode::Full);
            list.append(record);
        }
    }
    return list;
}

void BM_Export(benchmark::State& state, const char* format)
{
    const QuestionFormat* writer = InterchangeFormats::byName(QString::fromLatin1(format));
    const QList<QuestionRecord>& list = questions(int(state.range(0)));
    for (auto _ : state) {
        QString error;
        QStringList notes;
        const QByteArray bytes = writer->write(list, &error, &notes);
        if (bytes.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    for (const char* format : {"json", "xlsx", "kahoot"}) {
        auto* bench = benchmark::RegisterBenchmark((std::string("BM_Export_") + format).c_str(),
                                                   BM_Export, format);
        for (int size : Sizes)
            bench->Arg(size);
        bench->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(5)
            ->DisplayAggregatesOnly(true);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\nRatios to the JSON export (median of the repetitions):\n");
    for (int size : Sizes) {
        const double json = reporter.seconds("BM_Export_json", size);
        for (const char* format : {"xlsx", "kahoot"}) {
            const double seconds = reporter.seconds(std::string("BM_Export_") + format, size);
            const double ratio = json > 0 ? seconds / json : 0;
            const bool within = ratio > 0 && ratio <= 2.0;
            std::printf("  %-7s %6d questions: %.2f x json (target 2): %s\n", format, size, ratio,
                        within ? "met" : "MISSED");
        }
    }
    return 0;
}
