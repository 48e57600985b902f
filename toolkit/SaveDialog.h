// Where to save a file, asked of the student: in English the desktop's own
// dialog; in Greek the program's, whose every column speaks Greek too
// (folder and file kinds, sizes with a decimal comma, dates), since neither
// Qt nor every desktop ships the Greek of its file dialog.
#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace toolkit {

// The dialog of the language in use in Greek; none in English, where the
// desktop's is asked.
std::unique_ptr<QFileDialog> greekSaveDialog(QWidget &parent, const QString &title, const QString &suggested,
                                             const QString &filters);

// The file chosen, empty when the student cancels; `chosen` takes the
// filter picked, and names the one offered first.
QString askSaveFileName(QWidget &parent, const QString &title, const QString &suggested, const QString &filters,
                        QString *chosen = nullptr);

} // namespace toolkit
