#pragma once

#include "app/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace vindel {

// A small window with a line of text and a bar, for long work on the user interface thread before
// any other window exists (the conversion of an old database at start-up). It appears with the
// first report and keeps itself painted; the work itself runs elsewhere (a helper process).
class ProgressWindow : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit ProgressWindow(const QString &title, QWidget *parent = nullptr);

    void setMaximum(qint64 maximum) override;
    void setValue(qint64 value) override;
    qint64 value() const override { return m_value; }
    void setText(const QString &text) override;
    bool cancelled() const override { return false; }

private:
    void refresh();
    QLabel *m_text;
    QProgressBar *m_bar;
    qint64 m_maximum = 0;
    qint64 m_value = 0;
    QElapsedTimer m_sincePaint;
};

} // namespace vindel
