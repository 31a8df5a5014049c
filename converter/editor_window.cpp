#include "converter/editor_window.h"

#include "imaging/picture_file.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTransform>
#include <QVBoxLayout>

namespace quiverel {

EditorWindow::EditorWindow(const QString& path, const QImage& picture, QWidget* parent)
    : QWidget(parent), path_(path), picture_(picture) {
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - i__view32"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& text, const QKeySequence& key, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setShortcut(key);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    addButton(tr("Rotate &left"), QKeySequence(Qt::Key_L), &EditorWindow::rotateLeft);
    addButton(tr("Rotate &right"), QKeySequence(Qt::Key_R), &EditorWindow::rotateRight);
    addButton(tr("Flip &horizontally"), QKeySequence(Qt::Key_H), &EditorWindow::flipHorizontally);
    addButton(tr("Flip &vertically"), QKeySequence(Qt::Key_V), &EditorWindow::flipVertically);
    addButton(tr("&Save"), QKeySequence::Save, &EditorWindow::save);
    addButton(tr("&Close"), QKeySequence(Qt::Key_Escape), &EditorWindow::close);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* scroll = new QScrollArea(this);
    view_ = new QLabel(scroll);
    view_->setAlignment(Qt::AlignCenter);
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    display(picture_, false);
    resize(std::min(picture_.width() + 40, 1200), std::min(picture_.height() + 90, 900));
}

void EditorWindow::display(const QImage& picture, bool modified) {
    picture_ = picture;
    modified_ = modified;
    view_->setPixmap(QPixmap::fromImage(picture_));
    setWindowModified(modified);
}

void EditorWindow::rotateLeft() {
    display(picture_.transformed(QTransform().rotate(-90)), true);
}

void EditorWindow::rotateRight() {
    display(picture_.transformed(QTransform().rotate(90)), true);
}

void EditorWindow::flipHorizontally() {
    display(picture_.mirrored(true, false), true);
}

void EditorWindow::flipVertically() {
    display(picture_.mirrored(false, true), true);
}

bool EditorWindow::save() {
    QString error;
    if (!savePicture(picture_, path_, {}, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    modified_ = false;
    setWindowModified(false);
    return true;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (modified_) {
        const auto answer =
            QMessageBox::question(this, windowTitle(), tr("Save the changed picture?"),
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace quiverel
