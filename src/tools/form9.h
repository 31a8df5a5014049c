#pragma once
// Form9, " Remove folder": takes one entry out of the folder list, the folder
// menu and Folders.ini. The folder and its files stay on disk.

#include "app/context.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace quiverel {

class UnitScale;

class Form9 : public QDialog {
    Q_OBJECT
public:
    Form9(Context& ctx, QWidget* opener);

    // Sizes the dialog, centres it on the opener and fills the list.
    void Form_Load();
    void List1_Click();
    void cmdRemove_Click();

    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdCancel = nullptr;

Q_SIGNALS:
    // The folder list lost a row: the folder menu is to be built again.
    void removed();

private:
    Context& ctx_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
};

} // namespace quiverel
