#pragma once
// The converter's small viewer-editor, opened by "i__view32.exe <file> /one":
// shows the picture, turns and flips it, saves it over the file.

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;

namespace quiverel {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // `picture` as read from `path`.
    EditorWindow(const QString& path, const QImage& picture, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    bool isModified() const { return modified_; }

public Q_SLOTS:
    void rotateLeft();
    void rotateRight();
    void flipHorizontally();
    void flipVertically();
    // Writes the picture over the file in the format its name gives. False
    // (after telling why) when it could not.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void display(const QImage& picture, bool modified);

    QString path_;
    QImage picture_;
    bool modified_ = false;
    QLabel* view_ = nullptr;
};

} // namespace quiverel
