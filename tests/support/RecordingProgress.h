#pragma once

#include "app/Progress.h"

#include <QList>
#include <QStringList>

namespace vindel::test {

// Keeps every report of long work, to check that the bar moved and where it ended. It can ask
// the work to stop once the value reaches cancelAt.
class RecordingProgress : public Progress {
public:
    void setMaximum(qint64 maximum) override { maximums << maximum; }
    void setValue(qint64 value) override
    {
        m_value = value;
        values << value;
    }
    qint64 value() const override { return m_value; }
    void setText(const QString &text) override { texts << text; }
    bool cancelled() const override { return cancelAt >= 0 && m_value >= cancelAt; }

    qint64 maximum() const { return maximums.isEmpty() ? 0 : maximums.last(); }

    QList<qint64> maximums;
    QList<qint64> values;
    QStringList texts;
    qint64 cancelAt = -1;

private:
    qint64 m_value = 0;
};

} // namespace vindel::test
