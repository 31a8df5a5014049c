#pragma once
// The texts of the rename-or-replace dialog for one clash.

#include "app/state.h"
#include "app/windows.h"

#include <QString>

namespace quiverel {

struct ClashTexts {
    QString caption;  // the name that is taken
    QString question; // Label3
    QString source;   // Label1: the source folder and the source picture's size
    QString target;   // Label2: the target folder and the existing picture's size
    QString proposed; // txtRename
};

ClashTexts clashTexts(const AppState& state, const ClashRequest& request);

} // namespace quiverel
