#pragma once
// The dialog seam of the benchmarks: nothing is shown, questions are answered No and Cancel,
// errors are printed.

#include "app/Prompter.h"

#include <cstdio>
#include <functional>

namespace vindel::bench {

class QuietPrompter : public Prompter {
public:
    int messages = 0;
    void information(const QString &) override { ++messages; }
    void error(const QString &text) override
    {
        ++messages;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    void warning(const QString &) override { ++messages; }
    bool confirmAnswer = false; // what every Yes/No question is answered
    bool confirm(const QString &) override { return confirmAnswer; }
    bool warningYesNo(const QString &) override { return false; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> colour(const QColor &) override { return {}; }
    std::optional<QFont> font(const QFont &) override { return {}; }
    bool printSetup(QPrinter &) override { return false; }
    // A preview builds its pages; a benchmark may look at them instead.
    std::function<void(const report::PreviewJob &)> onPreview;
    void showReportPreview(const report::PreviewJob &job) override
    {
        if (onPreview)
            onPreview(job);
        else if (job.build)
            job.build();
    }
    bool openUrl(const QUrl &) override { return false; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace vindel::bench
