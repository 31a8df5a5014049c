#pragma once
// Form10, the text file creator: a text saved as a ".txt" file, or handed to
// EasyPal through the clipboard. The main window is disabled while it is open.

#include "app/context.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace quiverel {

class UnitScale;

class Form10 : public QWidget {
    Q_OBJECT
public:
    Form10(Context& ctx, QWidget* opener);

    // Sizes and places the window, disables the opener, focus in the text.
    void Form_Load();
    void cmdSave_Click();
    void cmdPaste_Click();

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPaste = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Context& ctx_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
};

} // namespace quiverel
