#include "mainwindow/main_menus.h"

#include "desktop/column_menu.h"
#include "desktop/menu_column_breaks.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quiverel {

namespace {

QString entryOr(const std::array<QString, kTextEntries>& text, int entry,
                const QString& designCaption) {
    return text[entry].isEmpty() ? designCaption : text[entry];
}

} // namespace

void MainMenus::build(QMenuBar* bar) {
    mnuFolder = new ColumnMenu(QStringLiteral("&Select Folders"), bar);
    mnuFolder->setObjectName(QStringLiteral("mnuFolder"));
    bar->addMenu(mnuFolder);
    mnuPaste = bar->addAction(QStringLiteral("Auto &Paste On"));
    mnuText = bar->addAction(QStringLiteral("Create Text File"));

    mnuTools = bar->addMenu(QStringLiteral("Options"));
    mnuGui = mnuTools->addMenu(QStringLiteral("GUI size"));
    const char* sizes[3] = {"Small", "Medium", "Large"};
    for (int i = 0; i < 3; ++i) {
        mnuSize[i] = mnuGui->addAction(QString::fromLatin1(sizes[i]));
        mnuSize[i]->setCheckable(true);
    }
    mnuTools->addSeparator(); // mnuSep
    const char* tools[14] = {"Find file by keyword",
                             "Set file size",
                             nullptr,
                             "Sort by name",
                             "Sort by date",
                             nullptr,
                             "Find folders not in menu",
                             nullptr,
                             "Add Folder",
                             "Remove Folder",
                             nullptr,
                             "Setup",
                             "Languages",
                             "Help"};
    for (int i = 0; i < 14; ++i)
        mnuTool[i] = tools[i] ? mnuTools->addAction(QString::fromLatin1(tools[i]))
                              : mnuTools->addSeparator();
    mnuTool[3]->setCheckable(true);
    mnuTool[4]->setCheckable(true);
    mnuAbout = bar->addAction(QStringLiteral("&About"));
}

void MainMenus::setPasteCaption(const std::array<QString, kTextEntries>& text, bool autoPaste) {
    mnuPaste->setText(autoPaste ? entryOr(text, 104, QStringLiteral("Auto &Paste On"))
                                : entryOr(text, 105, QStringLiteral("Auto &Paste Off")));
}

void MainMenus::applyCaptions(const std::array<QString, kTextEntries>& text, bool autoPaste) {
    setPasteCaption(text, autoPaste);
    mnuFolder->setTitle(entryOr(text, 103, QStringLiteral("&Select Folders")));
    mnuAbout->setText(entryOr(text, 106, QStringLiteral("&About")));
    mnuTools->setTitle(entryOr(text, 5, QStringLiteral("Options")));
    const std::pair<int, int> tools[] = {{0, 107}, {1, 1},   {3, 2},   {4, 3},   {6, 4},
                                         {8, 101}, {9, 102}, {11, 13}, {12, 12}, {13, 11}};
    for (auto [item, entry] : tools)
        mnuTool[item]->setText(entryOr(text, entry, mnuTool[item]->text()));
    mnuGui->setTitle(entryOr(text, 21, QStringLiteral("GUI size")));
    for (int i = 0; i < 3; ++i)
        mnuSize[i]->setText(entryOr(text, 22 + i, mnuSize[i]->text()));
}

void MainMenus::enableWindowItems(const Windows& windows) {
    const std::pair<int, WindowKind> items[] = {
        {0, WindowKind::Search},         {1, WindowKind::SizeWindow},
        {9, WindowKind::FolderRemoval},  {11, WindowKind::HelpSetup},
        {12, WindowKind::HelpLanguages}, {13, WindowKind::HelpText}};
    for (auto [item, kind] : items)
        mnuTool[item]->setEnabled(windows.available(kind));
    mnuText->setEnabled(windows.available(WindowKind::TextFileCreator));
    mnuAbout->setEnabled(windows.available(WindowKind::HelpAbout));
}

int MainMenus::setFolderEntries(const QStringList& captions) {
    qDeleteAll(mnuFolderEntry);
    mnuFolderEntry.clear();
    for (int k = 0; k < captions.size(); ++k) {
        auto* a = new QAction(captions[k], mnuFolder);
        a->setObjectName(QStringLiteral("mnuFolderEntry%1").arg(k));
        mnuFolderEntry.append(a);
    }
    const MenuColumns columns = menuColumnsFor(int(captions.size()));
    mnuFolder->setEntries(mnuFolderEntry, columns.rowsPerColumn);
    return columns.rowsPerColumn;
}

void MainMenus::checkSize(int index) {
    for (int i = 0; i < 3; ++i)
        mnuSize[i]->setChecked(i == index);
}

void MainMenus::checkSortByName(bool byName) {
    mnuTool[3]->setChecked(byName);
    mnuTool[4]->setChecked(!byName);
}

} // namespace quiverel
