#include "app/QtPrompter.h"

#include "app/WheelHook.h"
#include "reports/engine/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

namespace vindel {

namespace {

QWidget *owner() { return QApplication::activeWindow(); }

// Boxes carry the application title, as the original platform's message boxes do.
QString boxTitle() { return QApplication::applicationName(); }

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, boxTitle(), text, QMessageBox::Yes | QMessageBox::No, owner());
    // No mnemonics: a question that pops up while the user types must not be answered by the
    // next letter ("n" for "Nein").
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    return QMessageBox::StandardButton(box.exec());
}

// The program writes file filters as pairs "Description|*.a;*.b|..."; Qt's dialogs read
// "Description (*.a *.b);;...". A filter without "|" is taken as it is.
QString qtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        if (const qsizetype open = label.indexOf(QLatin1Char('(')); open >= 0)
            label = label.left(open);
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        out << label.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace

void QtPrompter::information(const QString &text) { QMessageBox::information(owner(), boxTitle(), text); }

void QtPrompter::error(const QString &text) { QMessageBox::critical(owner(), boxTitle(), text); }

void QtPrompter::warning(const QString &text) { QMessageBox::warning(owner(), boxTitle(), text); }

bool QtPrompter::confirm(const QString &text) { return ask(QMessageBox::Question, text) == QMessageBox::Yes; }

bool QtPrompter::warningYesNo(const QString &text) { return ask(QMessageBox::Warning, text) == QMessageBox::Yes; }

std::optional<QString> QtPrompter::inputText(const QString &title, const QString &label, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::openFile(const QString &title, const QString &startFolder, const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(owner(), title, startFolder, qtFilter(filter));
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> QtPrompter::saveFile(const QString &title, const QString &suggested, const QString &filter)
{
    const QString file = QFileDialog::getSaveFileName(owner(), title, suggested, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> QtPrompter::chooseFolder(const QString &title, const QString &startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(owner(), title, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QColor> QtPrompter::colour(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, owner());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtPrompter::font(const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, owner());
    if (!ok)
        return std::nullopt;
    return f;
}

bool QtPrompter::printSetup(QPrinter &printer)
{
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompter::showReportPreview(const report::PreviewJob &job)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    report::Document pages;
    try {
        pages = job.build ? job.build() : report::Document{};
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    report::ReportPreview preview(job, std::move(pages), owner());
    preview.choosePdfFile = [this, &preview] {
        return saveFile(QStringLiteral("Als PDF speichern"), preview.document().title + QStringLiteral(".pdf"),
                        QStringLiteral("PDF-Dateien (*.pdf)"));
    };
    preview.showError = [this](const QString &text) { error(text); };
    markAsReportPreview(&preview);
    QApplication::restoreOverrideCursor();
    preview.exec();
}

bool QtPrompter::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }

bool QtPrompter::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QDate QtPrompter::today() { return QDate::currentDate(); }

QDateTime QtPrompter::now() { return QDateTime::currentDateTime(); }

} // namespace vindel
