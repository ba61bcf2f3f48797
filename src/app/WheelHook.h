#pragma once

#include <QObject>

class QWidget;

namespace vindel {

// Marks a print preview window so that the mouse wheel scrolls it line by line.
void markAsReportPreview(QWidget *window);
bool isReportPreview(const QWidget *window);

// The application-wide mouse-wheel handling: a focused data grid moves one row per wheel notch,
// a report preview scrolls four lines per notch; everything else passes unchanged.
class WheelHook : public QObject {
    Q_OBJECT
public:
    static constexpr int kPreviewLinesPerNotch = 4;

    explicit WheelHook(QObject *parent = nullptr);
    ~WheelHook() override;

    void install();   // on the application object
    void uninstall();
    bool installed() const { return m_installed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int takeNotches(int angleDelta);
    bool m_installed = false;
    int m_pending = 0; // wheel angle not yet turned into whole notches
};

} // namespace vindel
