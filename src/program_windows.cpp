#include "program_windows.h"

#include "app/context.h"
#include "mainwindow/form1.h"
#include "viewer/form2.h"

namespace quiverel {

bool ProgramWindows::available(WindowKind kind) const {
    switch (kind) {
    case WindowKind::Viewer:
        return true;
    default:
        return false;
    }
}

bool ProgramWindows::open(WindowKind kind) {
    if (!ctx_ || !available(kind)) return false;
    switch (kind) {
    case WindowKind::Viewer: {
        auto* viewer = new Form2(*ctx_);
        if (main_) QObject::connect(viewer, &Form2::closed, main_, &Form1::viewerClosed);
        viewer->Form_Load();
        return true;
    }
    default:
        return false;
    }
}

} // namespace quiverel
