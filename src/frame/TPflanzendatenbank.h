#pragma once

#include "app/AppWindow.h"
#include "app/WheelHook.h"

class QPushButton;
class QTabWidget;
class QWindow;

namespace vindel {

class DesignLayout;
class DetailsPage;
class FotoalbumPage;
class HauptansichtPage;
class KontaktePage;
class LayeredTitle;
class NeuePflanzePage;
class Page;
class PageControl;
class StammdatenPage;
class StatistikPage;
class TagebuchPage;

// The main window: title, "Info" button and the eight pages. It runs the start-up, re-synchronises
// the catalogue whenever it becomes active again, and ends the program when it is closed. It only
// wires: what happens to a page's controls is that page's own operation.
class TPflanzendatenbank : public AppWindow, public FrameOperations {
    Q_OBJECT
public:
    static constexpr QSize kDesignSize{1020, 797};

    enum class StartupResult { Ready, Stopped };

    explicit TPflanzendatenbank(AppContext &context);
    ~TPflanzendatenbank() override;

    // The start-up sequence. Stopped: the database is missing or could not be opened; the
    // message was shown and the program must end without showing a window.
    StartupResult startUp();
    void FormCreate() override;
    void FormShow();
    void FormActivate() override;
    void FormResize();
    void FormKeyDown(int key);
    void FormClose();
    void remindOfBackup();

    // FrameOperations
    void activatePage(const QString &pageName) override;
    QString activePageName() const override;
    void setPageCaption(const QString &pageName, const QString &caption) override;
    void runPageShown(const QString &pageName) override;
    void stayOnPage(const QString &pageName) override;
    void paintPageControl(int colour) override;
    QWidget *mainWindow() override { return this; }

    Page *page(const QString &pageName) const;
    QTabWidget *pageControl() const;
    bool wheelHookInstalled() const { return m_wheelHook.installed(); }

    HauptansichtPage *hauptansicht() const { return m_hauptansicht; }
    NeuePflanzePage *neuePflanze() const { return m_neuePflanze; }
    StammdatenPage *stammdaten() const { return m_stammdaten; }

signals:
    // The program is to end (the main window was closed, or start-up stopped it).
    void programEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Steps of the start-up sequence.
    StartupResult runStartup();
    bool databaseFilePresent();
    bool provideDatabase();
    bool convertAccessDatabase();
    void connectDatabase();
    void upgradeSchema();
    void openTables();
    void loadPhotoDir();
    void loadColours();

    void applyStartColours();
    void applyActivationColours();
    void focusWindowChanged(QWindow *window);
    void pageChanged(int index);

    WheelHook m_wheelHook;
    DesignLayout *m_layout;
    LayeredTitle *m_title;
    QPushButton *m_info;
    PageControl *m_pages;
    HauptansichtPage *m_hauptansicht;
    DetailsPage *m_details;
    TagebuchPage *m_tagebuch;
    NeuePflanzePage *m_neuePflanze;
    StatistikPage *m_statistik;
    FotoalbumPage *m_fotoalbum;
    KontaktePage *m_kontakte;
    StammdatenPage *m_stammdaten;
    std::vector<Page *> m_pageList;
    Page *m_currentPage = nullptr;

    QString m_stayOnPage; // the page the next activation keeps
    bool m_shown = false;
    bool m_startupStopped = false;
    AppWindow *m_lastActiveWindow = nullptr;
};

} // namespace vindel
