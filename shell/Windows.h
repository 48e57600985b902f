// Every window of the program by its name, for the scripted driver.
#pragma once

#include <QString>
#include <QStringList>

namespace toolkit {
class Form;
}

namespace shell {

// The window called name, created (and loaded) if nothing touched it yet;
// nullptr when the program has no window of that name.
toolkit::Form *formByName(const QString &name);
QStringList windowNames();

} // namespace shell
