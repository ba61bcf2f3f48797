#pragma once

// Qt Core only: the data, import and photo work report through this without knowing any widget.

#include <QString>
#include <QtGlobal>

namespace vindel {

// How long work tells how far it is: a maximum, a value moving towards it, a line of text, and
// whether the user asked to stop. Work polls cancelled() where stopping is safe; work that cannot
// be stopped half-way simply never asks.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setMaximum(qint64 maximum) = 0;
    virtual void setValue(qint64 value) = 0;
    virtual qint64 value() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual bool cancelled() const = 0;

    void advance(qint64 by = 1) { setValue(value() + by); }
};

// For callers that show nothing.
class NoProgress : public Progress {
public:
    void setMaximum(qint64) override {}
    void setValue(qint64 value) override { m_value = value; }
    qint64 value() const override { return m_value; }
    void setText(const QString &) override {}
    bool cancelled() const override { return false; }

private:
    qint64 m_value = 0;
};

} // namespace vindel
