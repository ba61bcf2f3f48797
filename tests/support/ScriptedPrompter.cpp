#include "support/ScriptedPrompter.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace vindel::test {

QString kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("information");
    case MessageKind::Error:
        return QStringLiteral("error");
    case MessageKind::Warning:
        return QStringLiteral("warning");
    case MessageKind::Confirmation:
        return QStringLiteral("confirmation");
    case MessageKind::WarningQuestion:
        return QStringLiteral("warning question");
    }
    return {};
}

ScriptedPrompter::ScriptedPrompter()
{
}

void ScriptedPrompter::answerYes(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(true);
}

void ScriptedPrompter::answerNo(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(false);
}

void ScriptedPrompter::queueText(const std::optional<QString> &text) { m_texts.enqueue(text); }
void ScriptedPrompter::queueFile(const std::optional<QString> &path) { m_files.enqueue(path); }
void ScriptedPrompter::queueFolder(const std::optional<QString> &path) { m_folders.enqueue(path); }
void ScriptedPrompter::queueColour(const std::optional<QColor> &colour) { m_colours.enqueue(colour); }
void ScriptedPrompter::queueFont(const std::optional<QFont> &font) { m_fonts.enqueue(font); }
void ScriptedPrompter::queuePrintSetup(bool accepted) { m_printSetups.enqueue(accepted); }

void ScriptedPrompter::setToday(const QDate &date) { m_now = QDateTime(date, QTime(12, 0)); }
void ScriptedPrompter::setNow(const QDateTime &now) { m_now = now; }

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const ShownMessage &m : m_messages)
        texts << m.text;
    return texts;
}

QStringList ScriptedPrompter::messageTexts(MessageKind kind) const
{
    QStringList texts;
    for (const ShownMessage &m : m_messages)
        if (m.kind == kind)
            texts << m.text;
    return texts;
}

int ScriptedPrompter::pendingAnswers() const
{
    return int(m_answers.size() + m_texts.size() + m_files.size() + m_folders.size() + m_colours.size()
               + m_fonts.size() + m_printSetups.size());
}

void ScriptedPrompter::clearRecords()
{
    m_messages.clear();
    m_dialogs.clear();
    m_unanswered.clear();
}

bool ScriptedPrompter::takeAnswer(MessageKind kind, const QString &text)
{
    m_messages.append({kind, text});
    if (m_answers.isEmpty()) {
        m_unanswered << kindName(kind) + QStringLiteral(": ") + text;
        return false;
    }
    return m_answers.dequeue();
}

template <class T> std::optional<T> ScriptedPrompter::take(QQueue<std::optional<T>> &queue, const QString &what)
{
    if (queue.isEmpty()) {
        m_unanswered << what;
        return std::nullopt;
    }
    return queue.dequeue();
}

void ScriptedPrompter::information(const QString &text) { m_messages.append({MessageKind::Information, text}); }
void ScriptedPrompter::error(const QString &text) { m_messages.append({MessageKind::Error, text}); }
void ScriptedPrompter::warning(const QString &text) { m_messages.append({MessageKind::Warning, text}); }
bool ScriptedPrompter::confirm(const QString &text) { return takeAnswer(MessageKind::Confirmation, text); }
bool ScriptedPrompter::warningYesNo(const QString &text) { return takeAnswer(MessageKind::WarningQuestion, text); }

std::optional<QString> ScriptedPrompter::inputText(const QString &title, const QString &label, const QString &)
{
    m_dialogs.append({QStringLiteral("inputText"), title + QStringLiteral(": ") + label});
    return take(m_texts, QStringLiteral("inputText: ") + label);
}

std::optional<QString> ScriptedPrompter::openFile(const QString &title, const QString &startFolder, const QString &)
{
    m_dialogs.append({QStringLiteral("openFile"), startFolder});
    return take(m_files, QStringLiteral("openFile: ") + title);
}

std::optional<QString> ScriptedPrompter::chooseFolder(const QString &title, const QString &startFolder)
{
    m_dialogs.append({QStringLiteral("chooseFolder"), startFolder});
    return take(m_folders, QStringLiteral("chooseFolder: ") + title);
}

std::optional<QColor> ScriptedPrompter::colour(const QColor &initial)
{
    m_dialogs.append({QStringLiteral("colour"), initial.name()});
    return take(m_colours, QStringLiteral("colour"));
}

std::optional<QFont> ScriptedPrompter::font(const QFont &initial)
{
    m_dialogs.append({QStringLiteral("font"), initial.family()});
    return take(m_fonts, QStringLiteral("font"));
}

bool ScriptedPrompter::printSetup(QPrinter &printer)
{
    m_dialogs.append({QStringLiteral("printSetup"), QString()});
    if (m_printSetups.isEmpty()) {
        m_unanswered << QStringLiteral("printSetup");
        return false;
    }
    if (!m_printSetups.dequeue())
        return false;
    if (!m_printDir)
        m_printDir = std::make_unique<QTemporaryDir>();
    const QString file = m_printDir->filePath(QStringLiteral("print-%1.pdf").arg(m_printedFiles.size() + 1));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    m_printedFiles << file;
    return true;
}

std::optional<QString> ScriptedPrompter::saveFile(const QString &title, const QString &suggested, const QString &)
{
    m_dialogs.append({QStringLiteral("saveFile"), suggested});
    return take(m_files, QStringLiteral("saveFile: ") + title);
}

void ScriptedPrompter::showReportPreview(const report::PreviewJob &job)
{
    m_dialogs.append({QStringLiteral("reportPreview"), job.title});
    report::ReportPreview preview(job, job.build ? job.build() : report::Document{});
    preview.setupPrinter = [this](QPrinter &printer) { return printSetup(printer); };
    preview.choosePdfFile = [this, title = job.title] { return saveFile(title, title + QStringLiteral(".pdf"), QStringLiteral("PDF")); };
    preview.showError = [this](const QString &text) { error(text); };
    if (!m_printDir)
        m_printDir = std::make_unique<QTemporaryDir>();
    const QString file = m_printDir->filePath(QStringLiteral("preview-%1.pdf").arg(m_previewFiles.size() + 1));
    report::Renderer(job.pictures).writePdf(preview.document(), file);
    m_previews.push_back(preview.document());
    m_previewFiles << file;
    if (previewHandler)
        previewHandler(preview);
}

bool ScriptedPrompter::openUrl(const QUrl &url)
{
    m_dialogs.append({QStringLiteral("openUrl"), url.toString()});
    return true;
}

bool ScriptedPrompter::startProgram(const QString &program, const QStringList &arguments)
{
    m_dialogs.append({QStringLiteral("startProgram"), (QStringList{program} + arguments).join(QLatin1Char('|'))});
    return startProgramSucceeds;
}

QDate ScriptedPrompter::today() { return now().date(); }

QDateTime ScriptedPrompter::now() { return m_now ? *m_now : QDateTime::currentDateTime(); }

} // namespace vindel::test
