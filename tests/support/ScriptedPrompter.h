#pragma once

#include "app/Prompter.h"
#include "reports/engine/ReportPreview.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace vindel::test {

struct ShownMessage {
    MessageKind kind;
    QString text;
};

// A dialog other than a message box: which one and what it was asked for.
struct DialogCall {
    QString dialog; // "inputText", "openFile", "saveFile", "chooseFolder", "colour", "font", "printSetup",
                    // "reportPreview", "openUrl", "startProgram"
    QString detail; // title, start folder, URL or program with arguments
};

// The dialog seam for tests: answers come from queues, every message and dialog is recorded.
// A question that finds its queue empty is answered No / Cancel and listed in unanswered().
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter();

    // Answers, used in the order queued.
    void answerYes(int times = 1);
    void answerNo(int times = 1);
    void queueText(const std::optional<QString> &text); // nullopt: Cancel
    void queueFile(const std::optional<QString> &path);
    void queueFolder(const std::optional<QString> &path);
    void queueColour(const std::optional<QColor> &colour);
    void queueFont(const std::optional<QFont> &font);
    void queuePrintSetup(bool accepted);
    void setToday(const QDate &date); // also sets now() to that day, 12:00
    void setNow(const QDateTime &now);

    // What was shown.
    const QList<ShownMessage> &messages() const { return m_messages; }
    QStringList messageTexts() const;
    QStringList messageTexts(MessageKind kind) const;
    const QList<DialogCall> &dialogs() const { return m_dialogs; }
    QStringList unanswered() const { return m_unanswered; }
    // Answers queued but never asked for.
    int pendingAnswers() const;
    void clearRecords();

    // Whether starting a program succeeds (it is recorded either way).
    bool startProgramSucceeds = true;

    // An accepted print setup sends the print to a PDF file of its own; these are the files, in
    // the order printed.
    QStringList printedFiles() const { return m_printedFiles; }

    // Report previews: each is built and its pages are written into a PDF file of its own, so that
    // their painting runs; the documents and the files, in the order previewed.
    const std::vector<report::Document> &previews() const { return m_previews; }
    QStringList previewFiles() const { return m_previewFiles; }
    // What the user does in a preview before closing it (print, save a PDF): runs with the preview
    // window, which is not shown. Its printer dialog answers from queuePrintSetup, its file
    // dialog from queueFile.
    std::function<void(report::ReportPreview &)> previewHandler;

    void information(const QString &text) override;
    void error(const QString &text) override;
    void warning(const QString &text) override;
    bool confirm(const QString &text) override;
    bool warningYesNo(const QString &text) override;
    std::optional<QString> inputText(const QString &title, const QString &label, const QString &initial) override;
    std::optional<QString> openFile(const QString &title, const QString &startFolder, const QString &filter) override;
    // Answered from the same queue as openFile.
    std::optional<QString> saveFile(const QString &title, const QString &suggested, const QString &filter) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QFont> font(const QFont &initial) override;
    bool printSetup(QPrinter &printer) override;
    void showReportPreview(const report::PreviewJob &job) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    QDate today() override;
    QDateTime now() override;

private:
    template <class T> std::optional<T> take(QQueue<std::optional<T>> &queue, const QString &what);
    bool takeAnswer(MessageKind kind, const QString &text);

    QList<ShownMessage> m_messages;
    QList<DialogCall> m_dialogs;
    QStringList m_unanswered;
    QQueue<bool> m_answers;
    QQueue<std::optional<QString>> m_texts, m_files, m_folders;
    QQueue<std::optional<QColor>> m_colours;
    QQueue<std::optional<QFont>> m_fonts;
    QQueue<bool> m_printSetups;
    std::optional<QDateTime> m_now;
    QStringList m_printedFiles;
    std::vector<report::Document> m_previews;
    QStringList m_previewFiles;
    std::unique_ptr<QTemporaryDir> m_printDir;
};

QString kindName(MessageKind kind);

} // namespace vindel::test
