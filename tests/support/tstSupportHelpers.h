// What the support tests share: a throw-away folder tree to play an installation
// in, and a guard that puts the current directory back.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &st, std::ostream *pOut) {
    *pOut << '"' << st.toStdString() << '"';
}

// The tree's random name never holds "bin" in any case ("rBINx" would be cut),
// so the folder rules only see the names a test puts below it.
class TTempTree {
public:
    TTempTree() {
        do
            pDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/morvane-XXXXXX");
        while (pDir->path()
                   .mid(QDir::tempPath().size())
                   .contains(QLatin1String("bin"), Qt::CaseInsensitive));
        EXPECT_TRUE(pDir->isValid());
    }
    QString fnstPath(const QString &stRelative) const { return pDir->path() + '/' + stRelative; }
    QString pMakeDir(const QString &stRelative) const {
        EXPECT_TRUE(QDir().mkpath(fnstPath(stRelative)));
        return fnstPath(stRelative);
    }
    QString pWriteFile(const QString &stRelative, const QByteArray &baContent) const {
        QDir().mkpath(QFileInfo(fnstPath(stRelative)).absolutePath());
        QFile objFile(fnstPath(stRelative));
        EXPECT_TRUE(objFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        objFile.write(baContent);
        return objFile.fileName();
    }

private:
    std::unique_ptr<QTemporaryDir> pDir;
};

inline QByteArray fnbaReadFile(const QString &stPath) {
    QFile objFile(stPath);
    return objFile.open(QIODevice::ReadOnly) ? objFile.readAll() : QByteArray();
}

class TCurrentDirGuard {
public:
    explicit TCurrentDirGuard(const QString &stDir) : stPrevious(QDir::currentPath()) {
        EXPECT_TRUE(QDir::setCurrent(stDir)) << stDir.toStdString();
    }
    ~TCurrentDirGuard() { QDir::setCurrent(stPrevious); }

private:
    QString stPrevious;
};
