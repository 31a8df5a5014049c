#pragma once
// frmSearch: the keyword search window. The main window is disabled while it
// is open. A search with matches fills the results folder, says `found` (the
// main window then shows that folder) and closes; one without leaves the
// window open for another try. Cancel, Esc or closing while the copies are
// made stops them and closes the window, leaving only whole copies.

#include "app/context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quiverel {

class SearchStop;
class UnitScale;

class frmSearch : public QDialog {
    Q_OBJECT
public:
    frmSearch(Context& ctx, QWidget* opener);

    // Sizes and places the window over its opener and disables the opener.
    void Form_Load();
    void cmdOk_Click();

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QProgressBar* pBar = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

Q_SIGNALS:
    void found();

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void Text1_Change();
    void SearchFiles(const QString& keyword);
    void stopSearch();
    void restoreOpener();

    Context& ctx_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
    bool searching_ = false;
    SearchStop* stop_ = nullptr; // while the results folder is being built
};

} // namespace quiverel
