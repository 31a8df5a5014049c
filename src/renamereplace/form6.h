#pragma once
// Form6, the rename-or-replace dialog: a file is to be written where one of
// the same name stands. Shows both pictures, proposes a free name, and
// replaces, stores under another name or cancels. It does not block its caller.

#include "app/context.h"

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quiverel {

struct ClashOutcome;
class UnitScale;

class Form6 : public QWidget {
    Q_OBJECT
public:
    Form6(Context& ctx, const ClashRequest& request);

    // The beep, the texts, the pictures and the proposed name; then shown.
    void Form_Load();
    void cmdReplace_Click();
    void cmdRename_Click();
    void cmdCancel_Click();

    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QLabel* img1 = nullptr;
    QLabel* img2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtRename = nullptr;
    QPushButton* cmdRename = nullptr;
    QPushButton* cmdReplace = nullptr;
    QPushButton* cmdCancel = nullptr;

Q_SIGNALS:
    // A move took the source away from `folder`: its catalogue row (`row`
    // when still there) is to go.
    void sourceRemoved(const QString& folder, const QString& fileName, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish(const ClashOutcome& outcome);
    void showPicture(QLabel* label, const QImage& picture, const QRectF& area);

    Context& ctx_;
    ClashRequest request_;
    UnitScale* units_ = nullptr;
};

} // namespace quiverel
