#pragma once

#include "app/AppWindow.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace vindel {

// Shown while the backup copies the photos.
class TWarten : public AppWindow {
    Q_OBJECT
public:
    explicit TWarten(AppContext &context);

    void FormActivate();
    void FormClose();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *m_line1;
    QLabel *m_line2;
    QProgressBar *m_progress;
    QTimer *m_timer;
};

} // namespace vindel
