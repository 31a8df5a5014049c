#pragma once
// A fresh application folder in a temporary directory, with its ini folder.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace quiverel::test {

class TempApp {
public:
    TempApp();
    QString path() const { return dir_.path(); }
    QString ini(const QString& name) const { return path() + QStringLiteral("/ini/") + name; }
    // Writes a file below the folder (folders made as needed).
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

// The text of the shipped Language.ini.
QByteArray shippedLanguageIni();

} // namespace quiverel::test
