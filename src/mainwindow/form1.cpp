#include "mainwindow/form1.h"

#include "app/folders_ini.h"
#include "app/setup_ini.h"
#include "app/startup.h"
#include "app/unit_scale.h"
#include "catalogue/thumbnail_grid.h"
#include "mainwindow/folder_list.h"
#include "mainwindow/folder_session.h"
#include "mainwindow/hover_info.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

namespace quiverel {

Form1::Form1(Context& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx), state_(ctx.state) {
    setObjectName(QStringLiteral("Form1"));
    createMenus();
    createControls();
    createTimers();
    createSession();
}

void Form1::createMenus() {
    menus.build(menuBar());
    connect(menus.mnuPaste, &QAction::triggered, this, &Form1::mnuPaste_Click);
    for (int i = 0; i < 3; ++i)
        connect(menus.mnuSize[i], &QAction::triggered, this, [this, i] { mnuSize_Click(i); });
    for (int i = 0; i < 14; ++i)
        connect(menus.mnuTool[i], &QAction::triggered, this, [this, i] { mnuTool_Click(i); });
    // Exactly the entry of the GUI size in use is checked.
    connect(menus.mnuTools, &QMenu::aboutToShow, this,
            [this] { menus.checkSize(guiSizeMenuIndex(state_.settings.guiSize)); });
    connect(menus.mnuAbout, &QAction::triggered, this,
            [this] { ctx_.windows.showHelp(HelpPage::About); });
    connect(menus.mnuText, &QAction::triggered, this,
            [this] { ctx_.windows.showTextFileCreator(); });
}

void Form1::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    units_ = new UnitScale(client, QSizeF(666, 500));

    setupControls(client);
    connect(cmdRestart, &QPushButton::clicked, this, &Form1::cmdRestart_Click);
    connect(Tabs, &QTabBar::currentChanged, this, [this] { Tabs_Click(); });
    connect(ckNext, &QPushButton::pressed, this, &Form1::ckNext_MouseDown);
    connect(ckBack, &QPushButton::pressed, this, &Form1::ckBack_MouseDown);
    connect(pic2, &ThumbnailGrid::cellPressed, this, &Form1::Image1_MouseDown);
    connect(pic2, &ThumbnailGrid::cellDoubleClicked, this, &Form1::Image1_DblClick);
    watchControls();
}

void Form1::Form_Load() {
    // Step 1 (one running copy) is settled before the window exists.
    setWindowTitle(state_.windowTitle);
    QDir::setCurrent(QDir::rootPath());
    migrateOldFiles(state_.appFolder);
    layOutFirstFolderList(state_, {QDir::homePath(), qEnvironmentVariable("WINEPREFIX")});

    const QSize screen = ctx_.desktop.screenSize();
    loadSettings(state_, screen);

    if (state_.folders.rows.isEmpty())
        setFolderEntries({QStringLiteral("No folders")});
    else
        BuildFolderMenu();

    menus.checkSize(guiSizeMenuIndex(state_.settings.guiSize));
    move(int(state_.settings.savedLeft / 15), int(state_.settings.savedTop / 15));

    menus.applyCaptions(state_.text, state_.settings.autoPaste);
    menus.enableWindowItems(ctx_.windows);

    state_.catalogue.thumbsPerPage = state_.settings.thumbsPerPage;
    pic2->createCells(state_.settings.thumbsPerPage,
                      mainLayoutFor(state_.settings.thumbsPerPage).columns);
    LayoutMainWindow();

    state_.catalogue.selectedIndex = 0;
    state_.catalogue.sortOrder = 1;
    menus.checkSortByName(false);
    show();

    chooseStartupFolder(state_);
    state_.catalogue.tabClickSuppressed = true;
    ShowFolder();
    state_.catalogue.tabClickSuppressed = false;
    state_.flags.composerFirstUse = true;
    state_.flags.textFirstUse = true;
}

void Form1::setFolderEntries(const QStringList& captions) {
    state_.folders.menuRowsPerColumn = menus.setFolderEntries(captions);
    for (int k = 0; k < menus.mnuFolderEntry.size(); ++k)
        connect(menus.mnuFolderEntry[k], &QAction::triggered, this,
                [this, k] { mnuFolderEntry_Click(k); });
}

void Form1::BuildFolderMenu() {
    QStringList captions;
    for (const FolderRow& r : std::as_const(state_.folders.rows))
        captions.append(r.caption);
    setFolderEntries(captions);
}

void Form1::LayoutMainWindow() {
    pic2->hide();
    // The information window is made again for the new scale.
    hover_->dropWindow();
    const QSize screen = ctx_.desktop.screenSize();
    Settings& s = state_.settings;
    s.guiScale = guiScaleFor(screen, s.guiSize);
    const double scale = s.guiScale;
    layout_ = mainLayoutFor(state_.catalogue.thumbsPerPage);

    const QSize client(int(layout_.scale.width() * scale + 0.5),
                       int(layout_.scale.height() * scale + 0.5));
    centralWidget()->resize(client);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (!layout_.atSavedPosition) move(0, 0);
    units_->setScaleSize(layout_.scale);

    placeControls(*units_, layout_);

    state_.catalogue.tabClickSuppressed = true;
    Tabs->setCurrentIndex(Tabs->currentIndex());
    state_.catalogue.tabClickSuppressed = false;

    refreshSizeLabel();

    pic2->setScaleSize(layout_.pic2Scale);
    pic2->units().place(picFaulty, QRectF(0, 0, 120, 90));
    pic2->DrawGridFrames();
    pic2->show();
}

void Form1::refreshSizeLabel() {
    const Settings& s = state_.settings;
    lblSize->setText(s.resizeSetting + QStringLiteral("  ") +
                     QString::number(s.jp2TargetSize / 1000.0) + u'k');
}

void Form1::clearSelectedFrame() {
    resetSelectedFrame();
}

void Form1::mnuSize_Click(int index) {
    static constexpr int kValues[3] = {870, 770, 670};
    if (index < 0 || index > 2) return;
    state_.settings.guiSize = kValues[index];
    menus.checkSize(index);
    LayoutMainWindow();
}

void Form1::mnuFolderEntry_Click(int index) {
    const QList<QAction*>& entries = menus.mnuFolderEntry;
    if (index < 0 || index >= entries.size()) return;
    if (entries[0]->text() == u"No folders") return;
    const QString caption = entries[index]->text();
    const auto& rows = state_.folders.rows;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].caption != caption) continue;
        state_.current.folder = rows[i].path;
        state_.current.folderIndex = i;
        state_.catalogue.searchResults = false;
        state_.folders.notInMenu = false;
        ShowFolder();
        return;
    }
}

void Form1::mnuTool_Click(int index) {
    switch (index) {
    case 0:
        ctx_.windows.showSearch();
        break;
    case 1:
        ctx_.windows.showSizeWindow(sizeRequestOf(state_.settings));
        break;
    case 3:
    case 4:
        state_.catalogue.sortOrder = index == 3 ? 2 : 1;
        menus.checkSortByName(index == 3);
        ShowFolder();
        selectTab(1);
        break;
    case 6: {
        const QString chosen =
            ctx_.prompts.folder(this, state_.text[28], state_.folders.targetFolder);
        if (chosen.isEmpty()) break;
        state_.folders.targetFolder = chosen;
        state_.folders.notInMenu = true;
        state_.catalogue.searchResults = false;
        state_.current.folder = withTrailingSlash(chosen);
        ShowFolder();
        resetSelectedFrame();
        break;
    }
    case 8:
        AddFolder();
        break;
    case 9:
        ctx_.windows.showFolderRemoval();
        break;
    case 11:
        ctx_.windows.showHelp(HelpPage::Setup);
        break;
    case 12:
        ctx_.windows.showHelp(HelpPage::Languages);
        break;
    case 13:
        ctx_.windows.showHelp(HelpPage::Help);
        break;
    default:
        break;
    }
    unsetCursor();
}

void Form1::AddFolder() {
    FolderList& folders = state_.folders;
    folders.notInMenu = false;
    const QString chosen = ctx_.prompts.folder(this, state_.text[28], folders.targetFolder);
    folders.targetFolder = chosen;
    if (chosen.isEmpty()) return;
    const QString path = withTrailingSlash(QDir::cleanPath(chosen));
    for (const FolderRow& r : std::as_const(folders.rows)) {
        if (r.path == path) {
            ctx_.prompts.message(this, {},
                                 QStringLiteral("Folder\n") + chosen +
                                     QStringLiteral("\nis already in menus."));
            return;
        }
    }
    const QString last = QDir::cleanPath(chosen).section(u'/', -1);
    const auto caption =
        ctx_.prompts.input(this, QStringLiteral("Add new folder"),
                           QStringLiteral("Enter caption to appear in menu."), last);
    if (!caption || caption->isEmpty()) return;
    addFolderRow(state_, {*caption, path});
    BuildFolderMenu();
}

void Form1::showSearchResults() {
    state_.current.folder = state_.appFolder + QStringLiteral("/Search/");
    state_.catalogue.searchResults = true;
    ShowFolder();
}

void Form1::mnuPaste_Click() {
    state_.settings.autoPaste = !state_.settings.autoPaste;
    menus.setPasteCaption(state_.text, state_.settings.autoPaste);
}

void Form1::cmdRestart_Click() {
    setFolderEntries({});
    pic2->setCellPicture(0, QImage());
    pic2->createCells(1, pic2->columns());
    Form_Load();
}

void Form1::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    session_->close();
    clicks_->close();
    const auto twips = isMinimized() ? std::nullopt : std::optional(QPoint(x() * 15, y() * 15));
    reportUnsaved(saveOnShutdown(state_, twips), ctx_.prompts, closedByUser_ ? this : nullptr);
    hover_->dropWindow();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Through the window manager: the user is there to read a message.
    closedByUser_ = event->spontaneous();
    Form_Unload();
    event->accept();
    // A scan in progress stops making thumbnails; what is made stays.
    session_->stopMaking();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled())
        QTimer::singleShot(0, session_, &FolderSession::takeInFolderChanges);
}

} // namespace quiverel
