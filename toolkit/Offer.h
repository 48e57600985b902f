// Drawings taken away: a drawing offers its picture to be copied and saved
// as PNG or SVG, and a run window its counts as a table, through a context
// menu that also opens from the keyboard. A file is written whole or not at
// all (writeWhole). A window's own save never holds up a run: the file is
// encoded and written beside it, and the window says how it went.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace toolkit {

class Canvas;

// Offers the picture of `canvas`: a context menu anywhere in its window, also
// opened by the Menu key and Shift+F10, with "Copy Picture" and "Save Picture
// As...", and Ctrl+C copies it. A window offers one picture.
void offerPicture(Canvas &canvas);
// Adds to the menu of the picture `canvas` offers an entry that saves what
// `contents` gives, as a file of the kind `filter` names ("CSV table (*.csv)").
void offerFile(Canvas &canvas, const QString &caption, const QString &filter, std::function<QByteArray()> contents);
// What such an entry does: asks the student for a file of that kind, then
// writes what `contents` gives there in the background.
void askAndSave(QWidget &window, const QString &caption, const QString &filter, const std::function<QByteArray()> &contents);
// Adds to that menu a submenu of choices, each its label and what it does.
void offerChoices(Canvas &canvas, const QString &caption, const QString &description,
                  const std::vector<std::pair<QString, std::function<void()>>> &choices);
// Adds to that menu an entry that does `action`.
void offerAction(Canvas &canvas, const QString &caption, const QString &description, std::function<void()> action);
// The canvas whose picture the window offers, or nullptr.
Canvas *offeredPicture(const QWidget &window);

// The picture as SVG, vector strokes and text the size of the client area,
// or as PNG in device pixels.
QByteArray pictureSvg(const Canvas &canvas);
QByteArray picturePng(const Canvas &canvas);
// Whether a file of that name holds SVG rather than PNG: its name ends in .svg.
bool isSvgName(const QString &file);
// Puts the picture on the clipboard, as an image and as SVG.
void copyPicture(const Canvas &canvas);

// What a window's save does once its file dialog has a name: the picture is
// taken at once, then encoded and written while the window goes on, and a
// notice in the window says how it went.
void savePictureInBackground(const Canvas &canvas, const QString &file);

// A short message at the bottom of the window that goes away by itself, or
// stays while `lasting` until another one replaces it or it is hidden;
// assistive technology hears it as an alert. What became of a saved file
// has a line of its own below it, which stays until the student's next key
// press or click, and the progress of the window's work one above it.
// `detail`, when given, is what the notice's tooltip and its accessible
// description say.
void showNotice(QWidget &window, const QString &text, bool lasting = false, const QString &detail = QString());
void hideNotice(QWidget &window);
void showProgress(QWidget &window, const QString &text);
// Tells assistive technology `text` as an alert of the window, with nothing
// shown on the screen: what a run says as it goes.
void announce(QWidget &window, const QString &text);
void hideProgress(QWidget &window);

} // namespace toolkit
