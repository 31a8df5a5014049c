#pragma once
// The state shared by every window for the whole run, grouped as the program
// thinks of it. One AppState lives from start-up to the end.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace quiverel {

inline constexpr auto kWindowTitle = "Quiverel (v 3.54)  ";
inline constexpr int kTextEntries = 111; // entry 0 the language name, 1..110 from Language.ini

// Colours are held as red + 256 x green + 65536 x blue.
using ColourCode = std::int32_t;

// The hidden label lblText: the text-effect defaults (Setup.ini lines 15..19).
struct TextDefaults {
    QString fontName;
    bool bold = false;
    bool italic = false;
    double fontSize = 0.0;
    QString text;
};

// The 26 positional Setup.ini settings and what start-up derives from them.
struct Settings {
    QString winDrmFolder;                   // 1
    QString callSign;                       // 2
    QString callSignPrefix;                 // 3, "Y" or "N"
    QString resizeSetting;                  // 4
    QString languageName;                   // 5
    int line6 = 0;                          // 6, kept and written back
    int guiSize = 0;                        // 7, 670..870
    QString qslFrequency;                   // 8
    QString qslMode;                        // 9
    QString startupFolder;                  // 10
    bool autoPaste = false;                 // 11
    int savedLeft = 0;                      // 12, twips
    int savedTop = 0;                       // 13, twips
    int thumbsPerPage = 0;                  // 14
    TextDefaults textDefaults;              // 15..19
    std::array<ColourCode, 3> qslColours{}; // 20..22
    QString ftpServer;                      // 23
    QString ftpUser;                        // 24
    QString ftpPassword;                    // 25
    QString ftpFolder;                      // 26

    // Derived at start-up.
    int resizeIndex = 0; // 1..10, 0 when the setting matches no entry
    int resizeWidth = 0;
    int resizeHeight = 0;
    bool resizeEnabled = false;
    int jp2TargetSize = 0; // bytes, from i_view32.ini
    double guiScale = 1.0; // screen height / GUI size value
};

struct FolderRow {
    QString caption;
    QString path; // ends in "/"
};

struct FolderList {
    QList<FolderRow> rows;
    int menuRowsPerColumn = 1;
    bool notInMenu = false; // the grid shows a folder picked outside the menu
    QString targetFolder;   // last folder chosen in the browse dialog
    QString pictureFolder;  // last folder the composer's "Add Pic" took a picture from
    // Folder of the last file chosen in an open or save dialog.
    QString lastDialogFolder;
};

struct CatalogueRow {
    QString dateTime; // "yyyy-MM-dd HH:mm:ss" of the file's last change
    QString fileName;
    qint64 modified = 0; // the same moment in seconds since the epoch, 0 when unknown
};

struct Catalogue {
    QList<CatalogueRow> rows;
    QList<QImage> pictureCache; // one thumbnail per row, null when not loaded
    int lastIndex() const { return int(rows.size()) - 1; }
    int currentPage = 1;
    int previousPage = 1;
    int pageCount = 0;
    int thumbsPerPage = 20;
    int gridRows = 4;
    int gridColumns = 5;
    int selectedIndex = 0;
    int sortOrder = 1; // 1 by date, 2 by name
    bool tabClickSuppressed = false;
    bool searchResults = false;
    // What the keyword search found: folder and name of each result, the
    // name as the copy in the results folder has it.
    QStringList searchResultPaths;
};

struct CurrentPicture {
    QString folder; // ends in "/"
    int folderIndex = 0;
    QString fileName;
    QString baseName;  // the name less its last four characters
    QString extension; // its last four characters in capitals
    QImage picture;
    int width = 0;
    int height = 0;
    double aspectRatio = 0.0; // height / width
    QString fileSizeText;
};

struct TransmitState {
    QString txFolder;   // WinDRM folder + "/TX"
    QString namePrefix; // call sign + "_", or empty
    QImage picture;
    bool composerEdited = false;
    bool handOffRunning = false;
};

struct TextEffectSettings {
    int style = 0;
    int gradientKind = 0;
    ColourCode fontColour = 0;
    ColourCode secondColour = 0;
    ColourCode colour3d1 = 0;
    ColourCode colour3d2 = 0;
    ColourCode faceColour3d = 0;
    int depth = 0;
    int directionX = 0;
    int directionY = 0;
    QString effectText;
};

// The rest of the main window's hidden label lblText that the text effects
// dialog keeps for the run (Setup.ini keeps only Settings::textDefaults), and
// whether the composer's note about dragging the text is still to be shown.
struct TextLabelStore {
    bool underline = false;
    bool strikeOut = false;
    ColourCode foreColour = 255;   // the preview's text colour
    ColourCode backColour = 65280; // the 3d face colour
    bool hintPending = true;
};

// The composer's frame; it outlives the composer window.
struct FrameSettings {
    int width = 1;               // 1..25 canvas units; 1 is no frame
    bool solid = false;          // else the gradient frame
    ColourCode colour = 2596568; // the frame colour
    int state = 1;               // half the width after a gradient preview; 1 after "Clear pic"
};

struct Flags {
    bool composerFirstUse = true;
    bool textFirstUse = true;
};

struct AppState {
    QString appFolder; // no trailing "/"
    QString windowTitle = QString::fromUtf8(kWindowTitle);
    Settings settings;
    std::array<QString, kTextEntries> text;
    FolderList folders;
    Catalogue catalogue;
    CurrentPicture current;
    TransmitState transmit;
    TextEffectSettings textEffects;
    TextLabelStore textLabel;
    FrameSettings frames;
    Flags flags;
    qint64 converterPid = 0;

    QString iniFolder() const { return appFolder + QStringLiteral("/ini"); }
    QString iniFile(const QString& name) const { return iniFolder() + u'/' + name; }
};

} // namespace quiverel
