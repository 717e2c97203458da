#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <unistd.h>

// A real file system that is full: a small tmpfs mounted on a temporary folder
// and filled to the last byte. Mounting needs the superuser (as in CI); where
// it is refused, mounted() is false and the test says it was skipped.
class FullDisk {
public:
    explicit FullDisk(int kibibytes = 256)
    {
        if (::geteuid() != 0 || !dir_.isValid())
            return;
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1k").arg(kibibytes), QStringLiteral("tmpfs"), dir_.path()})
                   == 0;
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    ~FullDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir_.path()});
    }

    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Takes every byte left, so the next write fails with "disque plein".
    void fill()
    {
        QFile filler(filePath(QStringLiteral(".remplissage")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
        while (filler.write(block.left(1)) > 0) {
        }
    }

    // Gives the space back.
    void empty() { QFile::remove(filePath(QStringLiteral(".remplissage"))); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
