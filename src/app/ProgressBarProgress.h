#pragma once

#include "app/Progress.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressBar;

namespace vindel {

// Long work reported on a progress bar of a page or window: the bar shows the count and is
// painted at once (at most every 30 ms), also while the work keeps the user interface thread busy.
class ProgressBarProgress : public Progress {
public:
    explicit ProgressBarProgress(QProgressBar *bar);

    void setMaximum(qint64 maximum) override;
    void setValue(qint64 value) override;
    qint64 value() const override { return m_value; }
    void setText(const QString &text) override;
    bool cancelled() const override { return false; }

private:
    void paint(bool force);
    QPointer<QProgressBar> m_bar;
    qint64 m_maximum = 0;
    qint64 m_value = 0;
    QElapsedTimer m_sincePaint;
};

} // namespace vindel
