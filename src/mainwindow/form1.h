#pragma once
// Form1: the main window. Start-up, shutdown, menus and the page controls;
// the thumbnail grid itself is pic2. The window drives: the folder's life is
// its FolderSession's, the clicks wait in its ClickQueue.

#include "app/context.h"
#include "app/main_layout.h"
#include "mainwindow/click_queue.h"
#include "mainwindow/main_controls.h"
#include "mainwindow/main_menus.h"

#include <QMainWindow>

class QLabel;
class QPushButton;
class QTabBar;

namespace quiverel {

class FolderSession;
class FolderWatch;
class ThumbnailGrid;
class HoverInfo;
class UnitScale;

class Form1 : public QMainWindow, private MainControls {
    Q_OBJECT
public:
    explicit Form1(Context& ctx, QWidget* parent = nullptr);

    // Start-up; run again by cmdRestart.
    void Form_Load();
    // Shutdown: writes the settings files and removes the scratch files. Runs once.
    void Form_Unload();
    void LayoutMainWindow();
    void BuildFolderMenu();
    void ShowFolder();
    // Shows the keyword search's results folder, marked as search results.
    void showSearchResults();
    void RemoveCatalogueRow();
    void ckNext_MouseDown();
    void ckBack_MouseDown();
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void AddFolder();
    // The viewer closed: the main window comes back in front, hovering
    // computes nothing for a moment, the last hovered thumbnail counts again.
    void viewerClosed();
    // lblSize from the resize setting and the JPEG 2000 target size.
    void refreshSizeLabel();
    // The selected thumbnail loses its highlight.
    void clearSelectedFrame();
    // The information window and what hovering found.
    const HoverInfo& hover() const { return *hover_; }

    // The folder shown, its scan and the pictures taken in while it is watched.
    FolderSession& session() { return *session_; }
    // Follows the shown folder: new pictures are taken in, gone ones leave.
    FolderWatch& folderWatch();
    ClickQueue& clicks() { return *clicks_; }

    void mnuSize_Click(int index);
    void mnuFolderEntry_Click(int index);
    void mnuTool_Click(int index);
    void mnuPaste_Click();
    void cmdRestart_Click();

    const MainLayout& layout() const { return layout_; }
    UnitScale& units() { return *units_; }

    ThumbnailGrid* grid() const { return pic2; }
    QTabBar* tabs() const { return Tabs; }
    QPushButton* backButton() const { return ckBack; }
    QPushButton* nextButton() const { return ckNext; }
    QLabel* picturesLabel() const { return lblPics; }
    QLabel* sizeLabel() const { return lblSize; }
    QLabel* clockLabel() const { return lblInfo; }
    QPushButton* restartButton() const { return cmdRestart; }

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
    void createSession();
    void setFolderEntries(const QStringList& captions);
    void ShowPage();
    void Tabs_Click();
    // The tabs follow the page count and the current page.
    void syncTabs();
    void showSplash(const QString& caption, const QString& label, int maximum, int value);
    void resetSelectedFrame();
    void turnPage(QPushButton* button, int page);
    void selectTab(int page);
    void updatePicturesCaption(int pictures);
    void createTimers();
    void watchControls();
    void Timer1_Timer();
    // Thumbnail clicks and the hand-off.
    void Image1_MouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Image1_DblClick(int cell);
    void runClick(const ThumbnailClick& click);
    void DeleteMarked();
    bool recycle(const QString& path);

    HoverInfo* hover_ = nullptr; // Timer3 to Timer6 and the information window

    Context& ctx_;
    AppState& state_;
    UnitScale* units_ = nullptr;
    MainLayout layout_;
    bool unloaded_ = false;
    bool closedByUser_ = false;
    FolderSession* session_ = nullptr;
    ClickQueue* clicks_ = nullptr; // Timer2: the delayed single click
    class frmSplash* splash_ = nullptr;
};

} // namespace quiverel
