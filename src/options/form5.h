#pragma once
// Form5, the options panel: a preview of one picture and ten file actions
// on it. Opened by a right click on a thumbnail; the main window stays
// disabled while it is open.

#include "app/context.h"
#include "app/windows.h"
#include "options/file_action_report.h"
#include "options/option_entries.h"
#include "options/wallpaper.h"

#include <QWidget>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMovie;
class QPushButton;

namespace quiverel {

class UnitScale;

class Form5 : public QWidget {
    Q_OBJECT
public:
    // `mainWindow` gives the panel its place; it is not the parent.
    Form5(Context& ctx, const OptionsRequest& request, QWidget* mainWindow = nullptr);
    ~Form5() override;

    // Sets the panel up for the request's picture and shows it.
    void Form_Load();

    void lblOpt_Click(int index);
    void lblOpt_MouseMove(int index);
    void Form_MouseMove();
    void cmdRename_Click();
    void cmdOkConv_Click();
    void cmdOkWall_Click();
    void CopyOrMoveToFolder(bool move);

    // How the desktop is set; the program's own by default.
    void setWallpaperRunner(ProgramRunner run) { runner_ = std::move(run); }
    // The last chosen entry + 1, 0 before any choice.
    int lastChoice() const { return lastChoice_; }
    bool animatedGif() const { return animatedGif_; }
    // What changed so far; handed over with `closed`.
    const OptionsResult& result() const { return result_; }

    QWidget* Picture1 = nullptr;
    QLabel* AniGIF1 = nullptr;
    std::array<QLabel*, kOptionEntries> lblOpt{};
    QFrame* frmRename = nullptr;
    QLabel* lblNewName = nullptr;
    QLineEdit* txtRename = nullptr;
    QPushButton* cmdRename = nullptr;
    QPushButton* cmdCancel = nullptr;
    QGroupBox* frmConv = nullptr;
    QListWidget* lstConv = nullptr;
    QPushButton* cmdOkConv = nullptr;
    QPushButton* cmdCancelConv = nullptr;
    QGroupBox* frmWall = nullptr;
    QPushButton* cmdOkWall = nullptr;
    QPushButton* cmdCancelWall = nullptr;
    // The FTP frame's place; the FTP upload fills it.
    QWidget* ftpArea = nullptr;

Q_SIGNALS:
    // Files of the current folder changed: the catalogue is to be read again.
    void catalogueChanged();
    // The current picture left its folder: its row is to go from the grid.
    void pictureRemoved();
    // The panel closed, with what it changed.
    void closed(const OptionsResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createFrames();
    QPushButton* addButton(QWidget* frame, UnitScale* units, const char* name,
                           const QString& caption, const QRectF& place);
    void showFrame(QWidget* frame);
    void loadPreview(const QString& path, bool textFile);
    bool PreviewPicture(const QImage& picture);
    void tell(const FileActionReport& report);
    void editInConverter();
    void deletePicture();
    QString path() const;
    QImage gridThumbnail() const;

    Context& ctx_;
    OptionsRequest request_;
    OptionsResult result_;
    QWidget* mainWindow_;
    UnitScale* units_ = nullptr;
    QMovie* movie_ = nullptr;
    int lastChoice_ = 0;
    bool animatedGif_ = false;
    bool closedOnce_ = false;
    ProgramRunner runner_;
};

} // namespace quiverel
