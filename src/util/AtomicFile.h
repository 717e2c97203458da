#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <sys/types.h>

// The one way this program replaces a file: the new content goes to a
// temporary file in the same folder, every write, the flush to disk and the
// close are checked, and only then is it renamed over the old file. When
// anything fails, the previous file is left exactly as it was and the reason
// is given in French ("disque plein", "accès refusé"...).

struct FileWriteOptions {
    // A folder where the user may rewrite the file but not create one (no
    // temporary file possible) gets the file rewritten in place. Not atomic:
    // only for files that can be made again, such as the default calculation.
    bool directWriteFallback = false;
};

// Empty when the file now holds exactly bytes; otherwise the reason, in French.
// A path naming something else than a regular file (a device, a folder, a
// pipe) is refused, never replaced. A symbolic link is followed: its target
// receives the content and the link stays.
[[nodiscard]] std::optional<QString> writeFileAtomically(const QString& path, QByteArrayView bytes,
                                                         const FileWriteOptions& options = {});

// The same, throwing EInOutError "Impossible d'enregistrer le fichier "path" : reason".
void writeFileAtomicallyOrThrow(const QString& path, QByteArrayView bytes, const FileWriteOptions& options = {});

// The French text of a system error number (errno), for messages shown to users.
QString systemErrorText(int errnum);

// Every write(2) of the file writer goes through this function; tests replace
// it to inject failures (a disk that fills up halfway, an input-output error).
using FileWriteCall = std::function<ssize_t(int fd, const char* data, std::size_t size)>;
void setFileWriteCall(FileWriteCall call);
void resetFileWriteCall();
