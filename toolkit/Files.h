// Files the program and the driver write: whole or not at all, and when a
// file cannot be written, the reason in plain words.
#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes `bytes` as `file` and returns why it could not, or an empty string.
// A regular file, new or old, is written to a temporary file beside it,
// flushed to the disk and only then renamed over it: it holds either what it
// held before or every new byte, never a part. A special file (a device, a
// pipe, /dev/stdout and the other names of an open descriptor) is written
// to where it is, never replaced; a folder is refused.
QString writeWhole(const QString &file, const QByteArray &bytes);

// Writes every byte to an open descriptor, going on after a short write or a
// signal; the reason it could not, or an empty string.
QString writeToDescriptor(int fd, const QByteArray &bytes);

// A failed write's error number in plain words: "no space left on the disk".
QString writeProblem(int error);

} // namespace toolkit
