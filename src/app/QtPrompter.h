#pragma once

#include "app/Prompter.h"

namespace vindel {

// The dialogs of the running program, with Qt's message boxes and standard dialogs.
class QtPrompter : public Prompter {
public:
    void information(const QString &text) override;
    void error(const QString &text) override;
    void warning(const QString &text) override;
    bool confirm(const QString &text) override;
    bool warningYesNo(const QString &text) override;
    std::optional<QString> inputText(const QString &title, const QString &label, const QString &initial) override;
    std::optional<QString> openFile(const QString &title, const QString &startFolder, const QString &filter) override;
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
};

} // namespace vindel
