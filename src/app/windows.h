#pragma once
// Opens the program's windows. The top of the program implements it; tests
// record what was asked. A window never includes another window's class.

#include <QString>

namespace quiverel {

enum class WindowKind {
    Viewer,
    Composer,
    OptionsPanel,
    SizeWindow,
    Search,
    HelpText,
    HelpSetup,
    HelpLanguages,
    HelpAbout,
    TextFileCreator,
    FolderRemoval,
};

class Windows {
public:
    virtual ~Windows() = default;
    // Whether this build has the window at all.
    virtual bool available(WindowKind kind) const = 0;
    // Opens the window; false when it is not available.
    virtual bool open(WindowKind kind) = 0;
};

} // namespace quiverel
