#include "ReportPdf.h"

#include "QvedError.h"
#include "ReportEngine.h"
#include "ReportRun.h"
#include "TdmQVED3.h"

#include <QPdfWriter>
#include <QStringList>

QString ReportPdf::render(const ReportLayout& report, const QString& path)
{
    ReportEngine engine(report);
    QPdfWriter writer(path);
    writer.setPageLayout(ReportEngine::pageLayout());
    writer.setCreator(QStringLiteral("Question Editor"));
    if (!engine.render(writer))
        return QStringLiteral("Cannot create file %1").arg(path);
    if (engine.pageCount() == 0)
        return QStringLiteral("The report has no questions; no file was written.");
    return {};
}

QString ReportPdf::write(int reportType, const QuestionList& list, int first, int last,
                         const QString& path)
{
    TdmQVED3 dataModule;
    QStringList messages;
    ReportRun run(list, dataModule.tblQuestionData,
                  [&messages](const QString& text) { messages << text; });
    try {
        run.PrepareData(ReportRun::Mode::Range, QString::number(first), QString::number(last),
                        reportType, [&](const ReportLayout& report) {
                            const QString error = render(report, path);
                            if (!error.isEmpty())
                                messages << error;
                        });
    } catch (const QvedError& e) {
        messages << e.message();
    }
    return messages.join(QStringLiteral("\r\n"));
}
