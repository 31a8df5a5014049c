#pragma once
// Opens the program's windows, each with the data it needs. The top of the
// program implements it; tests record every call. A window never includes
// another window's class.

#include "app/state.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

class QWidget;

namespace quiverel {

// Windows the menus enable or disable by whether this build has them.
enum class WindowKind {
    Viewer,
    Zoom,
    Composer,
    OptionsPanel,
    RenameReplace,
    SizeWindow,
    TextEffects,
    ColourPicker,
    QslDialog,
    Search,
    HelpText,
    HelpSetup,
    HelpLanguages,
    HelpAbout,
    TextFileCreator,
    FolderRemoval,
};

// The picture a window is opened on, as its opener found it. The window
// works on this one even when the main window shows another by then.
struct PictureRef {
    QString folder{}; // ending in "/"
    QString fileName{};
    int row = -1;     // its row in the catalogue, -1 when not known
    QImage picture{}; // as loaded; null for a text file
    QSize size{};     // in pixels, as loaded
};

// The picture the main window made current, at catalogue row `row`.
inline PictureRef currentPictureRef(const AppState& state, int row = -1) {
    const CurrentPicture& cur = state.current;
    return {cur.folder, cur.fileName, row, cur.picture, QSize(cur.width, cur.height)};
}

// The composer: its picture and the composer's choices that outlive it (the
// program adds those).
struct ComposerRequest {
    PictureRef picture{};
    FrameSettings frames{};
    QString pictureFolder{};      // where "Add Pic" and "Save pic" start; empty at first
    bool layerHintPending = true; // the note on dragging layers is still to be shown
    bool textHintPending = true;  // the note on dragging the text is still to be shown
};

// What the composer changed, handed back when it closes.
struct ComposerResult {
    FrameSettings frames{};
    QString pictureFolder{};
    bool layerHintPending = true;
    bool textHintPending = true;
};

// The options panel: its picture and what the panel tells or starts from.
struct OptionsRequest {
    PictureRef picture{};
    QImage thumbnail{};     // the grid's, shown by the rename-or-replace dialog; null: read again
    QString rowDate{};      // the picture's row date in the catalogue
    int lastRow = -1;       // the catalogue's last row
    QString targetFolder{}; // where "Move" and "Copy" start
};

// What the options panel changed, handed back when it closes.
struct OptionsResult {
    QString targetFolder{};
    QString renamedTo{};         // the picture's new name after "Rename", else empty
    bool composerChosen = false; // it handed over to the composer
};

// The transmit size and resolution, as the size sliders show and set them.
struct SizeResult {
    int jp2TargetSize = 0;   // bytes the next JPEG 2000 file aims at
    QString resizeSetting{}; // "640x480", "No Resize", or a stored size of no list entry
    int resizeIndex = 0;     // 1..10, 0 when the setting matches no entry
    int resizeWidth = 0;
    int resizeHeight = 0;
    bool resizeEnabled = false;
};

// The size window: the sizes it starts from and the scale it is drawn at.
struct SizeRequest {
    SizeResult sizes{};
    double guiScale = 1.0;
};

inline SizeResult sizesOf(const Settings& s) {
    return {s.jp2TargetSize, s.resizeSetting, s.resizeIndex,
            s.resizeWidth,   s.resizeHeight,  s.resizeEnabled};
}

inline void applySizes(Settings& s, const SizeResult& r) {
    s.jp2TargetSize = r.jp2TargetSize;
    s.resizeSetting = r.resizeSetting;
    s.resizeIndex = r.resizeIndex;
    s.resizeWidth = r.resizeWidth;
    s.resizeHeight = r.resizeHeight;
    s.resizeEnabled = r.resizeEnabled;
}

inline SizeRequest sizeRequestOf(const Settings& s) {
    return {sizesOf(s), s.guiScale > 0 ? s.guiScale : 1.0};
}

// The picture the viewer shows: its folder (ending in "/") and file name.
struct ViewerRequest {
    QString folder;
    QString fileName;
};

// The four pages of the help window.
enum class HelpPage { Help, Setup, Languages, About };

// A file is to be written where a file of the same name stands.
// Everything the dialog acts on is in here: the main window may show
// another picture or folder by the time a button is pressed.
struct ClashRequest {
    int mode = 5;         // 5 copy or move from the options panel, 3 save from the composer
    QString fileName;     // the name already taken, with its extension
    QString targetFolder; // ending in "/"
    QString sourceFolder; // ending in "/"; mode 5: holds the file `fileName` copied or moved
    int sourceRow = -1;   // mode 5: the source's row in the catalogue, -1 when not known
    QSize sourceSize;     // the pixel size told for the left picture
    QImage sourcePicture; // shown on the left
    QImage targetPicture; // the existing file, shown on the right
    bool move = false;    // mode 5: a move rather than a copy
    QString chosenPath;   // mode 3: the path chosen in the save dialog
    QImage pictureToSave; // mode 3: the composite
};

// What the text effects dialog hands back when it closes.
struct TextEffectsResult {
    QImage picture;              // the rendered text on white
    QImage mask;                 // Format_Mono: 1 where a glyph pixel is (non-white)
    TextEffectSettings settings; // the choices, kept for the next opening
    QFont font;                  // the font the text is drawn in, its size in points
};

// The colour pickers: frmColor for the text effects, Form7 for the QSL card.
enum class ColourPicker { TextEffects, Qsl };
struct ColourPickRequest {
    ColourPicker picker = ColourPicker::TextEffects;
    int target = 0; // which colour of the opener the pick is for
    QColor current;
};

// What the QSL dialog stamps its card on: the picture as last prepared for
// transmission and the composer's canvas, in composer units and in pixels.
struct QslRequest {
    QImage picture;
    QSizeF canvasUnits;
    QSize canvasPixels;
};

// The card the QSL dialog stamped: at the picture's full size (the base of
// the composite) and at the canvas's size (what the canvas shows).
struct QslResult {
    QImage card;
    QImage canvasCard;
    QString workedCall;
};

class Windows {
public:
    virtual ~Windows() = default;
    // Whether this build has the window at all.
    virtual bool available(WindowKind kind) const = 0;

    virtual void showViewer(const ViewerRequest& request) = 0;
    virtual void showZoom(const QString& caption, const QImage& picture) = 0;
    virtual void showComposer(const ComposerRequest& request) = 0;
    virtual void showOptionsPanel(const OptionsRequest& request) = 0;
    virtual void showRenameReplace(const ClashRequest& request) = 0;
    virtual void showSizeWindow(const SizeRequest& request) = 0;
    virtual void showSearch() = 0;
    virtual void showHelp(HelpPage page) = 0;
    virtual void showTextFileCreator() = 0;
    virtual void showFolderRemoval() = 0;
    // Modal: the result when the user closes the dialog with a text, else nothing.
    virtual std::optional<TextEffectsResult> showTextEffects(QWidget* opener) = 0;
    // Modal: the colour chosen with "Ok", else nothing (the destination stays).
    virtual std::optional<QColor> showColourPicker(QWidget* opener,
                                                   const ColourPickRequest& request) = 0;
    // Modal: the stamped card when the user pressed "Ok", else nothing.
    virtual std::optional<QslResult> showQslDialog(QWidget* opener, const QslRequest& request) = 0;
};

} // namespace quiverel
