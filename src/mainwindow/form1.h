#pragma once
// Form1: the main window. Start-up, shutdown, menus and the page controls;
// the thumbnail grid itself is pic2.

#include "app/context.h"
#include "app/main_layout.h"
#include "catalogue/arrival_tracker.h"
#include "catalogue/notice_memory.h"
#include "catalogue/thumbnail_batch.h"
#include "mainwindow/main_menus.h"

#include <QAction>
#include <QList>
#include <QMainWindow>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;
class QEventLoop;
class QTabBar;
class QMenu;

namespace quiverel {

struct ArrivalPlan;
class ColumnMenu;
class FolderWatch;
class ThumbnailGrid;
class frmToolTip;
class HoverInfo;
class UnitScale;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Context& ctx, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up; run again by cmdRestart.
    void Form_Load();
    // Shutdown: writes the settings files and removes the scratch files. Runs once.
    void Form_Unload();
    void LayoutMainWindow();
    void BuildFolderMenu();
    void ShowFolder();
    // Shows the keyword search's results folder, marked as search results.
    void showSearchResults();
    void ShowPage();
    void LoadNextPage();
    void LoadPreviousPage();
    void TrimPictureCache();
    void RemoveCatalogueRow();
    void Tabs_Click();
    void ckNext_MouseDown();
    void ckBack_MouseDown();

    // Thumbnail clicks and the hand-off.
    void Image1_MouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Image1_DblClick(int cell);
    void Image1_MouseMove(int cell);
    // Runs the click Image1_MouseDown recorded; one that arrives during a
    // hand-off is held and run when it ends.
    void ClickThumbnail();
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void DeleteMarked();
    void AddFolder();
    void ShowToolTip(const QString& text);
    // The viewer closed: the main window comes back in front, hovering
    // computes nothing for a moment, the last hovered thumbnail counts again.
    void viewerClosed();
    // lblSize from the resize setting and the JPEG 2000 target size.
    void refreshSizeLabel();
    // The selected thumbnail loses its highlight.
    void clearSelectedFrame();
    // Waits while the interface goes on.
    void pause(int ms);
    const QString& hoverText() const;
    int hoverIndex() const;
    frmToolTip* toolTip() const;

    QTimer* Timer1 = nullptr;    // clock
    QTimer* Timer2 = nullptr;    // delayed single click
    HoverInfo* hover_ = nullptr; // Timer3 to Timer6 and the information window

    // Makes picture thumbnails on worker threads (the converter's thumbnail
    // operation, done in-process).
    void setThumbnailer(PictureThumbnailer thumbnailer) { thumbnailer_ = std::move(thumbnailer); }
    bool isScanning() const { return scanning_; }
    // Follows the shown folder: new pictures are taken in, gone ones leave.
    FolderWatch& folderWatch() { return *watch_; }
    // True while new pictures' thumbnails are being made.
    bool isTakingIn() const { return intake_ != nullptr; }

    void mnuSize_Click(int index);
    void mnuFolderEntry_Click(int index);
    void mnuTool_Click(int index);
    void mnuPaste_Click();
    void cmdRestart_Click();

    const MainLayout& layout() const { return layout_; }
    UnitScale& units() { return *units_; }

    // Controls, by their names.
    QTabBar* Tabs = nullptr;
    ThumbnailGrid* pic2 = nullptr;
    QPushButton* ckBack = nullptr;
    QPushButton* ckNext = nullptr;
    QLabel* lblPics = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* picFaulty = nullptr;
    QPushButton* cmdRestart = nullptr;

    MainMenus menus;

protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createControls();
    void setFolderEntries(const QStringList& captions);
    // Folder scan steps.
    void scanOnce();
    bool makeMissingThumbnails(const QList<ThumbnailJob>& jobs,
                               QHash<int, ThumbnailResult>& unmade);
    // True when the row's file was moved to Corrupt; a failure is added to `notices`.
    bool quarantine(int row, const FileStamp& listed, QList<ScanNotice>& notices);
    void rebuildTabs();
    void loadRows(int first, int last);
    void showSplash(const QString& caption, const QString& label, int maximum, int value);
    void closeSplash();
    void resetSelectedFrame();
    void selectTab(int page);
    // The tabs, the page shown and the caption after rows came or went; the
    // page stays unless it is gone.
    void refreshGrid();
    // Following the shown folder.
    void createFolderWatch();
    void watchShownFolder();
    void folderChanged(const QString& folder, const FolderChange& change);
    bool folderUpdateWaits() const;
    void takeInFolderChanges();
    void finishIntake(const ArrivalPlan& plan);
    // Changed files' new thumbnails go into their cells where they are.
    void takeInRefreshes(const ArrivalPlan& plan, const ThumbnailBatch& batch);
    void updatePicturesCaption(int pictures);
    void createTimers();
    void watchCells();
    void Timer1_Timer();
    bool recycle(const QString& path);
    struct PendingClick {
        int cell = 0;
        Qt::MouseButton button = Qt::LeftButton;
        Qt::KeyboardModifiers modifiers;
    };
    void runClick(const PendingClick& click);

    Context& ctx_;
    AppState& state_;
    UnitScale* units_ = nullptr;
    MainLayout layout_;
    bool unloaded_ = false;
    bool closedByUser_ = false;
    PictureThumbnailer thumbnailer_;
    bool scanning_ = false;
    bool rescan_ = false;
    NoticeMemory notices_; // what the scans told the user in this run
    class frmSplash* splash_ = nullptr;
    QEventLoop* scanLoop_ = nullptr; // while thumbnails are made
    int clickedCell_ = 0;
    Qt::MouseButton clickedButton_ = Qt::LeftButton;
    Qt::KeyboardModifiers clickedModifiers_;
    bool leftClick_ = true;
    bool clickRunning_ = false;
    std::optional<PendingClick> pendingClick_;
    FolderWatch* watch_ = nullptr;
    ThumbnailBatch* intake_ = nullptr;
    QTimer* intakeRetry_ = nullptr; // while a click or hand-off holds the update back
    struct WatchedChanges {
        QString folder;
        QStringList arrived;
        QStringList changed;
        QStringList gone;
    } watched_; // reported, not yet taken in
    // The files the last scan made thumbnails of, as they were then.
    QHash<QString, FileStamp> scannedStamps_;
};

} // namespace quiverel
