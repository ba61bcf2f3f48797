#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "reports/engine/PreviewJob.h"
#include <functional>
#include <optional>

class QPrinter;

namespace vindel {

// The kinds of message boxes the program shows.
enum class MessageKind { Information, Error, Warning, Confirmation, WarningQuestion };

// Every dialog of the program goes through this seam: the program installs the Qt implementation,
// tests a scripted one that records what was shown and answers from a queue.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Plain boxes with OK.
    virtual void information(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    // Questions with Yes and No; true means Yes.
    virtual bool confirm(const QString &text) = 0;
    virtual bool warningYesNo(const QString &text) = 0;

    // Nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString &title, const QString &label, const QString &initial) = 0;
    virtual std::optional<QString> openFile(const QString &title, const QString &startFolder,
                                            const QString &filter) = 0;
    // Where to write a new file; suggested is the name (and folder) offered.
    virtual std::optional<QString> saveFile(const QString &title, const QString &suggested, const QString &filter) = 0;
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) = 0;
    virtual std::optional<QColor> colour(const QColor &initial) = 0;
    virtual std::optional<QFont> font(const QFont &initial) = 0;

    // Printer choice and page setup; false when cancelled.
    virtual bool printSetup(QPrinter &printer) = 0;
    // Shows a report's print preview, from which the user prints or saves a PDF; returns when the
    // preview is closed.
    virtual void showReportPreview(const report::PreviewJob &job) = 0;

    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program with the arguments, no shell in between.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
};

} // namespace vindel
