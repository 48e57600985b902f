// Files the program and the driver write: whole or not at all, and when a
// file cannot be written, the reason in plain words.
#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// A file name's bytes as text, losing none: valid UTF-8 as the characters
// it stands for, and each byte that is not part of valid UTF-8 (a Greek name
// from an ISO-8859-7 system, a name from an old USB stick) as the lone
// surrogate U+DC80 + byte, which fileNameBytes turns back into that byte.
// Qt's own QFile::decodeName turns such bytes into U+FFFD, so that two
// names become one.
QString fileNameText(const QByteArray &bytes);
// The bytes of a name fileNameText made, or of any text: UTF-8, with each
// escaped byte as it was.
QByteArray fileNameBytes(const QString &text);

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
